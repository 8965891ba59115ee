// Every event of the program that has a handler, in one table. No other event has one:
// a close request is never refused, and tab changes and browser events go unhandled.
#include "EventBindings.h"

#include "AboutWindowControls.h"
#include "MainWindowControls.h"
#include "ShellHandlers.h"
#include "app/EmbeddedFiles.h"
#include "send/MessageCounter.h"
#include "send/Senders.h"

namespace {

using enum WindowId;
using enum Event;

struct Binding {
    WindowId window;
    int source;
    Event event;
    void (*handler)();
};

struct CharInputBinding {
    WindowId window;
    int control;
    CharInputHandler handler;
};

constexpr Binding kBindings[] = {
    // clang-format off
    // Window  Source                         Event        Handler
    {Main,     kWindowItself,                 Created,     OnMainWindowCreated},
    {Main,     kWindowItself,                 Destroying,  OnMainWindowDestroying},
    {Main,     main_window::按钮1,            Clicked,     SendViaFetion},
    {Main,     main_window::按钮2,            Clicked,     SendInternational},
    {Main,     main_window::按钮3,            Clicked,     ShowAboutWindow},
    {Main,     main_window::托盘图标1,        LeftClick,   RestoreMainWindow},
    {Main,     main_window::托盘图标1,        RightClick,  ShowTrayMenu},
    {Main,     main_window::打开主窗口,       Chosen,      RestoreMainWindow},
    {Main,     main_window::退出,             Chosen,      ExitFromTrayMenu},
    {About,    kWindowItself,                 Destroying,  OnAboutWindowDestroying},
    // clang-format on
};

constexpr CharInputBinding kCharInputBindings[] = {
    {Main, main_window::编辑框4, OnMessageCharInput},
};

} // namespace

void RaiseEvent(WindowId window, int source, Event event) {
    for (const Binding& binding : kBindings) {
        if (binding.window == window && binding.source == source && binding.event == event) {
            binding.handler();
        }
    }
}

CharInputHandler CharInputHandlerOf(WindowId window, int control) {
    for (const CharInputBinding& binding : kCharInputBindings) {
        if (binding.window == window && binding.control == control) {
            return binding.handler;
        }
    }
    return nullptr;
}
