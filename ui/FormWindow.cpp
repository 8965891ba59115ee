// Builds a window from its table and runs it: controls are real child windows of their
// containers, so whatever lies outside a group box or tab control is clipped away.
#include "FormWindow.h"

#include <commctrl.h>

#include <string>

#include "Addresses.h"
#include "BrowserHost.h"
#include "EventBindings.h"
#include "Hyperlink.h"
#include "TrayIcon.h"
#include "resources/ResourceIds.h"

namespace {

// Group boxes and the tab control own controls; what those controls tell their parent
// goes on to the window, whose handlers answer it.
LRESULT CALLBACK ContainerProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
        return SendMessageA(GetParent(hwnd), message, wParam, lParam);
    case WM_ERASEBKGND: {
        // A group box leaves its inside to whatever lies under it, but as a container it
        // clips its children and the window no longer paints there: paint it with the
        // colour the window gives its labels.
        const auto dc = reinterpret_cast<HDC>(wParam);
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
            GetParent(hwnd), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(hwnd)));
        RECT area;
        GetClientRect(hwnd, &area);
        FillRect(dc, &area, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default:
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

void MakeContainer(HWND hwnd) {
    SetWindowSubclass(hwnd, ContainerProcedure, 0, 0);
}

int liveWindows = 0; // the program ends when none is left

POINT CentredOnScreen(int width, int height) {
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

HICON ProgramIcon(int size) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                         MAKEINTRESOURCEA(resources::kProgramIcon), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

const char* ClassNameOf(WindowId id) {
    return id == WindowId::Main ? "FeijianMainWindow" : "FeijianAboutWindow";
}

HWND CreateStandardControl(const ControlRow& row, HWND parent, DWORD style) {
    const char* className = "STATIC";
    DWORD extendedStyle = 0;
    switch (row.kind) {
    case ControlKind::TabControl:
        className = WC_TABCONTROLA;
        style |= WS_CLIPCHILDREN | WS_TABSTOP;
        extendedStyle = WS_EX_CONTROLPARENT;
        break;
    case ControlKind::GroupBox:
        className = "BUTTON";
        style |= BS_GROUPBOX | WS_CLIPCHILDREN;
        extendedStyle = WS_EX_CONTROLPARENT;
        break;
    case ControlKind::Label:
        style |= SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX;
        break;
    case ControlKind::EditBox:
        className = "EDIT";
        extendedStyle = WS_EX_CLIENTEDGE;
        style |= WS_TABSTOP;
        style |= (row.settings & kMessageText) ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL
                                               : ES_AUTOHSCROLL;
        style |= (row.settings & kPassword) ? ES_PASSWORD : 0;
        style |= (row.settings & kCenteredText) ? ES_CENTER : ES_LEFT;
        break;
    case ControlKind::Button:
        className = "BUTTON";
        style |= BS_PUSHBUTTON | WS_TABSTOP;
        break;
    default:
        break;
    }
    const HWND hwnd = CreateWindowExA(
        extendedStyle, className, row.kind == ControlKind::TabControl ? "" : row.text, style, row.x,
        row.y, row.width, row.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
        GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) {
        return nullptr;
    }
    if (row.kind == ControlKind::TabControl) {
        const std::string names = row.text;
        std::size_t begin = 0;
        for (int index = 0; begin <= names.size(); ++index) {
            const std::size_t end = std::min(names.find('\n', begin), names.size());
            std::string name = names.substr(begin, end - begin);
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = name.data();
            SendMessageA(hwnd, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
            begin = end + 1;
        }
    }
    if (row.kind == ControlKind::TabControl || row.kind == ControlKind::GroupBox) {
        MakeContainer(hwnd);
    }
    if (row.kind == ControlKind::EditBox) {
        // The message box holds 160 bytes; the others have no limit of their own.
        SendMessageA(hwnd, EM_SETLIMITTEXT, (row.settings & kMessageText) ? 160 : 0, 0);
    }
    return hwnd;
}

} // namespace

FormWindow::FormWindow(const WindowDefinition& definition) : definition_(definition) {}

FormWindow::~FormWindow() = default;

HWND FormWindow::Control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

BrowserHost* FormWindow::Browser(int id) const {
    const auto found = browsers_.find(id);
    return found == browsers_.end() ? nullptr : found->second;
}

bool FormWindow::Load(bool modal) {
    if (Handle()) {
        if (IsIconic(Handle())) {
            ShowWindow(Handle(), SW_RESTORE);
        } else {
            SetForegroundWindow(Handle());
        }
        return true;
    }
    if (!CreateFrame()) {
        return false;
    }
    CreateControls();
    RaiseEvent(definition_.id, kWindowItself, Event::Created);
    if (!Handle()) {
        return true; // loaded, and closed again by its created handler
    }
    static constexpr int kShowCommands[] = {SW_SHOWNORMAL, SW_SHOWNORMAL, SW_SHOWMINIMIZED,
                                            SW_SHOWMAXIMIZED};
    ShowWindow(Handle(), kShowCommands[state]);
    SetForegroundWindow(Handle());
    if (!modal) {
        return true;
    }
    for (FormWindow* other : {&MainWindow(), &AboutWindow()}) {
        if (other != this && other->Handle()) {
            disabledWhileModal_.emplace_back(other->Handle(), IsWindowEnabled(other->Handle()));
            EnableWindow(other->Handle(), FALSE);
        }
    }
    const std::optional<int> quit = RunMessageLoop([this] { return Handle() != nullptr; });
    if (quit) {
        PostQuitMessage(*quit);
    }
    return true;
}

bool FormWindow::CreateFrame() {
    RegisterWindowClass(ClassNameOf(definition_.id), nullptr,
                        ProgramIcon(GetSystemMetrics(SM_CXICON)),
                        ProgramIcon(GetSystemMetrics(SM_CXSMICON)));
    const POINT place = CentredOnScreen(definition_.width, definition_.height);
    if (!CreateWindowHandle(WS_EX_APPWINDOW, ClassNameOf(definition_.id), definition_.title,
                            definition_.style | WS_CLIPCHILDREN, place.x, place.y,
                            definition_.width, definition_.height, nullptr, nullptr)) {
        return false;
    }
    ++liveWindows;
    return true;
}

void FormWindow::CreateControls() {
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    std::vector<HWND> liesOver;
    for (const ControlRow& row : definition_.controls) {
        const HWND parent = row.parent.id == 0 ? Handle() : Control(row.parent.id);
        const bool shown = !(row.settings & kNeverShown) && row.parent.page <= 1;
        const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (shown ? WS_VISIBLE : 0);
        const RECT bounds{row.x, row.y, row.x + row.width, row.y + row.height};
        HWND hwnd = nullptr;
        switch (row.kind) {
        case ControlKind::Browser: {
            auto browser = std::make_unique<BrowserHost>();
            hwnd = browser->Create(parent, row.id, bounds, style | WS_TABSTOP);
            if (hwnd && row.address != Address::None) {
                browser->Navigate(AddressText(row.address));
            }
            browsers_[row.id] = browser.get();
            controlObjects_.push_back(std::move(browser));
            break;
        }
        case ControlKind::Hyperlink: {
            auto link = std::make_unique<Hyperlink>();
            hwnd = link->Create(parent, row.id, bounds, style, row.settings & kSunkenBorder,
                                AddressText(row.address), LinkTarget(row.address));
            controlObjects_.push_back(std::move(link));
            break;
        }
        case ControlKind::TrayIcon: {
            auto tray = std::make_unique<TrayIcon>();
            const WindowId window = definition_.id;
            hwnd = tray->Create(parent, row.id, bounds, [window, id = row.id](Event event) {
                RaiseEvent(window, id, event);
            });
            trayIcons_.push_back(tray.get());
            controlObjects_.push_back(std::move(tray));
            break;
        }
        default:
            hwnd = CreateStandardControl(row, parent, style);
            break;
        }
        if (!hwnd) {
            continue;
        }
        controls_[row.id] = hwnd;
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        // Earlier rows lie above later ones, which also gives Tab the table's order;
        // rows marked as lying over their siblings go on top.
        SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (row.settings & kLiesOver) {
            liesOver.push_back(hwnd);
        }
        if (CharInputHandler handler = CharInputHandlerOf(definition_.id, row.id)) {
            SetCharInputHandler(hwnd, handler);
        }
    }
    for (HWND hwnd : liesOver) {
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void FormWindow::SelectPage(int page) {
    for (const ControlRow& row : definition_.controls) {
        if (row.parent.page == 0) {
            continue;
        }
        const bool shown = row.parent.page == page && !(row.settings & kNeverShown);
        ShowWindow(Control(row.id), shown ? SW_SHOW : SW_HIDE);
    }
}

const ControlRow* FormWindow::RowOf(HWND control) const {
    const int id = GetDlgCtrlID(control);
    for (const ControlRow& row : definition_.controls) {
        if (row.id == id && Control(id) == control) {
            return &row;
        }
    }
    return nullptr;
}

void FormWindow::Close() {
    // The windows disabled for a modal one are enabled before it goes, so that the
    // handlers of its end find them usable.
    for (const auto& [hwnd, enabled] : disabledWhileModal_) {
        if (IsWindow(hwnd)) {
            EnableWindow(hwnd, enabled);
        }
    }
    disabledWhileModal_.clear();
    DestroyWindow(Handle());
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    static const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    if (message == taskbarCreated && taskbarCreated != 0) {
        for (TrayIcon* tray : trayIcons_) {
            tray->AddAgain();
        }
        return 0;
    }
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0) {
            RaiseEvent(definition_.id, LOWORD(wParam), Event::Chosen);
        } else if (HIWORD(wParam) == BN_CLICKED && RowOf(reinterpret_cast<HWND>(lParam))) {
            RaiseEvent(definition_.id, LOWORD(wParam), Event::Clicked);
        }
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TCN_SELCHANGE) {
            SelectPage(static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)) + 1);
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        const ControlRow* row = RowOf(reinterpret_cast<HWND>(lParam));
        if (row && row->textColor != kDefaultColor) {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, row->textColor);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    }
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DESTROY:
        RaiseEvent(definition_.id, kWindowItself, Event::Destroying);
        return 0;
    case WM_NCDESTROY: {
        for (const auto& [id, hwnd] : controls_) {
            SetCharInputHandler(hwnd, nullptr);
        }
        controls_.clear();
        browsers_.clear();
        trayIcons_.clear();
        controlObjects_.clear();
        if (--liveWindows == 0) {
            PostQuitMessage(0);
        }
        return 0;
    }
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
