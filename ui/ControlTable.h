// The data that defines a window: one row per control, read like a layout table, and
// the window's own settings. WindowBuilder creates the controls from the rows.
#pragma once

#include <windows.h>

#include <span>

enum class ControlKind {
    TabControl,
    GroupBox,
    Label,
    EditBox,
    Button,
    Browser,
    Hyperlink,
    TrayIcon
};

// Where a control's text or address comes from when it is not a fixed text.
enum class Address { None, FormRoot, FreeCallPage, MakerSite, AuthorQq };

// Control settings beyond the shared ones.
enum Setting : unsigned {
    kPlain = 0,
    kPassword = 1u << 0, // edit box showing "*" for every character
    kCenteredText = 1u << 1,
    kMessageText = 1u << 2, // several lines, Enter starts a line, at most 160 bytes
    kNeverShown = 1u << 3,
    kSunkenBorder = 1u << 4,
    kLiesOver = 1u << 5, // stacked above the siblings it overlaps
};

struct Parent {
    int id = 0;   // 0: the window itself
    int page = 0; // the page, for a control on a tab control
};
constexpr Parent kOnWindow{};
constexpr Parent In(int parent) {
    return {parent, 0};
}
constexpr Parent OnPage(int tabControl, int page) {
    return {tabControl, page};
}

inline constexpr COLORREF kDefaultColor = CLR_INVALID;

struct ControlRow {
    int id;
    ControlKind kind;
    Parent parent;
    int x, y, width, height;
    const char* text; // tab names are separated by "\n"
    unsigned settings = kPlain;
    COLORREF textColor = kDefaultColor;
    Address address = Address::None;
};

// A menu item: level 0 is the menu bar, level 1 the items under the last level-0 item.
struct MenuRow {
    const char* text;
    int level;
    int id = 0;
    bool hidden = false;
};

enum class WindowId { Main, About };

struct WindowDefinition {
    WindowId id;
    const char* title;
    int width, height; // outer frame
    DWORD style;
    std::span<const ControlRow> controls;
    std::span<const MenuRow> menu = {};
};
