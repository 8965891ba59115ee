// The program's spine: OLE on the one thread, the run directory as current directory,
// the main window and its message loop, and the single way out through EndProgram.
#include "Program.h"

#include <commctrl.h>
#include <ole2.h>

#include <string>
#include <utility>
#include <vector>

#include "DllUtility.h"
#include "text/TextConvert.h"
#include "ui/MessageLoop.h"
#include "ui/WindowOps.h"

namespace {

Text runDirectory;
void (*exitCallback)() = nullptr;
std::vector<HMODULE> heldLibraries;

Text ProgramFilePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Text(path);
        }
        path.resize(path.size() * 2);
    }
}

// The path cut before its last backslash; empty when it has none.
Text DirectoryOf(const Text& path) {
    std::int32_t last = -1;
    for (std::int32_t found = TextFind(path, "\\", 1, false); found != -1;
         found = TextFind(path, "\\", found + 1, false)) {
        last = found;
    }
    return last == -1 ? Text() : TextLeft(path, last - 1);
}

} // namespace

void RunProgram() {
    OleInitialize(nullptr);
    runDirectory = DirectoryOf(ProgramFilePath());
    SetCurrentDirectoryA(runDirectory.c_str());
    CreateDllUtility();
    exitCallback = OnProgramExit;

    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!LoadWindow(MainWindow(), false)) {
        FatalError("载入启动窗口失败");
    }
    if (MainWindow().Handle()) {
        RunMessageLoop([] { return true; });
    }
    EndProgram(0);
}

void EndProgram(int code) {
    if (void (*callback)() = std::exchange(exitCallback, nullptr)) {
        callback();
    }
    for (HMODULE library : heldLibraries) {
        FreeLibrary(library);
    }
    heldLibraries.clear();
    OleUninitialize();
    ExitProcess(static_cast<UINT>(code));
}

void FatalError(const Text& message) {
    MessageBoxA(nullptr, message.c_str(), "错误", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    exitCallback = nullptr;
    EndProgram(-1);
}

void OnProgramExit() {
    DestroyDllUtility();
}

Text GetRunDirectory() {
    return runDirectory;
}

void HoldLibraryUntilEnd(HMODULE library) {
    heldLibraries.push_back(library);
}
