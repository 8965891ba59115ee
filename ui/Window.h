// The one window base class of the program: a static window procedure that forwards
// every message to the object's HandleMessage.
#pragma once

#include <windows.h>

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }

protected:
    // Registers the class once per process, with this procedure behind it.
    static void RegisterWindowClass(const char* className, HCURSOR cursor = nullptr,
                                    HICON bigIcon = nullptr, HICON smallIcon = nullptr);
    HWND CreateWindowHandle(DWORD extendedStyle, const char* className, const char* title,
                            DWORD style, int x, int y, int width, int height, HWND parent,
                            HMENU menuOrId);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};
