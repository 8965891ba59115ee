// The skinned test window: skin_tests starts itself with --host in a case directory; this
// builds a window like the program's, attaches the skin engine and records the screen.
#pragma once

#include "Probes.h"

// The test window's browser host paints its margin in a colour of its own, which the skin
// must leave alone.
constexpr COLORREF kBrowserHostColour = Hex(0x6B4E9A);

// Command line after "--host": the skin engine DLL's path, then optionally "--again" and
// a second skin file, copied over skinh.she before attach is called a second time.
// Writes probes.txt into the current directory; returns the process exit code.
int RunSkinHost(int argc, char** argv);
