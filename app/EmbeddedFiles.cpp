// Writes the embedded skin engine and skin into the run directory, attaches the engine
// and opens the statistics page. No outcome is looked at except loading the engine.
#include "EmbeddedFiles.h"

#include <windows.h>

#include "DllUtility.h"
#include "Program.h"
#include "ServiceHosts.h"
#include "resources/ResourceIds.h"
#include "ui/BrowserHost.h"
#include "ui/MainWindowControls.h"
#include "ui/Scoped.h"
#include "ui/WindowOps.h"

namespace {

using File = Scoped<HANDLE, CloseHandle>;

File CreateNewFile(const Text& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    return File(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

void WriteEmbeddedFile(int resource, const char* suffix) {
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(resource), RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const File file = CreateNewFile(TextConcat(GetRunDirectory(), suffix));
    if (!bytes || !file) {
        return;
    }
    DWORD written = 0;
    WriteFile(file.Get(), bytes, SizeofResource(nullptr, found), &written, nullptr);
}

void HideFile(const char* suffix) {
    SetFileAttributesA(TextConcat(GetRunDirectory(), suffix).c_str(), FILE_ATTRIBUTE_HIDDEN);
}

// Loads the engine on the first call only; a missing library or entry point is fatal.
int SkinH_Attach() {
    using Entry = int(WINAPI*)();
    static Entry entry = nullptr;
    if (!entry) {
        HMODULE library = LoadLibraryA(TextConcat(GetRunDirectory(), "\\", "pfdel.dll").c_str());
        if (!library) {
            library = LoadLibraryA("pfdel.dll");
        }
        entry = library ? reinterpret_cast<Entry>(
                              reinterpret_cast<void*>(GetProcAddress(library, "SkinH_Attach")))
                        : nullptr;
        if (!entry) {
            if (library) {
                FreeLibrary(library);
            }
            FatalError("无法调用外部库“pfdel.dll”中的命令“SkinH_Attach”，程序无法运行。");
        }
        HoldLibraryUntilEnd(library);
    }
    return entry();
}

} // namespace

void OnMainWindowCreated() {
    WriteEmbeddedFile(resources::kSkinEngineFile, "\\pfdel.dll");
    WriteEmbeddedFile(resources::kSkinFile, "\\skinh.she");
    HideFile("\\pfdel.dll");
    HideFile("\\skinh.she");
    SkinH_Attach();
    SetBrowserAddress(MainWindow().Browser(main_window::超文本浏览框1),
                      TextConcat("http://", kMakerHost, "/soft/message/message_tj.html"));
}

void RemoveEmbeddedFiles() {
    TheDllUtility()->UnloadModule("SkinH_EL.dll");
    DeleteFileA("pfdel.dll");
    DeleteFileA("skinh.she");
}

void OnMainWindowDestroying() {
    RemoveEmbeddedFiles();
}

void ExitFromTrayMenu() {
    RemoveEmbeddedFiles();
    EndProgram(0);
}
