// The main window's controls and menu items, by their names. The values are the
// controls' window identifiers, which outside tools use to find them.
#pragma once

namespace main_window {

enum Control : int {
    选择夹1 = 1001,
    分组框3,
    标签7,
    标签9,
    标签5,
    标签8,
    标签6,
    分组框4,
    标签1,
    编辑框1,
    标签2,
    编辑框2,
    标签3,
    编辑框6,
    编辑框3,
    分组框1,
    标签4,
    编辑框4,
    分组框2,
    超文本浏览框2,
    编辑框5,
    按钮2,
    按钮1,
    超级链接框1,
    按钮3,
    托盘图标1,
    超文本浏览框1,
    超文本浏览框3,
    分组框5,
    标签10,
    标签11,
    标签12,
    标签13,
};

// The menu "菜单": its top-level item is hidden, the two items under it form the tray menu.
enum MenuItem : int {
    打开主窗口 = 2001,
    退出,
};

} // namespace main_window
