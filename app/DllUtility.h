// The module utility. Of its operations the program uses only unloading a module that
// is loaded under a given file name.
#pragma once

#include "text/Text.h"

class DllUtility {
public:
    // Releases the module loaded under `name` once; false when none is, or on failure.
    bool UnloadModule(const Text& name);
};

// The one instance, from start-up until OnProgramExit; null outside that time.
DllUtility* TheDllUtility();
void CreateDllUtility();
void DestroyDllUtility();
