// Message dispatching shared by every loop of the program, with the keyboard handling
// that a dialog manager would otherwise give: Esc closes, Tab moves the focus.
#include "MessageLoop.h"

#include <map>

namespace {

std::map<HWND, CharInputHandler>& CharInputHandlers() {
    static std::map<HWND, CharInputHandler> handlers;
    return handlers;
}

std::map<HWND, KeyTranslator>& KeyTranslators() {
    static std::map<HWND, KeyTranslator> translators;
    return translators;
}

bool OfferToKeyTranslator(MSG& message) {
    for (auto& [area, translate] : KeyTranslators()) {
        if ((message.hwnd == area || IsChild(area, message.hwnd)) && translate(message)) {
            return true;
        }
    }
    return false;
}

bool IsModifierDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// Esc and Tab, which no control of the program claims. Returns true when used.
bool HandleDialogKeys(const MSG& message) {
    if (message.message != WM_KEYDOWN || !message.hwnd) {
        return false;
    }
    const HWND top = GetAncestor(message.hwnd, GA_ROOT);
    if (message.wParam == VK_ESCAPE) {
        SendMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    if (message.wParam == VK_TAB && !IsModifierDown(VK_CONTROL) && !IsModifierDown(VK_MENU)) {
        const HWND next = GetNextDlgTabItem(top, GetFocus(), IsModifierDown(VK_SHIFT));
        if (next) {
            SetFocus(next);
        }
        return true;
    }
    return false;
}

} // namespace

void SetCharInputHandler(HWND control, CharInputHandler handler) {
    if (handler) {
        CharInputHandlers()[control] = handler;
    } else {
        CharInputHandlers().erase(control);
    }
}

void AddKeyTranslator(HWND area, KeyTranslator translate) {
    KeyTranslators()[area] = std::move(translate);
}

void RemoveKeyTranslator(HWND area) {
    KeyTranslators().erase(area);
}

void DispatchQueued(MSG& message) {
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
        if (OfferToKeyTranslator(message) || HandleDialogKeys(message)) {
            return;
        }
    }
    if (message.message == WM_CHAR) {
        const auto handler = CharInputHandlers().find(message.hwnd);
        if (handler != CharInputHandlers().end()) {
            const std::optional<int> result = handler->second(static_cast<int>(message.wParam));
            if (result == 0) {
                return;
            }
            if (result) {
                message.wParam = static_cast<WPARAM>(*result);
            }
        }
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

std::optional<int> RunMessageLoop(const std::function<bool()>& keepRunning) {
    MSG message;
    while (keepRunning()) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            return static_cast<int>(message.wParam);
        }
        DispatchQueued(message);
    }
    return std::nullopt;
}

void ProcessPendingWindowEvents() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchQueued(message);
        }
    }
}
