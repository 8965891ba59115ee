// The skinned test window: a tab control holding group boxes, labels, edit boxes, buttons,
// a hyperlink and a stand-in for the embedded browser, as in the program's main window.
#include "SkinHost.h"

#include "skin/Gdi.h"

#include <commctrl.h>

#include <cstring>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

constexpr char kWindowClass[] = "SkinTestWindow";
constexpr char kLinkClass[] = "SkinTestLink";
constexpr char kBrowserHostClass[] = "SkinTestBrowserHost";
// The embedded browser's own window classes, registered here by another module, as the
// browser's DLLs do in the program.
constexpr char kEmbeddingClass[] = "Shell Embedding";
constexpr char kServerClass[] = "Internet Explorer_Server";

enum class Kind {
    Tab,
    Group,
    Label,
    Edit,
    MessageEdit,
    Button,
    Link,
    BrowserHost,
    Embedding,
    Server
};

enum Id : int {
    kWindow = 0,
    kTab = 100,
    kGuide,
    kGuideLabel,
    kAccountGroup,
    kAccountLabel,
    kAccountEdit,
    kMessageGroup,
    kCounter,
    kMessageEdit,
    kLink,
    kWorldButton,
    kSendButton,
    kBrowser,
    kEmbedding,
    kServer,
    kInnerButton,
    kAboutGroup,
    kAboutLabel,
    kOkButton,
    kAboutEdit,
    kAboutBrowser,
    kAboutEmbedding,
    kAboutServer,
    kAboutInnerButton,
};

struct Row {
    int id;
    Kind kind;
    int parent;
    int x, y, width, height;
    const char* text;
};

// Like the program's main window: controls of the page are children of the tab control,
// and the counter lies over the blanks of its group box's title.
constexpr Row kMainRows[] = {
    {kTab, Kind::Tab, kWindow, 0, 0, 448, 392, "免费短信\n免费电话"},
    {kGuide, Kind::Group, kTab, 8, 38, 432, 90, "使用说明："},
    {kGuideLabel, Kind::Label, kGuide, 8, 30, 300, 24, "澜舟飞笺 V1.3 使用飞信发送短信"},
    {kAccountGroup, Kind::Group, kTab, 8, 136, 214, 150, ""},
    {kAccountLabel, Kind::Label, kAccountGroup, 8, 20, 72, 24, "飞信手机号："},
    {kAccountEdit, Kind::Edit, kAccountGroup, 79, 19, 120, 24, "13800138000"},
    {kMessageGroup, Kind::Group, kTab, 226, 136, 214, 150, "短信内容(仅可以输入    个字母)"},
    {kCounter, Kind::Label, kMessageGroup, 125, -5, 19, 22, "160"},
    {kMessageEdit, Kind::MessageEdit, kMessageGroup, 6, 18, 200, 124, ""},
    {kLink, Kind::Link, kTab, 8, 300, 200, 24, "www.lanzhou.example/soft"},
    {kWorldButton, Kind::Button, kTab, 266, 300, 81, 32, "全球短信发送"},
    {kSendButton, Kind::Button, kTab, 357, 300, 81, 32, "飞信发送"},
    {kBrowser, Kind::BrowserHost, kTab, 8, 340, 250, 44, ""},
    {kEmbedding, Kind::Embedding, kBrowser, 6, 6, 238, 32, ""},
    {kServer, Kind::Server, kEmbedding, 0, 0, 238, 32, ""},
    {kInnerButton, Kind::Button, kServer, 4, 4, 80, 24, "IE"},
};

// Like the About window, which the program opens after the skin is attached.
constexpr Row kLateRows[] = {
    {kAboutGroup, Kind::Group, kWindow, 10, 10, 270, 100, "关于澜舟飞笺"},
    {kAboutLabel, Kind::Label, kAboutGroup, 10, 30, 200, 24, "澜舟飞笺 V1.3"},
    {kOkButton, Kind::Button, kWindow, 10, 120, 100, 30, "确定"},
    {kAboutEdit, Kind::Edit, kWindow, 120, 123, 150, 24, "QQ"},
    {kAboutBrowser, Kind::BrowserHost, kWindow, 10, 160, 270, 44, ""},
    {kAboutEmbedding, Kind::Embedding, kAboutBrowser, 6, 6, 258, 32, ""},
    {kAboutServer, Kind::Server, kAboutEmbedding, 0, 0, 258, 32, ""},
    {kAboutInnerButton, Kind::Button, kAboutServer, 4, 4, 80, 24, "IE"},
};

HMODULE ForeignModule() {
    return GetModuleHandleA("kernel32.dll");
}

LRESULT CALLBACK HostWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The program colours its counter itself.
    if (message == WM_CTLCOLORSTATIC && GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kCounter) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kRed);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class Painting {
public:
    explicit Painting(HWND window) : window_(window) { BeginPaint(window, &paint_); }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;
    ~Painting() { EndPaint(window_, &paint_); }
    HDC dc() const { return paint_.hdc; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// A hyperlink of the program's own class: it draws its text in its own colour and leaves
// erasing to DefWindowProc.
LRESULT CALLBACK LinkProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const Painting painting(window);
    SelectObject(painting.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(painting.dc(), TRANSPARENT);
    SetTextColor(painting.dc(), kLinkBlue);
    char text[128];
    GetWindowTextA(window, text, sizeof text);
    RECT area;
    GetClientRect(window, &area);
    DrawTextA(painting.dc(), text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    return 0;
}

// The program's own subclass of group boxes and the tab control, installed after they are
// created: what their controls tell them goes on to the window, and since they clip their
// children they fill their inside with the colour the window gives labels.
LRESULT CALLBACK ForwardToParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return SendMessageA(GetParent(window), message, wParam, lParam);
    case WM_ERASEBKGND: {
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
            GetParent(window), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(window)));
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area,
                 brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default:
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

void RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background, HMODULE module) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

HBRUSH SystemFace() {
    return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

void RegisterClasses() {
    const HMODULE self = GetModuleHandleA(nullptr);
    RegisterWindowClass(kWindowClass, HostWindowProcedure, SystemFace(), self);
    RegisterWindowClass(kLinkClass, LinkProcedure, SystemFace(), self);
    // The class owns its brush once registered.
    RegisterWindowClass(kBrowserHostClass, DefWindowProcA, CreateSolidBrush(kBrowserHostColour),
                        self);
    RegisterWindowClass(kEmbeddingClass, DefWindowProcA, SystemFace(), ForeignModule());
    RegisterWindowClass(kServerClass, DefWindowProcA, SystemFace(), ForeignModule());
}

struct ControlClass {
    const char* name;
    DWORD style;
    DWORD extendedStyle;
    HMODULE module;
};

ControlClass ClassOf(Kind kind) {
    const HMODULE self = GetModuleHandleA(nullptr);
    switch (kind) {
    case Kind::Tab:
        return {WC_TABCONTROLA, WS_CLIPCHILDREN | WS_TABSTOP, WS_EX_CONTROLPARENT, self};
    case Kind::Group:
        return {"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, self};
    case Kind::Label:
        return {"STATIC", SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX, 0, self};
    case Kind::Edit:
        return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, self};
    case Kind::MessageEdit:
        return {"EDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE, self};
    case Kind::Button:
        return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, self};
    case Kind::Link:
        return {kLinkClass, 0, 0, self};
    case Kind::BrowserHost:
        return {kBrowserHostClass, WS_CLIPCHILDREN, 0, self};
    case Kind::Embedding:
        return {kEmbeddingClass, WS_CLIPCHILDREN, 0, ForeignModule()};
    case Kind::Server:
        return {kServerClass, WS_CLIPCHILDREN, 0, ForeignModule()};
    }
    return {};
}

class HostWindow {
public:
    HostWindow(const char* title, int x, int y, int clientWidth, int clientHeight,
               std::span<const Row> rows) {
        constexpr DWORD style =
            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
        RECT frame{0, 0, clientWidth, clientHeight};
        AdjustWindowRect(&frame, style, FALSE);
        window_ = CreateWindowExA(0, kWindowClass, title, style, x, y, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        controls_[kWindow] = window_;
        for (const Row& row : rows) {
            Create(row);
        }
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    ~HostWindow() { DestroyWindow(window_); }

    HWND Handle() const { return window_; }
    HWND operator[](int id) const { return controls_.at(id); }

private:
    void Create(const Row& row) {
        const ControlClass type = ClassOf(row.kind);
        const bool isTab = row.kind == Kind::Tab;
        const HWND control = CreateWindowExA(type.extendedStyle, type.name, isTab ? "" : row.text,
                                             WS_CHILD | WS_VISIBLE | type.style, row.x, row.y,
                                             row.width, row.height, controls_.at(row.parent),
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                             type.module, nullptr);
        SendMessageA(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        if (isTab) {
            AddTabs(control, row.text);
        }
        if (isTab || row.kind == Kind::Group) {
            SetWindowSubclass(control, ForwardToParent, 0, 0);
        }
        controls_[row.id] = control;
    }

    static void AddTabs(HWND tab, const std::string& names) {
        std::size_t begin = 0;
        for (int index = 0; begin <= names.size(); ++index) {
            const std::size_t end = std::min(names.find('\n', begin), names.size());
            std::string name = names.substr(begin, end - begin);
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = name.data();
            SendMessageA(tab, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
            begin = end + 1;
        }
    }

    HWND window_ = nullptr;
    std::map<int, HWND> controls_;
};

void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

void Settle(std::initializer_list<HWND> windows) {
    for (const HWND window : windows) {
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    Pump(200);
}

struct DeleteMemoryDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteMemoryDc>;

// What a top-level window shows, frame and children included, read from the window's own
// surface.
class Snapshot {
public:
    explicit Snapshot(HWND top) {
        GetWindowRect(top, &area_);
        width_ = area_.right - area_.left;
        const int height = area_.bottom - area_.top;
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = width_;
        format.bmiHeader.biHeight = -height;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        const GdiObject<HBITMAP> bitmap(
            CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
        const MemoryDc memory(CreateCompatibleDC(nullptr));
        const WindowDc window(top);
        if (!bitmap || !memory || !window.get()) {
            return;
        }
        const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width_, height, window.get(), 0, 0, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const DWORD*>(bits);
        pixels_.assign(first, first + static_cast<std::size_t>(width_) * height);
        SelectObject(memory.get(), previous);
    }

    COLORREF At(POINT screen) const {
        if (!PtInRect(&area_, screen) || pixels_.empty()) {
            return CLR_INVALID;
        }
        const DWORD pixel = pixels_[static_cast<std::size_t>(screen.y - area_.top) * width_ +
                                    (screen.x - area_.left)];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

    std::set<COLORREF> In(const RECT& screen) const {
        std::set<COLORREF> colours;
        for (LONG y = screen.top; y < screen.bottom; ++y) {
            for (LONG x = screen.left; x < screen.right; ++x) {
                colours.insert(At({x, y}));
            }
        }
        return colours;
    }

private:
    RECT area_{};
    int width_ = 0;
    std::vector<DWORD> pixels_;
};

POINT ClientPoint(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

// The outermost pixel of a window's frame on its right, halfway down: the left edges of
// edit boxes lie under their labels, as in the program.
POINT RightEdge(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    return {area.right - 1, (area.top + area.bottom) / 2};
}

RECT ClientPart(HWND window, RECT part) {
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&part), 2);
    return part;
}

RECT ClientArea(HWND window) {
    RECT area;
    GetClientRect(window, &area);
    return ClientPart(window, area);
}

// A window procedure that differs from the one its twin has (or had before attach) means
// that someone subclassed the window.
long SameProcedures(std::initializer_list<std::pair<HWND, LONG_PTR>> windows) {
    for (const auto& [window, expected] : windows) {
        if (GetWindowLongPtrA(window, GWLP_WNDPROC) != expected) {
            return 0;
        }
    }
    return 1;
}

LONG_PTR ProcedureOf(HWND window) {
    return GetWindowLongPtrA(window, GWLP_WNDPROC);
}

void ProbeMainWindow(const HostWindow& main, Probes& probes) {
    const Snapshot shot(main.Handle());
    auto& colours = probes.colours;
    const HWND tab = main[kTab];
    colours["window"] = {shot.At(ClientPoint(main.Handle(), 460, 200))};
    colours["page"] = {shot.At(ClientPoint(tab, 350, 360))};
    colours["tab.strip"] = {shot.At(ClientPoint(tab, 440, 6))};
    RECT item;
    SendMessageA(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    colours["tab.other"] = {shot.At(ClientPoint(tab, item.left + 8, item.bottom - 3))};
    SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    colours["tab.selected.text"] = shot.In(ClientPart(tab, item));
    colours["group.frame"] = {shot.At(ClientPoint(main[kGuide], 0, 45))};
    colours["group.inside"] = {shot.At(ClientPoint(main[kGuide], 400, 60))};
    colours["group.title"] = shot.In(ClientPart(main[kGuide], {8, 0, 80, 14}));
    colours["label.text"] = shot.In(ClientArea(main[kGuideLabel]));
    colours["counter.text"] = shot.In(ClientArea(main[kCounter]));
    const HWND edit = main[kAccountEdit];
    RECT editArea;
    GetClientRect(edit, &editArea);
    colours["edit.fill"] = {shot.At(ClientPoint(edit, editArea.right - 4, editArea.bottom / 2))};
    colours["edit.border"] = {shot.At(RightEdge(edit))};
    colours["edit.text"] = shot.In(ClientArea(edit));
    colours["button.face"] = {shot.At(ClientPoint(main[kSendButton], 6, 16))};
    colours["button.border"] = {shot.At(ClientPoint(main[kWorldButton], 0, 16))};
    colours["button.text"] = shot.In(ClientArea(main[kSendButton]));
    colours["link.text"] = shot.In(ClientArea(main[kLink]));
    colours["link.back"] = {shot.At(ClientPoint(main[kLink], 2, 2))};
    colours["browser.own"] = {shot.At(ClientPoint(main[kBrowser], 2, 2))};
    colours["browser.inside"] = {shot.At(ClientPoint(main[kServer], 200, 16))};
    colours["browser.button"] = {shot.At(ClientPoint(main[kInnerButton], 6, 12))};
}

void ProbeLateWindow(const HostWindow& late, const HostWindow& main, Probes& probes) {
    const Snapshot shot(late.Handle());
    auto& colours = probes.colours;
    colours["late.window"] = {shot.At(ClientPoint(late.Handle(), 285, 60))};
    colours["late.group.title"] = shot.In(ClientPart(late[kAboutGroup], {8, 0, 100, 14}));
    colours["late.label.text"] = shot.In(ClientArea(late[kAboutLabel]));
    colours["late.button.face"] = {shot.At(ClientPoint(late[kOkButton], 6, 15))};
    colours["late.edit.border"] = {shot.At(RightEdge(late[kAboutEdit]))};
    colours["late.browser.button"] = {shot.At(ClientPoint(late[kAboutInnerButton], 6, 12))};
    probes.numbers["late.foreign.untouched"] =
        SameProcedures({{late[kAboutEmbedding], ProcedureOf(main[kEmbedding])},
                        {late[kAboutServer], ProcedureOf(main[kServer])},
                        {late[kAboutInnerButton], ProcedureOf(main[kInnerButton])}});
}

// Hover, leaving, pressing and the focus cue, on the main window's push buttons.
void ProbeButtonStates(const HostWindow& main, Probes& probes) {
    auto& colours = probes.colours;
    const HWND send = main[kSendButton];
    const POINT face = ClientPoint(send, 6, 16);
    const COLORREF resting = Snapshot(main.Handle()).At(face);

    const POINT centre = ClientPoint(send, 40, 16);
    SetCursorPos(centre.x, centre.y);
    SendMessageA(send, WM_MOUSEMOVE, 0, MAKELPARAM(40, 16));
    Pump(200);
    colours["button.hover"] = {Snapshot(main.Handle()).At(face)};

    // Far from both windows; the button hears of it through WM_MOUSELEAVE.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    COLORREF left = CLR_INVALID;
    for (int tries = 0; tries < 60 && left != resting; ++tries) {
        Pump(50);
        left = Snapshot(main.Handle()).At(face);
    }
    colours["button.left"] = {left};

    SendMessageA(send, BM_SETSTATE, TRUE, 0);
    Pump(100);
    colours["button.pressed"] = {Snapshot(main.Handle()).At(face)};
    SendMessageA(send, BM_SETSTATE, FALSE, 0);

    SetFocus(main[kWorldButton]);
    Pump(100);
    colours["button.focus"] = {Snapshot(main.Handle()).At(ClientPoint(main[kWorldButton], 0, 16))};
}

using Attach = int(WINAPI*)();

class Library {
public:
    explicit Library(const char* path) : module_(LoadLibraryA(path)) {}
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    ~Library() { Release(); }

    HMODULE get() const { return module_; }
    void Release() {
        if (module_) {
            FreeLibrary(std::exchange(module_, nullptr));
        }
    }

private:
    HMODULE module_;
};

void RecordAttach(Attach attach, const char* name, Probes& probes) {
    SetLastError(0);
    probes.numbers[std::string(name) + ".result"] = attach();
    probes.numbers[std::string(name) + ".error"] = static_cast<long>(GetLastError());
}

LONG WINAPI ExitOnCrash(EXCEPTION_POINTERS*) {
    ExitProcess(3);
}

} // namespace

int RunSkinHost(int argc, char** argv) {
    SetUnhandledExceptionFilter(ExitOnCrash);
    if (argc < 1) {
        return 2;
    }
    const char* againSkin = argc >= 3 && std::strcmp(argv[1], "--again") == 0 ? argv[2] : nullptr;
    RegisterClasses();
    Probes probes;
    const HostWindow main("澜舟飞笺 V1.3", 0, 0, 470, 400, kMainRows);
    const LONG_PTR before[] = {ProcedureOf(main[kEmbedding]), ProcedureOf(main[kServer]),
                               ProcedureOf(main[kInnerButton])};

    Library engine(argv[0]);
    const auto attach = engine.get()
                            ? reinterpret_cast<Attach>(GetProcAddress(engine.get(), "SkinH_Attach"))
                            : nullptr;
    if (!attach) {
        return 2;
    }
    RecordAttach(attach, "attach", probes);
    if (againSkin) {
        CopyFileA(againSkin, "skinh.she", FALSE);
        RecordAttach(attach, "attach.again", probes);
    }
    probes.numbers["foreign.untouched"] = SameProcedures({{main[kEmbedding], before[0]},
                                                          {main[kServer], before[1]},
                                                          {main[kInnerButton], before[2]}});

    ShowWindow(main.Handle(), SW_SHOW);
    const HostWindow late("关于", 520, 0, 290, 220, kLateRows);
    ShowWindow(late.Handle(), SW_SHOWNOACTIVATE);
    Settle({main.Handle(), late.Handle()});

    ProbeMainWindow(main, probes);
    ProbeLateWindow(late, main, probes);
    ProbeButtonStates(main, probes);
    // The program releases the engine at its end while its windows still use it.
    engine.Release();
    probes.numbers["engine.kept"] = GetModuleHandleA(argv[0]) != nullptr;
    WriteProbes(probes, kProbesFile);
    return 0;
}
