// The test driver: runs in the program's Wine prefix and drives the program from outside
// as a user or a screen reader would. Commands come one per line on stdin, answers go
// one per line to stdout ("ok ..." or "err ..."); texts travel as hex of their GBK bytes.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

PROCESS_INFORMATION program{};

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

std::string Unhex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

std::string WindowText(HWND hwnd) {
    char text[4096] = {};
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool BelongsToProgram(HWND hwnd) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    return program.dwProcessId != 0 && process == program.dwProcessId;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> ProgramTopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    std::erase_if(windows, [](HWND hwnd) { return !BelongsToProgram(hwnd); });
    return windows;
}

std::vector<HWND> Descendants(HWND top) {
    std::vector<HWND> children;
    EnumChildWindows(top, CollectWindow, reinterpret_cast<LPARAM>(&children));
    return children;
}

// A top-level window's title as the system keeps it: no message to a program that may
// be busy.
std::string Title(HWND hwnd) {
    char title[512] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    return title;
}

// "main" is found by its title, "about" by its class, "box" is the program's message box.
HWND FindProgramWindow(const std::string& which) {
    static const std::string kMainTitle = "澜舟飞笺 V1.3";
    for (HWND hwnd : ProgramTopLevelWindows()) {
        const std::string windowClass = ClassOf(hwnd);
        if ((which == "main" && Title(hwnd) == kMainTitle && windowClass != "#32770") ||
            (which == "about" && windowClass == "FeijianAboutWindow") ||
            (which == "box" && windowClass == "#32770" && IsWindowVisible(hwnd)) ||
            (which == "menu" && windowClass == "#32768" && IsWindowVisible(hwnd))) {
            return hwnd;
        }
    }
    return nullptr;
}

HWND FindControl(const std::string& which, int id) {
    const HWND top = FindProgramWindow(which);
    if (!top) {
        return nullptr;
    }
    for (HWND hwnd : Descendants(top)) {
        if (GetDlgCtrlID(hwnd) == id && GetAncestor(hwnd, GA_ROOT) == top) {
            // Controls of ours, not the windows inside a browser that reuse small ids.
            const HWND parent = GetParent(hwnd);
            if (parent == top || ClassOf(parent) != "FeijianBrowserHost") {
                return hwnd;
            }
        }
    }
    return nullptr;
}

HWND WaitFor(const std::function<HWND()>& find, int milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (const HWND hwnd = find()) {
            return hwnd;
        }
        if (static_cast<int>(GetTickCount() - start) >= milliseconds) {
            return nullptr;
        }
        Sleep(20);
    }
}

std::string RectText(const RECT& rect) {
    std::ostringstream out;
    out << rect.left << ' ' << rect.top << ' ' << rect.right - rect.left << ' '
        << rect.bottom - rect.top;
    return out.str();
}

std::string Describe(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    POINT client{0, 0};
    ClientToScreen(hwnd, &client);
    std::ostringstream out;
    out << reinterpret_cast<UINT_PTR>(hwnd) << ' ' << ClassOf(hwnd) << ' ' << RectText(rect) << ' '
        << client.x << ' ' << client.y << ' ' << (IsWindowVisible(hwnd) ? 1 : 0) << ' '
        << (IsWindowEnabled(hwnd) ? 1 : 0) << ' ' << (IsIconic(hwnd) ? 1 : 0) << ' '
        << GetWindowLongA(hwnd, GWL_STYLE) << ' ' << GetWindowLongA(hwnd, GWL_EXSTYLE) << ' '
        << GetDlgCtrlID(hwnd) << ' ' << Hex(WindowText(hwnd));
    return out.str();
}

void SendMouse(DWORD flags, int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

HWND FindDescendant(const std::string& className) {
    for (HWND top : ProgramTopLevelWindows()) {
        for (HWND hwnd : Descendants(top)) {
            if (ClassOf(hwnd) == className) {
                return hwnd;
            }
        }
    }
    return nullptr;
}

using Arguments = std::vector<std::string>;
using Command = std::function<std::string(const Arguments&)>;

std::string Ok(const std::string& rest = "") {
    return rest.empty() ? "ok" : "ok " + rest;
}

HWND RequireControl(const Arguments& args) {
    const HWND hwnd = FindControl(args.at(0), std::stoi(args.at(1)));
    if (!hwnd) {
        throw std::runtime_error("no control " + args.at(0) + " " + args.at(1));
    }
    return hwnd;
}

HWND RequireWindow(const std::string& which) {
    const HWND hwnd = FindProgramWindow(which);
    if (!hwnd) {
        throw std::runtime_error("no window " + which);
    }
    return hwnd;
}

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        // launch <exe> <directory>: starts the program with that working directory.
        {"launch",
         [](const Arguments& args) {
             if (program.hProcess) {
                 CloseHandle(program.hProcess);
                 CloseHandle(program.hThread);
             }
             program = {};
             STARTUPINFOA startup{};
             startup.cb = sizeof startup;
             std::string commandLine = "\"" + Unhex(args.at(0)) + "\"";
             if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 Unhex(args.at(1)).c_str(), &startup, &program)) {
                 throw std::runtime_error("CreateProcess failed " + std::to_string(GetLastError()));
             }
             return Ok(std::to_string(program.dwProcessId));
         }},
        // wait <main|about|box|menu> <ms>: the window's description once it is shown.
        {"wait",
         [](const Arguments& args) {
             const std::string which = args.at(0);
             const HWND hwnd = WaitFor(
                 [&] {
                     const HWND found = FindProgramWindow(which);
                     return found && IsWindowVisible(found) ? found : nullptr;
                 },
                 std::stoi(args.at(1)));
             return hwnd ? Ok(Describe(hwnd)) : "err timeout";
         }},
        {"gone",
         [](const Arguments& args) {
             const std::string which = args.at(0);
             const DWORD start = GetTickCount();
             while (FindProgramWindow(which)) {
                 if (static_cast<int>(GetTickCount() - start) >= std::stoi(args.at(1))) {
                     return std::string("err timeout");
                 }
                 Sleep(20);
             }
             return Ok();
         }},
        {"window",
         [](const Arguments& args) {
             return Ok(Describe(RequireWindow(args.at(0))));
         }},
        {"control",
         [](const Arguments& args) {
             return Ok(Describe(RequireControl(args)));
         }},
        // controls <window>: every descendant window, ";"-separated descriptions.
        {"controls",
         [](const Arguments& args) {
             std::string all;
             for (HWND hwnd : Descendants(RequireWindow(args.at(0)))) {
                 all += Describe(hwnd) + ";";
             }
             return Ok(all);
         }},
        {"set-text",
         [](const Arguments& args) {
             const std::string text = Unhex(args.size() > 2 ? args.at(2) : "");
             const HWND control = RequireControl(args);
             SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
             if (ClassOf(control) == "Edit") {
                 SendMessageA(control, EM_SETSEL, text.size(), text.size());
             }
             return Ok();
         }},
        {"get-text",
         [](const Arguments& args) {
             return Ok(Hex(WindowText(RequireControl(args))));
         }},
        {"click",
         [](const Arguments& args) {
             PostMessageA(RequireControl(args), BM_CLICK, 0, 0);
             return Ok();
         }},
        {"char",
         [](const Arguments& args) {
             PostMessageA(RequireControl(args), WM_CHAR, std::stoi(args.at(2)), 1);
             return Ok();
         }},
        // key <window> <id|0> <vk>: a key press posted to a control or to the window.
        {"key",
         [](const Arguments& args) {
             const HWND target =
                 args.at(1) == "0" ? RequireWindow(args.at(0)) : RequireControl(args);
             const int key = std::stoi(args.at(2));
             PostMessageA(target, WM_KEYDOWN, key, 1);
             PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
             return Ok();
         }},
        {"focus",
         [](const Arguments&) {
             GUITHREADINFO info{};
             info.cbSize = sizeof info;
             GetGUIThreadInfo(program.dwThreadId, &info);
             return Ok(std::to_string(info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0) + " " +
                       ClassOf(info.hwndFocus));
         }},
        {"post",
         [](const Arguments& args) {
             PostMessageA(RequireWindow(args.at(0)), std::stoul(args.at(1)), std::stoul(args.at(2)),
                          std::stol(args.at(3)));
             return Ok();
         }},
        {"close",
         [](const Arguments& args) {
             PostMessageA(RequireWindow(args.at(0)), WM_CLOSE, 0, 0);
             return Ok();
         }},
        // box <ms>: title, text and whether the box shows an icon.
        {"box",
         [](const Arguments& args) {
             const HWND box =
                 WaitFor([] { return FindProgramWindow("box"); }, std::stoi(args.at(0)));
             if (!box) {
                 return std::string("err timeout");
             }
             bool icon = false;
             for (HWND child : Descendants(box)) {
                 const LONG style = GetWindowLongA(child, GWL_STYLE);
                 icon = icon || (ClassOf(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON &&
                                 IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0));
             }
             return Ok(Hex(WindowText(box)) + " " + Hex(WindowText(GetDlgItem(box, 0xFFFF))) + " " +
                       (icon ? "1" : "0"));
         }},
        // dismiss: OK on the message box, then waits until that box has gone.
        {"dismiss",
         [](const Arguments&) {
             const HWND box = RequireWindow("box");
             PostMessageA(box, WM_COMMAND, IDOK, 0);
             const DWORD start = GetTickCount();
             while (IsWindow(box)) {
                 if (GetTickCount() - start > 5000) {
                     return std::string("err box stays");
                 }
                 Sleep(20);
             }
             return Ok();
         }},
        // exit <ms>: the program's exit code once it has ended.
        {"exit",
         [](const Arguments& args) {
             if (WaitForSingleObject(program.hProcess, std::stoi(args.at(0))) != WAIT_OBJECT_0) {
                 return std::string("err timeout");
             }
             DWORD code = 0;
             GetExitCodeProcess(program.hProcess, &code);
             return Ok(std::to_string(static_cast<int>(code)));
         }},
        {"kill",
         [](const Arguments&) {
             if (program.hProcess) {
                 TerminateProcess(program.hProcess, 99);
                 WaitForSingleObject(program.hProcess, 5000);
             }
             return Ok();
         }},
        {"pixel",
         [](const Arguments& args) {
             const HDC screen = GetDC(nullptr);
             const COLORREF colour = GetPixel(screen, std::stoi(args.at(0)), std::stoi(args.at(1)));
             ReleaseDC(nullptr, screen);
             char text[8];
             std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                           GetBValue(colour));
             return Ok(text);
         }},
        // mouse <move|down|up|click|right> <x> <y>: real input at screen coordinates.
        {"mouse",
         [](const Arguments& args) {
             const int x = std::stoi(args.at(1));
             const int y = std::stoi(args.at(2));
             const std::string action = args.at(0);
             // Pauses between the events, as a hand gives them: Wine's caption buttons
             // track the press in a loop of their own.
             SendMouse(MOUSEEVENTF_MOVE, x, y);
             Sleep(50);
             if (action == "down" || action == "click") {
                 SendMouse(MOUSEEVENTF_LEFTDOWN, x, y);
                 Sleep(100);
             }
             if (action == "up" || action == "click") {
                 SendMouse(MOUSEEVENTF_LEFTUP, x, y);
             }
             if (action == "right") {
                 SendMouse(MOUSEEVENTF_RIGHTDOWN, x, y);
                 Sleep(100);
                 SendMouse(MOUSEEVENTF_RIGHTUP, x, y);
             }
             return Ok();
         }},
        {"cursor",
         [](const Arguments& args) {
             SetCursorPos(std::stoi(args.at(0)), std::stoi(args.at(1)));
             return Ok();
         }},
        {"foreground",
         [](const Arguments&) {
             const HWND hwnd = GetForegroundWindow();
             return Ok(ClassOf(hwnd) + " " + Hex(WindowText(hwnd)));
         }},
        {"screen",
         [](const Arguments&) {
             return Ok(std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " +
                       std::to_string(GetSystemMetrics(SM_CYSCREEN)));
         }},
        {"find-class",
         [](const Arguments& args) {
             std::string found;
             for (HWND top : ProgramTopLevelWindows()) {
                 for (HWND hwnd : Descendants(top)) {
                     if (ClassOf(hwnd) == args.at(0)) {
                         found += Describe(hwnd) + ";";
                     }
                 }
             }
             return Ok(found);
         }},
        // post-tray <mouse message>: what the shell posts when the mouse acts on the icon.
        {"post-tray",
         [](const Arguments& args) {
             const HWND receiver = FindDescendant("FeijianTrayReceiver");
             if (!receiver) {
                 throw std::runtime_error("no tray receiver");
             }
             PostMessageA(receiver, WM_APP + 100, 0, std::stol(args.at(0)));
             return Ok();
         }},
        // tray-icons: how many icons Wine's stand-alone notification area shows.
        {"tray-icons",
         [](const Arguments&) {
             int icons = 0;
             if (const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr)) {
                 for (HWND hwnd : Descendants(tray)) {
                     icons += ClassOf(hwnd) == "__winex11_tray_icon" && IsWindowVisible(hwnd);
                 }
             }
             return Ok(std::to_string(icons));
         }},
        {"attributes",
         [](const Arguments& args) {
             const DWORD attributes = GetFileAttributesA(Unhex(args.at(0)).c_str());
             return Ok(attributes == INVALID_FILE_ATTRIBUTES ? "missing"
                                                             : std::to_string(attributes));
         }},
        // create-file <path>: whether a new file can be made there (it is removed again).
        {"create-file",
         [](const Arguments& args) {
             const std::string path = Unhex(args.at(0));
             const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr);
             if (file == INVALID_HANDLE_VALUE) {
                 return Ok("0");
             }
             CloseHandle(file);
             DeleteFileA(path.c_str());
             return Ok("1");
         }},
        {"sleep",
         [](const Arguments& args) {
             Sleep(std::stoi(args.at(0)));
             return Ok();
         }},
    };
    return commands;
}

} // namespace

// Run as "driver --record <file> <arguments...>" the driver stands in for a web browser
// or URL handler: it appends its arguments, one line per start, to the file.
int RecordArguments(int argc, char** argv) {
    if (FILE* record = std::fopen(argv[2], "ab")) {
        for (int i = 3; i < argc; ++i) {
            std::fprintf(record, i == 3 ? "%s" : " %s", argv[i]);
        }
        std::fprintf(record, "\n");
        std::fclose(record);
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--record") {
        return RecordArguments(argc, argv);
    }
    char line[65536];
    while (std::fgets(line, sizeof line, stdin)) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        Arguments args;
        for (std::string word; words >> word;) {
            args.push_back(word);
        }
        std::string answer;
        try {
            const auto command = Commands().find(name);
            answer =
                command == Commands().end() ? "err unknown command " + name : command->second(args);
        } catch (const std::exception& error) {
            answer = std::string("err ") + error.what();
        }
        std::printf("%s\n", answer.c_str());
        std::fflush(stdout);
    }
    return 0;
}
