// The window operations. They report nothing: a window that is not open or a control
// that does not exist is left alone.
#include "WindowOps.h"

#include <string>

#include <algorithm>

#include "BrowserHost.h"
#include "Scoped.h"

int ShowMessage(const Text& text, int flags, const std::optional<Text>& title) {
    const Text caption = title.value_or(Text("信息："));
    const UINT style = static_cast<UINT>(flags) | ((flags & MB_SYSTEMMODAL) ? 0 : MB_TASKMODAL);
    switch (MessageBoxA(nullptr, text.c_str(), caption.c_str(), style)) {
    case IDCANCEL:
        return 1;
    case IDABORT:
        return 2;
    case IDRETRY:
        return 3;
    case IDIGNORE:
        return 4;
    case IDYES:
        return 5;
    case IDNO:
        return 6;
    default:
        return 0;
    }
}

Text GetText(HWND control) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return Text(text);
}

void SetText(HWND control, const Text& text) {
    SetWindowTextA(control, text.c_str());
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void SetVisible(FormWindow& window, bool visible) {
    if (window.Handle()) {
        ShowWindow(window.Handle(), visible ? SW_SHOW : SW_HIDE);
    }
}

void SetWindowState(FormWindow& window, int state) {
    window.state = std::clamp(state, 0, 3);
    const HWND hwnd = window.Handle();
    if (!hwnd || !IsWindowVisible(hwnd)) {
        return;
    }
    switch (window.state) {
    case 0:
        ShowWindow(hwnd, SW_SHOWNORMAL);
        break;
    case 1: {
        if (IsIconic(hwnd) || IsZoomed(hwnd)) {
            ShowWindow(hwnd, SW_RESTORE);
        }
        RECT frame;
        GetWindowRect(hwnd, &frame);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case 2:
        ShowWindow(hwnd, SW_MINIMIZE);
        break;
    default:
        ShowWindow(hwnd, SW_MAXIMIZE);
        break;
    }
}

void SetBrowserAddress(BrowserHost* browser, const Text& address) {
    if (browser) {
        browser->Navigate(address);
    }
}

bool LoadWindow(FormWindow& window, bool modal) {
    return window.Load(modal);
}

void PopUpTrayMenu(FormWindow& window, const Text& menuName) {
    const Scoped<HMENU, DestroyMenu> popup(CreatePopupMenu());
    bool under = false;
    for (const MenuRow& row : window.Definition().menu) {
        if (row.level == 0) {
            under = TextCompare(row.text, menuName) == 0;
        } else if (under && !row.hidden) {
            AppendMenuA(popup.Get(), MF_STRING, static_cast<UINT_PTR>(row.id), row.text);
        }
    }
    SetForegroundWindow(window.Handle());
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(popup.Get(), TPM_RIGHTALIGN, cursor.x - 5, cursor.y - 5, 0, window.Handle(),
                   nullptr);
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageA(window.Handle(), WM_NULL, 0, 0);
}
