// Looks a module up by its file name among those loaded in the process.
#include "DllUtility.h"

#include <windows.h>

#include <memory>

namespace {
std::unique_ptr<DllUtility> instance;
}

bool DllUtility::UnloadModule(const Text& name) {
    const HMODULE module = GetModuleHandleA(name.c_str());
    return module && FreeLibrary(module);
}

DllUtility* TheDllUtility() {
    return instance.get();
}
void CreateDllUtility() {
    instance = std::make_unique<DllUtility>();
}
void DestroyDllUtility() {
    instance.reset();
}
