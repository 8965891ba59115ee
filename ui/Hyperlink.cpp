// Painting and opening of the hyperlink control. The mouse is captured while it is over
// the link, so that leaving is noticed without a timer.
#include "Hyperlink.h"

#include <shellapi.h>

#include "LinkCommand.h"

namespace {

constexpr char kClassName[] = "FeijianHyperlink";
constexpr int kMaxCommandBytes = 260;

// The open command of the web browser registered for ".htm" files, or empty.
Text HtmOpenCommand() {
    char fileType[kMaxCommandBytes + 1] = {};
    LONG size = sizeof fileType - 1;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", fileType, &size) != ERROR_SUCCESS) {
        return {};
    }
    const Text key = TextConcat(Text(fileType), "\\shell\\open\\command");
    char command[kMaxCommandBytes + 1] = {};
    size = kMaxCommandBytes;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), command, &size) != ERROR_SUCCESS) {
        return {};
    }
    return Text(command);
}

} // namespace

HWND Hyperlink::Create(HWND parent, int id, const RECT& bounds, DWORD style, bool sunkenBorder,
                       const Text& caption, const Text& target) {
    RegisterWindowClass(kClassName, LoadCursorA(nullptr, IDC_HAND));
    target_ = target;
    return CreateWindowHandle(sunkenBorder ? WS_EX_CLIENTEDGE : 0, kClassName, caption.c_str(),
                              style, bounds.left, bounds.top, bounds.right - bounds.left,
                              bounds.bottom - bounds.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void Hyperlink::Paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    RECT area;
    GetClientRect(Handle(), &area);
    // Button face, or whatever the window gives its labels (a skin's background).
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(Handle()), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(Handle())));
    FillRect(dc, &area, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, hover_ ? kHoverColor : opened_ ? kOpenedColor : kNormalColor);
    char caption[256];
    GetWindowTextA(Handle(), caption, sizeof caption);
    DrawTextA(dc, caption, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(Handle(), &paint);
}

void Hyperlink::SetHover(bool hover) {
    if (hover_ == hover) {
        return;
    }
    hover_ = hover;
    if (hover) {
        SetCapture(Handle());
    } else if (GetCapture() == Handle()) {
        ReleaseCapture();
    }
    InvalidateRect(Handle(), nullptr, FALSE);
}

void Hyperlink::Open() {
    const auto shell = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", target_.c_str(), nullptr, nullptr, SW_SHOW));
    bool opened = shell > 32;
    if (!opened) {
        const Text command = HtmOpenCommand();
        opened = !command.empty() &&
                 WinExec(LinkFallbackCommand(command, target_).c_str(), SW_SHOW) > 32;
    }
    if (opened && !opened_) {
        opened_ = true;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

LRESULT Hyperlink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) {
            InvalidateRect(Handle(), nullptr, FALSE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_MOUSEMOVE: {
        RECT area;
        GetClientRect(Handle(), &area);
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        SetHover(PtInRect(&area, point) != FALSE);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != Handle() && hover_) {
            hover_ = false;
            InvalidateRect(Handle(), nullptr, FALSE);
        }
        return 0;
    case WM_LBUTTONDOWN:
        Open();
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}
