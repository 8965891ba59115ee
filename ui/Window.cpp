// The window procedure behind every window class of the program: it finds the object
// from the window's user data, set while the window is being created.
#include "Window.h"

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Window::RegisterWindowClass(const char* className, HCURSOR cursor, HICON bigIcon,
                                 HICON smallIcon) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = cursor ? cursor : LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = bigIcon;
    windowClass.hIconSm = smallIcon;
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
}

HWND Window::CreateWindowHandle(DWORD extendedStyle, const char* className, const char* title,
                                DWORD style, int x, int y, int width, int height, HWND parent,
                                HMENU menuOrId) {
    return CreateWindowExA(extendedStyle, className, title, style, x, y, width, height, parent,
                           menuOrId, GetModuleHandleA(nullptr), this);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}
