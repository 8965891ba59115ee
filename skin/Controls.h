// Which windows the skin takes over, and how: one subclass procedure per control kind,
// installed on the existing windows at attach and on new ones as they are created.
#pragma once

#include <windows.h>

// Skins one window of the calling thread, given its style. Returns true when the window
// is skinned, so that its children may be skinned too: a window of a class the skin does
// not know is left alone (a program class only has its background brush set) and so is
// everything below it.
bool SkinWindow(HWND window, LONG style);

// Whether SkinWindow has taken this window over.
bool IsSkinned(HWND window);
