// Start and end of the program: the run directory, the exit callback, the libraries
// held for outside entry points, and the fatal error path.
#pragma once

#include <windows.h>

#include "text/Text.h"

// Prepares the process, loads the main window and runs the message loop; never returns.
[[noreturn]] void RunProgram();

// Calls the exit callback once, releases the held libraries, ends OLE and the process.
[[noreturn]] void EndProgram(int code);

// The error box ("错误", error icon), then the end with code -1 without the callback.
[[noreturn]] void FatalError(const Text& message);

void OnProgramExit();

// The directory of the program's file, without a trailing backslash; also the current
// directory.
Text GetRunDirectory();

// Keeps a library loaded for an outside entry point until EndProgram releases it.
void HoldLibraryUntilEnd(HMODULE library);
