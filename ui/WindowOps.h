// The window operations through which every handler reaches windows and controls:
// message boxes, texts, visibility and state, browser addresses, loading windows.
#pragma once

#include <windows.h>

#include <optional>

#include "FormWindow.h"
#include "text/Text.h"

class BrowserHost;

inline constexpr int kInformationIcon = MB_ICONINFORMATION; // 64

// A task-modal box without owner; the title defaults to "信息：". Returns the button:
// 1 Cancel, 2 Abort, 3 Retry, 4 Ignore, 5 Yes, 6 No, 0 OK and anything else.
int ShowMessage(const Text& text, int flags = 0, const std::optional<Text>& title = std::nullopt);

// An edit box's content (a password box's real characters).
Text GetText(HWND control);
// Replaces a label's caption and redraws it at once.
void SetText(HWND control, const Text& text);

void SetVisible(FormWindow& window, bool visible);
void SetWindowState(FormWindow& window, int state);
void SetBrowserAddress(BrowserHost* browser, const Text& address);
bool LoadWindow(FormWindow& window, bool modal);

// Shows the items under the menu's top-level item `menuName` as a popup at the cursor.
void PopUpTrayMenu(FormWindow& window, const Text& menuName);
