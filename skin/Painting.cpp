// Drawing of push buttons, group boxes, the tab control and edit box borders: flat
// shapes with rounded corners in the colours and metrics of the attached skin.
#include "Painting.h"

#include <commctrl.h>

#include <algorithm>

#include "Gdi.h"
#include "Theme.h"

namespace {

constexpr int kTitleIndent = 6; // with the gap, the title starts where the system puts it
constexpr int kTitleGap = 2;    // cleared on each side of the title, across the frame
constexpr int kSelectedTabRise = 2;
constexpr int kFocusInset = 3;

HFONT FontOf(HWND window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// In the program, group boxes and the tab control hold other controls. Keeping their fill
// off the children avoids flicker and leaves the children whole when only the parent
// repaints.
void ExcludeVisibleChildren(HWND window, HDC dc) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) {
            continue;
        }
        RECT area;
        GetWindowRect(child, &area);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
        ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
}

void DrawRoundedBox(HDC dc, const RECT& box, HPEN pen, HBRUSH fill, int radius) {
    SelectObject(dc, pen);
    SelectObject(dc, fill);
    RoundRect(dc, box.left, box.top, box.right, box.bottom, 2 * radius, 2 * radius);
}

HBRUSH HollowBrush() {
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void PaintTab(HWND tab, HDC dc, int index, bool selected) {
    const Theme& theme = ActiveTheme();
    RECT item;
    if (!SendMessageA(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item))) {
        return;
    }
    const SavedDc saved(dc);
    const int radius = theme.CornerRadius();
    const int border = theme.BorderWidth();
    // The selected tab stands a little taller and covers the body's top line beneath it,
    // so that it joins the page; the others stop at that line.
    if (selected) {
        item.top = std::max(0L, item.top - kSelectedTabRise);
    }
    IntersectClipRect(dc, item.left, item.top, item.right, item.bottom + (selected ? border : 0));
    // Rounded at the top only: the lower corners fall below the clip.
    RECT shape = item;
    shape.bottom += 2 * radius + border;
    DrawRoundedBox(dc, shape, theme.PenOf(Colour::TabBorder),
                   theme.BrushOf(selected ? Colour::Background : Colour::Tab), radius);
    if (selected) {
        const RECT marker{item.left + std::max(radius, border), item.top,
                          item.right - std::max(radius, border), item.top + border + 1};
        FillRect(dc, &marker, theme.BrushOf(Colour::Accent));
    }

    char text[256] = "";
    TCITEMA query{};
    query.mask = TCIF_TEXT;
    query.pszText = text;
    query.cchTextMax = sizeof text;
    SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&query));
    Colour textColour = selected ? Colour::TabSelectedText : Colour::TabText;
    if (!IsWindowEnabled(tab)) {
        textColour = Colour::DisabledText;
    }
    SetTextColor(dc, theme.ColourOf(textColour));
    DrawTextA(dc, query.pszText, -1, &item, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (selected && GetFocus() == tab) {
        RECT focus = item;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace

void PaintPushButton(HWND button, HDC dc, bool hot) {
    const Theme& theme = ActiveTheme();
    const SavedDc saved(dc);
    RECT client;
    GetClientRect(button, &client);
    const bool enabled = IsWindowEnabled(button);
    const bool pressed = (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    const bool focused = enabled && GetFocus() == button;
    Colour face = Colour::Button;
    if (enabled && pressed) {
        face = Colour::ButtonPressed;
    } else if (enabled && hot) {
        face = Colour::ButtonHover;
    }

    // The corners outside the rounded face show the surface the button sits on.
    FillRect(dc, &client, theme.BrushOf(Colour::Background));
    DrawRoundedBox(dc, client, focused ? theme.FocusPen() : theme.PenOf(Colour::ButtonBorder),
                   theme.BrushOf(face), theme.CornerRadius());

    char caption[256];
    GetWindowTextA(button, caption, sizeof caption);
    SelectObject(dc, FontOf(button));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, theme.ColourOf(enabled ? Colour::ButtonText : Colour::DisabledText));
    DrawTextA(dc, caption, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void PaintGroupBox(HWND box, HDC dc) {
    const Theme& theme = ActiveTheme();
    const SavedDc saved(dc);
    SelectObject(dc, FontOf(box));
    // Colours come from the parent, as for the system's group box, so that the program's
    // own answer to WM_CTLCOLORSTATIC still counts.
    auto background = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(box), WM_CTLCOLORSTATIC,
                                                            reinterpret_cast<WPARAM>(dc),
                                                            reinterpret_cast<LPARAM>(box)));
    if (!background) {
        background = theme.BrushOf(Colour::Background);
    }
    if (!IsWindowEnabled(box)) {
        SetTextColor(dc, theme.ColourOf(Colour::DisabledText));
    }
    ExcludeVisibleChildren(box, dc);

    RECT client;
    GetClientRect(box, &client);
    FillRect(dc, &client, background);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    DrawRoundedBox(dc, frame, theme.PenOf(Colour::GroupBorder), HollowBrush(),
                   theme.CornerRadius());

    char title[256];
    const int length = GetWindowTextA(box, title, sizeof title);
    if (length == 0) {
        return;
    }
    RECT extent{};
    DrawTextA(dc, title, length, &extent, DT_CALCRECT | DT_SINGLELINE);
    const RECT titleArea{kTitleIndent, 0, kTitleIndent + extent.right + 2 * kTitleGap,
                         metrics.tmHeight};
    FillRect(dc, &titleArea, background);
    SetBkMode(dc, TRANSPARENT);
    // Unclipped, as the system's group box draws it: Wine draws blanks between Chinese
    // characters wider than it measures them, and a clipped title would lose its end.
    RECT textArea = titleArea;
    DrawTextA(dc, title, length, &textArea, DT_CENTER | DT_SINGLELINE | DT_NOCLIP);
}

bool CanPaintTabs(HWND tab) {
    const LONG style = GetWindowLongA(tab, GWL_STYLE);
    return (style & (TCS_BOTTOM | TCS_VERTICAL | TCS_BUTTONS | TCS_OWNERDRAWFIXED)) == 0;
}

void PaintTabs(HWND tab, HDC dc) {
    const Theme& theme = ActiveTheme();
    const SavedDc saved(dc);
    ExcludeVisibleChildren(tab, dc);
    RECT client;
    GetClientRect(tab, &client);
    FillRect(dc, &client, theme.BrushOf(Colour::Background));

    const auto count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    const auto selected = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    // The page's frame starts below the lowest row of tabs.
    RECT body = client;
    for (int i = 0; i < count; ++i) {
        RECT item;
        if (SendMessageA(tab, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) {
            body.top = std::max(body.top, item.bottom);
        }
    }
    SelectObject(dc, theme.PenOf(Colour::TabBorder));
    SelectObject(dc, HollowBrush());
    Rectangle(dc, body.left, body.top, body.right, body.bottom);

    SelectObject(dc, FontOf(tab));
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < count; ++i) {
        if (i != selected) {
            PaintTab(tab, dc, i, false);
        }
    }
    if (selected >= 0 && selected < count) {
        PaintTab(tab, dc, selected, true);
    }
}

void PaintEditFrame(HWND edit) {
    const LONG style = GetWindowLongA(edit, GWL_STYLE);
    if ((GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0 && (style & WS_BORDER) == 0) {
        return;
    }
    const WindowDc dc(edit);
    if (!dc.get()) {
        return;
    }
    // Window coordinates of the client area and the scroll bars, which the frame surrounds.
    RECT window;
    GetWindowRect(edit, &window);
    RECT inner;
    GetClientRect(edit, &inner);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&inner), 2);
    OffsetRect(&inner, -window.left, -window.top);
    OffsetRect(&window, -window.left, -window.top);
    if (style & WS_VSCROLL) {
        inner.right += GetSystemMetrics(SM_CXVSCROLL);
    }
    if (style & WS_HSCROLL) {
        inner.bottom += GetSystemMetrics(SM_CYHSCROLL);
    }

    const Theme& theme = ActiveTheme();
    const SavedDc saved(dc.get());
    ExcludeClipRect(dc.get(), inner.left, inner.top, inner.right, inner.bottom);
    FillRect(dc.get(), &window, theme.BrushOf(Colour::Edit));
    const bool focused = GetFocus() == edit;
    SelectObject(dc.get(), theme.PenOf(focused ? Colour::Accent : Colour::EditBorder));
    SelectObject(dc.get(), HollowBrush());
    Rectangle(dc.get(), window.left, window.top, window.right, window.bottom);
}
