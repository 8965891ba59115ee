// Sends through the user's own Fetion account: the relay logs in and sends, and answers
// with exactly six bytes when the message went out.
#include "Senders.h"

#include "Requests.h"
#include "RequiredFields.h"
#include "app/ServiceHosts.h"
#include "http/FetchUrl.h"
#include "ui/MainWindowControls.h"
#include "ui/WindowOps.h"

namespace {

constexpr RequiredField kRequiredFields[] = {
    {main_window::编辑框1, "请正确输入飞信手机号", "飞信号码错误"},
    {main_window::编辑框2, "请正确输入飞信密码", "密码错误"},
    {main_window::编辑框3, "请正确输入对方手机号", "手机号码错误"},
    {main_window::编辑框4, "发送内容不能为空", "内容不能为空"},
};

} // namespace

void SendViaFetion() {
    using namespace main_window;
    const FormWindow& window = MainWindow();
    if (!CheckRequiredFields(kRequiredFields)) {
        return;
    }
    if (!IsOnline(TextConcat("http://", kProbeHost, "/"))) {
        ShowMessage("网络未连接，或网络不通", 0, Text("错误"));
        return;
    }
    const Text url = FetionRelayUrl(
        kRelayHost, {GetText(window.Control(编辑框1)), GetText(window.Control(编辑框2)),
                     GetText(window.Control(编辑框3)), GetText(window.Control(编辑框4))});
    const Text answer = BytesToText(FetchUrl(url));
    if (TextLength(answer) == 6) {
        ShowMessage("信息发送成功", kInformationIcon);
    } else {
        ShowMessage("飞信号码或密码或对方手机号错误，又或许您未在飞信注册或者对方不是您飞信好友",
                    kInformationIcon);
    }
}
