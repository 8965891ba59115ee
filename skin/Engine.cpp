// SkinH_Attach: reads the skin, takes over the calling thread's windows and watches the
// thread for new ones. Holds the engine's state: the theme and the hook.
#include "SkinEngine.h"

#include <optional>
#include <utility>

#include "Controls.h"
#include "SkinFile.h"
#include "Theme.h"

namespace {

class WindowsHook {
public:
    WindowsHook() = default;
    explicit WindowsHook(HHOOK hook) : hook_(hook) {}
    WindowsHook(const WindowsHook&) = delete;
    WindowsHook& operator=(const WindowsHook&) = delete;
    WindowsHook& operator=(WindowsHook&& other) noexcept {
        std::swap(hook_, other.hook_);
        return *this;
    }
    ~WindowsHook() {
        if (hook_) {
            UnhookWindowsHookEx(hook_);
        }
    }

    explicit operator bool() const { return hook_ != nullptr; }

private:
    HHOOK hook_ = nullptr;
};

constexpr char kSkinFileName[] = "skinh.she";

std::optional<Theme> activeTheme;
WindowsHook creationHook;
DWORD attachedThread = 0;

// Runs inside CreateWindowEx, before the new window sees its first message, so a
// skinned window never shows the system's look.
LRESULT CALLBACK WatchWindowCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA& creation = *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        const auto style = static_cast<LONG>(creation.style);
        if ((style & WS_CHILD) == 0 || IsSkinned(creation.hwndParent)) {
            SkinWindow(reinterpret_cast<HWND>(wParam), style);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void SkinTree(HWND window) {
    if (!SkinWindow(window, GetWindowLongA(window, GWL_STYLE))) {
        return;
    }
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SkinTree(child);
    }
}

BOOL CALLBACK SkinTopLevelWindow(HWND window, LPARAM) {
    SkinTree(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

// The subclassed windows call into this DLL until they are gone, which may be after the
// program has released its handle to the DLL.
void KeepLoaded() {
    HMODULE self;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&WatchWindowCreation), &self);
}

} // namespace

const Theme& ActiveTheme() {
    return *activeTheme;
}

int WINAPI SkinH_Attach() {
    const DWORD thread = GetCurrentThreadId();
    if (attachedThread != 0) {
        return attachedThread == thread ? 1 : Fail(ERROR_ALREADY_INITIALIZED);
    }
    Skin skin;
    if (const DWORD error = ReadSkinFile(kSkinFileName, skin); error != ERROR_SUCCESS) {
        return Fail(error);
    }
    activeTheme.emplace(skin);
    if (!activeTheme->IsComplete()) {
        activeTheme.reset();
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    creationHook = WindowsHook(SetWindowsHookExA(WH_CBT, WatchWindowCreation, nullptr, thread));
    if (!creationHook) {
        const DWORD error = GetLastError();
        activeTheme.reset();
        return Fail(error);
    }
    attachedThread = thread;
    KeepLoaded();
    EnumThreadWindows(thread, SkinTopLevelWindow, 0);
    return 1;
}
