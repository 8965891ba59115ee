// The About window: what the two ways of sending can do, and how to reach the author.
#include "AboutWindowControls.h"
#include "WindowTables.h"

namespace {

using namespace about_window;
using enum ControlKind;

constexpr ControlRow kControls[] = {
    // clang-format off
    // Control       Kind        Parent        x    y    w    h    Text and settings
    {分组框1,        GroupBox,   kOnWindow,    8,   8, 360, 136, "关于我们："},
    {标签7,          Label,      In(分组框1), 120,   7, 136,  24, "澜舟飞笺"},
    {标签1,          Label,      In(分组框1),   8,  25, 344,  24, "1.如使用飞信发送短信需要有飞信的号码，接收方为您飞信好友，"},
    {标签2,          Label,      kOnWindow,    28,  54, 332,  24, "使用飞信发送短信，中英文均可。飞信发送不用填写验证码！", kLiesOver},
    {标签3,          Label,      In(分组框1),   8,  66, 344,  24, "2.使用全球发送短信可以发送到全球任何一个国家。不支持中文，"},
    {标签4,          Label,      In(分组框1),  22,  92, 328,  17, "如果发送中文会自动转换为拼音。单击验证码会自动更换。"},
    {标签8,          Label,      In(分组框1),   9, 110, 344,  24, "3.免费电话可拨打全球任何地方的固定电话及手机！"},
    {分组框2,        GroupBox,   kOnWindow,     8, 152, 360,  56, "联系方式："},
    {标签5,          Label,      In(分组框2),  13,  24,  40,  16, "网址："},
    {超级链接框1,    Hyperlink,  In(分组框2),  54,  19, 129,  24, nullptr, kPlain, kDefaultColor, Address::MakerSite},
    {标签6,          Label,      In(分组框2), 202,  24,  19,  16, "QQ："},
    {超级链接框2,    Hyperlink,  kOnWindow,   234, 172, 112,  24, nullptr, kLiesOver, kDefaultColor, Address::AuthorQq},
    // clang-format on
};

} // namespace

const WindowDefinition kAboutWindow{
    .id = WindowId::About,
    .title = "",
    .width = 380,
    .height = 250,
    .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, // fixed frame, close button only
    .controls = kControls,
};
