// The program's message loops: the main loop, the nested loop of a modal window and the
// pending-events pump of the web request routine all dispatch through DispatchQueued.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

// The character-input event: runs for every queued WM_CHAR to `control` before the
// control sees it. No result lets the character through, 0 swallows it, any other
// value replaces it.
using CharInputHandler = std::optional<int> (*)(int code);
void SetCharInputHandler(HWND control, CharInputHandler handler);

// Keyboard messages for windows inside `area` are offered to `translate` first (an
// embedded browser's accelerators); a true result means it used the key.
using KeyTranslator = std::function<bool(MSG&)>;
void AddKeyTranslator(HWND area, KeyTranslator translate);
void RemoveKeyTranslator(HWND area);

// Translates and dispatches one message taken from the queue, after the program's own
// handling: Esc closes the top-level window, Tab moves the focus, character input.
void DispatchQueued(MSG& message);

// Runs until WM_QUIT arrives (its code is returned; a nested loop posts it again for the
// loops outside it) or until `keepRunning` turns false.
std::optional<int> RunMessageLoop(const std::function<bool()>& keepRunning);

// Dispatches every message waiting in the queue and returns when it is empty or the next
// message is WM_QUIT, which stays queued.
void ProcessPendingWindowEvents();
