// The main window: a tab control with the page "免费短信" (the two senders, the counter
// and the clipped captcha browser) and the page "免费电话" (the free-call page).
#include "MainWindowControls.h"
#include "WindowTables.h"

namespace {

using namespace main_window;
using enum ControlKind;

constexpr ControlRow kControls[] = {
    // clang-format off
    // Control       Kind        Parent                  x     y     w    h    Text and settings
    {选择夹1,        TabControl, kOnWindow,                0,    0,  448, 432, "免费短信\n免费电话"},
    {分组框3,        GroupBox,   OnPage(选择夹1, 1),       8,   38,  432, 136, "使用说明："},
    {标签7,          Label,      In(分组框3),            120,    8,  136,  24, "澜舟飞笺 V1.3"},
    {标签9,          Label,      In(分组框3),              8,   30,  416,  24, "1.使用飞信发送短信需要有飞信的号码，接收方为您飞信好友，使用飞信发"},
    {标签5,          Label,      In(分组框3),             21,   54,  392,  24, "送短信，中英文均可。飞信发送不用填写验证码！"},
    {标签8,          Label,      In(分组框3),              8,   78,  416,  24, "2.使用全球发送短信可以发送到全球任何一个国家。不支持中文，如果发送中"},
    {标签6,          Label,      In(分组框3),             21,  106,  395,  24, "文会自动转换为拼音。单击验证码会自动更换。不用填飞信号和密码！"},
    {分组框4,        GroupBox,   OnPage(选择夹1, 1),       8,  192,  214, 145, ""},
    {标签1,          Label,      In(分组框4),              8,   20,   72,  24, "飞信手机号："},
    {编辑框1,        EditBox,    In(分组框4),             79,   19,  120,  24, ""},
    {标签2,          Label,      In(分组框4),             19,   63,   64,  24, "飞信密码："},
    {编辑框2,        EditBox,    In(分组框4),             80,   62,  120,  24, "", kPassword},
    {标签3,          Label,      In(分组框4),              7,  104,   72,  24, "接收人号码："},
    {编辑框6,        EditBox,    In(分组框4),             80,  104,   24,  24, "86", kCenteredText},
    {编辑框3,        EditBox,    In(分组框4),            112,  104,   88,  24, ""},
    {分组框1,        GroupBox,   OnPage(选择夹1, 1),     226,  192,  214, 145, "短信内容(仅可以输入    个字母)"},
    {标签4,          Label,      In(分组框1),            125,   -5,   19,  22, "160", kPlain, RGB(255, 0, 0)},
    {编辑框4,        EditBox,    In(分组框1),              6,   18,  200, 118, "", kMessageText},
    {分组框2,        GroupBox,   OnPage(选择夹1, 1),       8,  354,  120,  32, ""},
    {超文本浏览框2,  Browser,    In(分组框2),           -322, -680,  480, 776, nullptr, kPlain, kDefaultColor, Address::FormRoot},
    {编辑框5,        EditBox,    OnPage(选择夹1, 1),     136,  355,  120,  32, ""},
    {按钮2,          Button,     OnPage(选择夹1, 1),     266,  355,   81,  32, "全球短信发送"},
    {按钮1,          Button,     OnPage(选择夹1, 1),     357,  354,   81,  32, "飞信发送"},
    {超级链接框1,    Hyperlink,  OnPage(选择夹1, 1),       8,  402,  340,  24, nullptr, kSunkenBorder, kDefaultColor, Address::MakerSite},
    {按钮3,          Button,     OnPage(选择夹1, 1),     357,  402,   81,  24, "关于我们"},
    {托盘图标1,      TrayIcon,   OnPage(选择夹1, 1),       0,  317,   16,  16, nullptr, kNeverShown},
    {超文本浏览框1,  Browser,    OnPage(选择夹1, 1),       0,  343,   16,   9, nullptr, kNeverShown},
    {超文本浏览框3,  Browser,    OnPage(选择夹1, 2),       6,   25,  434, 383, nullptr, kPlain, kDefaultColor, Address::FreeCallPage},
    {分组框5,        GroupBox,   OnPage(选择夹1, 2),      16,  288,  208,  99, "使用说明：", kLiesOver},
    {标签10,         Label,      In(分组框5),              8,   15,  176,  24, "此软件调用国外电话系统接口："},
    {标签11,         Label,      In(分组框5),              8,   34,  184,  24, "完全免费、拨打前可能会有几秒"},
    {标签12,         Label,      In(分组框5),              8,   52,  180,  24, "钟的广告！当出现“麦克风和摄"},
    {标签13,         Label,      In(分组框5),              9,   72,  184,  24, "像头使用”时点“允许”！"},
    // clang-format on
};

// Its only top-level item is hidden, so the window shows no menu bar; the items under
// it serve as the tray menu.
constexpr MenuRow kMenu[] = {
    // clang-format off
    // Item          Level  Chosen           Hidden
    {"菜单",         0,     0,               true},
    {"打开主窗口",   1,     打开主窗口},
    {"退出",         1,     退出},
    // clang-format on
};

} // namespace

const WindowDefinition kMainWindow{
    .id = WindowId::Main,
    .title = "澜舟飞笺 V1.3",
    .width = 451,
    .height = 464,
    .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, // fixed frame, no maximise
    .controls = kControls,
    .menu = kMenu,
};
