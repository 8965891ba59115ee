// Adds, re-adds and removes the icon with Shell_NotifyIconA, and maps the mouse
// messages of its callback onto the control's events.
#include "TrayIcon.h"

#include <shellapi.h>

#include "resources/ResourceIds.h"

namespace {
constexpr char kControlClass[] = "FeijianTrayIcon";
constexpr char kReceiverClass[] = "FeijianTrayReceiver";
} // namespace

class TrayIcon::Receiver : public Window {
public:
    explicit Receiver(TrayIcon& owner) : owner_(owner) {}

    HWND Create(HWND parent) {
        RegisterWindowClass(kReceiverClass);
        return CreateWindowHandle(0, kReceiverClass, "", WS_CHILD, 0, 0, 0, 0, parent, nullptr);
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kCallbackMessage) {
            return Window::HandleMessage(message, wParam, lParam);
        }
        // A double click arrives as up, double-click, up: the left-click event runs twice.
        switch (static_cast<UINT>(lParam)) {
        case WM_LBUTTONUP:
            owner_.raise_(Event::LeftClick);
            break;
        case WM_RBUTTONUP:
            owner_.raise_(Event::RightClick);
            break;
        default:
            break;
        }
        return 0;
    }

    TrayIcon& owner_;
};

TrayIcon::TrayIcon() : receiver_(std::make_unique<Receiver>(*this)) {}

TrayIcon::~TrayIcon() = default;

HWND TrayIcon::Create(HWND parent, int id, const RECT& bounds, std::function<void(Event)> raise) {
    RegisterWindowClass(kControlClass);
    raise_ = std::move(raise);
    const HWND hwnd = CreateWindowHandle(0, kControlClass, "", WS_CHILD, bounds.left, bounds.top,
                                         bounds.right - bounds.left, bounds.bottom - bounds.top,
                                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    if (!hwnd || !receiver_->Create(hwnd)) {
        return hwnd;
    }
    icon_ = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                          MAKEINTRESOURCEA(resources::kTrayIcon), IMAGE_ICON, 32,
                                          32, LR_DEFAULTCOLOR | LR_SHARED));
    Notify(NIM_ADD);
    return hwnd;
}

void TrayIcon::AddAgain() {
    Notify(NIM_ADD);
}

bool TrayIcon::Notify(DWORD action) {
    const HWND receiver = receiver_->Handle();
    if (!receiver) {
        return false;
    }
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = receiver;
    data.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(receiver));
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    return Shell_NotifyIconA(action, &data) != FALSE;
}

LRESULT TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        Notify(NIM_DELETE);
    }
    return Window::HandleMessage(message, wParam, lParam);
}
