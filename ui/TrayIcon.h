// The notification-area icon: a hidden control whose hidden child window receives the
// shell's callback messages and turns the mouse releases into click events.
#pragma once

#include <functional>
#include <memory>

#include "EventBindings.h"
#include "Window.h"

class TrayIcon : public Window {
public:
    static constexpr UINT kCallbackMessage = WM_APP + 100;

    TrayIcon();
    ~TrayIcon() override;

    HWND Create(HWND parent, int id, const RECT& bounds, std::function<void(Event)> raise);
    // Adds the icon again, after the shell's taskbar was created anew.
    void AddAgain();

private:
    class Receiver;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool Notify(DWORD action);

    std::unique_ptr<Receiver> receiver_;
    std::function<void(Event)> raise_;
    HICON icon_ = nullptr;
};
