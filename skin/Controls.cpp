// The subclass procedure of each control kind (containers and labels, group boxes, push
// buttons, edit boxes, the tab control) and the choice of which one a window gets.
#include "Controls.h"

#include <commctrl.h>

#include <optional>

#include "Gdi.h"
#include "Painting.h"
#include "Theme.h"

namespace {

// One subclass of ours per window, whatever its kind.
constexpr UINT_PTR kSubclassId = 0x534B;

// Preset as the text colour before the program's WM_CTLCOLOR* handler runs: still there
// afterwards, it shows that the handler chose no colour of its own.
constexpr COLORREF kUnsetText = RGB(1, 2, 3);

bool NameIs(const char* actual, const char* expected) {
    return lstrcmpiA(actual, expected) == 0;
}

bool IsGroupBox(HWND button) {
    return (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// A class that the program registered itself, as opposed to the system's or another
// module's (the embedded browser's windows among them).
bool IsProgramClass(HWND window) {
    return GetClassLongPtrA(window, GCLP_HMODULE) ==
           reinterpret_cast<ULONG_PTR>(GetModuleHandleA(nullptr));
}

bool IsSystemBackground(HBRUSH brush) {
    for (const int index : {COLOR_BTNFACE, COLOR_WINDOW}) {
        if (brush == reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(index + 1))) {
            return true;
        }
    }
    LOGBRUSH description;
    if (GetObjectA(brush, sizeof description, &description) != sizeof description ||
        description.lbStyle != BS_SOLID) {
        return false;
    }
    return description.lbColor == GetSysColor(COLOR_BTNFACE) ||
           description.lbColor == GetSysColor(COLOR_WINDOW);
}

// DefWindowProc erases with the class brush: a program class that kept the system's
// background gets the skin's, and windows that paint their own background keep theirs.
// The class owns the new brush from here on (UnregisterClass deletes class brushes), so
// it cannot be one of the theme's.
void UseSkinBackgroundForClass(HWND window) {
    if (!IsSystemBackground(
            reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)))) {
        return;
    }
    GdiObject<HBRUSH> brush(CreateSolidBrush(ActiveTheme().ColourOf(Colour::Background)));
    if (brush && SetClassLongPtrA(window, GCLP_HBRBACKGROUND,
                                  reinterpret_cast<LONG_PTR>(brush.get())) != 0) {
        brush.Release();
    }
}

struct ControlColours {
    Colour text;
    Colour background;
};

std::optional<ControlColours> ColoursFor(UINT message, HWND control) {
    if (message == WM_CTLCOLORDLG) {
        return ControlColours{Colour::Text, Colour::Background};
    }
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLOREDIT && message != WM_CTLCOLORBTN) {
        return std::nullopt;
    }
    char name[64];
    if (GetClassNameA(control, name, sizeof name) == 0) {
        return std::nullopt;
    }
    if (NameIs(name, "Edit")) {
        return ControlColours{Colour::EditText, Colour::Edit};
    }
    if (NameIs(name, "Button") && IsGroupBox(control)) {
        return ControlColours{Colour::GroupTitle, Colour::Background};
    }
    // Labels and the other buttons; the tab control too, which the program fills with
    // the background that its parent gives.
    if (NameIs(name, "Button") || NameIs(name, "Static") || NameIs(name, WC_TABCONTROLA)) {
        return ControlColours{Colour::Text, Colour::Background};
    }
    return std::nullopt;
}

bool IsControlColourMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The WM_CTLCOLOR* family. The program's handler runs first; a text colour that it chose
// stays, while the system's default text colour and every background become the skin's.
// Group boxes and the tab control pass these messages up to their parents, so this may
// run at several levels for one control: each level gives the same answer.
LRESULT ColourControl(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::optional<ControlColours> colours =
        ColoursFor(message, reinterpret_cast<HWND>(lParam));
    if (!colours) {
        return DefSubclassProc(window, message, wParam, lParam);
    }
    const auto dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, kUnsetText);
    DefSubclassProc(window, message, wParam, lParam);
    const COLORREF chosen = GetTextColor(dc);
    const bool isDefault = chosen == kUnsetText || chosen == GetSysColor(COLOR_WINDOWTEXT) ||
                           chosen == GetSysColor(COLOR_BTNTEXT);
    const Theme& theme = ActiveTheme();
    SetTextColor(dc, isDefault ? theme.ColourOf(colours->text) : chosen);
    SetBkColor(dc, theme.ColourOf(colours->background));
    return reinterpret_cast<LRESULT>(theme.BrushOf(colours->background));
}

// The system's button and tab control draw themselves at once, without WM_PAINT, on
// these; the skin's look is put back straight after.
bool DrawsItselfOn(UINT message) {
    switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        return true;
    default:
        return false;
    }
}

LRESULT RepaintAfter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return result;
}

// Top-level windows, dialogs and labels: only the colours of the controls they hold.
LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    if (IsControlColourMessage(message)) {
        return ColourControl(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ContainerProc, kSubclassId);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        const PaintDc paint(window);
        PaintGroupBox(window, paint.get());
        return 0;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, GroupBoxProc, kSubclassId);
        break;
    default:
        if (IsControlColourMessage(message)) {
            return ColourControl(window, message, wParam, lParam);
        }
        if (DrawsItselfOn(message)) {
            return RepaintAfter(window, message, wParam, lParam);
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK PushButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR hot);

// The hover state rides in the subclass's reference data.
void SetHot(HWND button, bool hot) {
    if (hot) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, button, 0};
        TrackMouseEvent(&leave);
    }
    SetWindowSubclass(button, PushButtonProc, kSubclassId, hot);
    InvalidateRect(button, nullptr, FALSE);
}

LRESULT CALLBACK PushButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR hot) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        // Bitmap and icon buttons keep the system's drawing.
        if ((GetWindowLongA(window, GWL_STYLE) & (BS_BITMAP | BS_ICON)) == 0) {
            const PaintDc paint(window);
            PaintPushButton(window, paint.get(), hot != 0);
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        if (!hot) {
            SetHot(window, true);
        }
        break;
    case WM_MOUSELEAVE:
        SetHot(window, false);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, PushButtonProc, kSubclassId);
        break;
    default:
        if (DrawsItselfOn(message)) {
            return RepaintAfter(window, message, wParam, lParam);
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
    switch (message) {
    case WM_NCPAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        PaintEditFrame(window);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, EditProc, kSubclassId);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK TabProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                         DWORD_PTR) {
    switch (message) {
    case WM_ERASEBKGND:
        if (CanPaintTabs(window)) {
            return 1;
        }
        break;
    case WM_PAINT:
        if (CanPaintTabs(window)) {
            const PaintDc paint(window);
            PaintTabs(window, paint.get());
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return RepaintAfter(window, message, wParam, lParam);
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, TabProc, kSubclassId);
        break;
    default:
        if (IsControlColourMessage(message)) {
            return ColourControl(window, message, wParam, lParam);
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

constexpr SUBCLASSPROC kProcedures[] = {ContainerProc, GroupBoxProc, PushButtonProc, EditProc,
                                        TabProc};

SUBCLASSPROC ProcedureFor(HWND window, LONG style) {
    char name[64];
    if (GetClassNameA(window, name, sizeof name) == 0) {
        return nullptr;
    }
    if ((style & WS_CHILD) == 0) {
        return IsProgramClass(window) || NameIs(name, "#32770") ? ContainerProc : nullptr;
    }
    if (NameIs(name, "Static") || NameIs(name, "#32770")) {
        return ContainerProc;
    }
    if (NameIs(name, "Edit")) {
        return EditProc;
    }
    if (NameIs(name, WC_TABCONTROLA)) {
        return TabProc;
    }
    if (NameIs(name, "Button")) {
        switch (style & BS_TYPEMASK) {
        case BS_GROUPBOX:
            return GroupBoxProc;
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return PushButtonProc;
        }
    }
    return nullptr;
}

} // namespace

bool IsSkinned(HWND window) {
    DWORD_PTR data;
    for (const SUBCLASSPROC procedure : kProcedures) {
        if (GetWindowSubclass(window, procedure, kSubclassId, &data)) {
            return true;
        }
    }
    return false;
}

bool SkinWindow(HWND window, LONG style) {
    if (IsSkinned(window)) {
        return true;
    }
    if (IsProgramClass(window)) {
        UseSkinBackgroundForClass(window);
    }
    const SUBCLASSPROC procedure = ProcedureFor(window, style);
    return procedure && SetWindowSubclass(window, procedure, kSubclassId, 0);
}
