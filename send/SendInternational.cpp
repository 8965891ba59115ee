// Sends worldwide through the international web form. The captcha belongs to the
// session that the clipped browser opened; WinINet shares that browser's cookies.
#include "Senders.h"

#include "Requests.h"
#include "RequiredFields.h"
#include "app/ServiceHosts.h"
#include "http/WebRequest.h"
#include "ui/MainWindowControls.h"
#include "ui/WindowOps.h"

namespace {

constexpr RequiredField kRequiredFields[] = {
    {main_window::编辑框6, "请正确输入国家代码", "国家代码不能为空"},
    {main_window::编辑框3, "请正确输入对方手机号", "手机号码错误"},
    {main_window::编辑框4, "发送内容不能为空", "内容不能为空"},
    {main_window::编辑框5, "请正确输入验证码", "验证码不能为空"},
};

} // namespace

void SendInternational() {
    using namespace main_window;
    const FormWindow& window = MainWindow();
    if (!CheckRequiredFields(kRequiredFields)) {
        return;
    }
    const Text body =
        InternationalFormBody({GetText(window.Control(编辑框6)), GetText(window.Control(编辑框3)),
                               GetText(window.Control(编辑框4)), GetText(window.Control(编辑框5))});
    Text method = "POST";
    const Text formAddress = TextConcat("http://", kFormHost, "/");
    const Text answer = BytesToText(WebRequest(formAddress, &method, nullptr, nullptr, &body));
    const Text recipient = GetText(window.Control(编辑框3));
    if (TextFind(answer, recipient, std::nullopt, false) == -1) {
        ShowMessage("发送失败");
    } else {
        ShowMessage(TextConcat("短信已经发送到", recipient));
    }
}
