// The skin engine's C interface: the one entry point that the program looks up by name
// in SkinH_EL.dll and calls once from its user-interface thread.
#pragma once

#include <windows.h>

extern "C" {

// Reads the skin file "skinh.she" from the current directory, skins every window of the
// calling thread and, through a thread hook, every window the thread creates later.
//
// Returns 1 when the skin is attached. Returns 0 when nothing was installed and the
// system's look stays; GetLastError then tells why:
//   ERROR_FILE_NOT_FOUND     no skin file
//   ERROR_BAD_FORMAT         not a skin file, or a truncated or damaged one
//   ERROR_REVISION_MISMATCH  a skin file of a version this engine does not know
//   ERROR_ALREADY_INITIALIZED  another thread attached the skin first
//   other codes              the file could not be read, or GDI or the hook failed
// Once attached, later calls from the same thread change nothing and return 1; a failed
// call may be retried. The DLL stays loaded from then on, since the windows use its code.
int WINAPI SkinH_Attach();
}
