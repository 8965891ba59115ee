// The web request routine against a scripted loopback server: the bytes it puts on the
// wire, what it writes back, how it reads every kind of answer, and the window events
// it lets run while reading.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "LoopbackServer.h"
#include "TestBytes.h"
#include "http/WebRequest.h"

namespace {

const std::string kAcceptLine =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*";
const std::string kLanguageLine = "Accept-Language: zh-cn";
const std::string kFormTypeLine = "Content-Type: application/x-www-form-urlencoded";
const std::vector<std::string> kRoutineHeaderNames = {"Accept", "Referer", "Accept-Language",
                                                      "Content-Type", "Content-Length"};

TEST(WebRequest, SendsTheFormPostWithItsHeadersInOrder) {
    LoopbackServer server;
    server.On("/send/form.php", Reply::Answer("sent"));
    const std::string url = server.Url("/send/form.php?lang=cn");
    const Text body("to=8613800138000&msg=%C4%E3%BA%C3&send=1");
    Text method("POST");

    const Bytes result = WebRequest(Text(url.c_str()), &method, nullptr, nullptr, &body);

    EXPECT_EQ(Str(result), "sent");
    ASSERT_EQ(server.RequestCount(), 1u);
    const RecordedRequest request = server.Requests()[0];
    EXPECT_EQ(request.requestLine, "POST /send/form.php?lang=cn HTTP/1.1");
    EXPECT_EQ(request.LinesNamed(kRoutineHeaderNames),
              (std::vector<std::string>{kAcceptLine, "Referer: " + url, kLanguageLine,
                                        kFormTypeLine, "Content-Length: 40"}));
    EXPECT_EQ(request.body, "to=8613800138000&msg=%C4%E3%BA%C3&send=1");
    EXPECT_TRUE(request.raw.ends_with("\r\nContent-Length: 40\r\n\r\n"
                                      "to=8613800138000&msg=%C4%E3%BA%C3&send=1"))
        << request.raw;
    EXPECT_EQ(request.Header("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    EXPECT_EQ(method, Text("POST"));
}

// Methods that settle to GET, with a body that must be neither sent nor announced.
TEST(WebRequest, GetSendsNoBody) {
    struct GetCase {
        const char* name;
        const char* method; // nullptr: not supplied
    };
    const GetCase cases[] = {
        {"get", "get"}, {"GET", "GET"}, {"empty", ""}, {"none", nullptr}, {"PUT", "PUT"}};
    for (const GetCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server;
        server.On("/page", Reply::Answer("page"));
        const std::string url = server.Url("/page?q=1");
        const Text body("a=1&b=2");
        Text method(c.method);

        const Bytes result =
            WebRequest(Text(url.c_str()), c.method ? &method : nullptr, nullptr, nullptr, &body);

        EXPECT_EQ(Str(result), "page");
        ASSERT_EQ(server.RequestCount(), 1u);
        const RecordedRequest request = server.Requests()[0];
        EXPECT_EQ(request.requestLine, "GET /page?q=1 HTTP/1.1");
        EXPECT_EQ(request.LinesNamed(kRoutineHeaderNames),
                  (std::vector<std::string>{kAcceptLine, "Referer: " + url, kLanguageLine}));
        EXPECT_EQ(request.body, "");
        if (c.method) {
            EXPECT_EQ(method, Text("GET"));
        }
    }
}

TEST(WebRequest, PostWithAnEmptyBodyAnnouncesNone) {
    LoopbackServer server;
    server.On("/form", Reply::Answer("ok"));
    const std::string url = server.Url("/form");
    Text method("POST");
    const Text body("");

    EXPECT_EQ(Str(WebRequest(Text(url.c_str()), &method, nullptr, nullptr, &body)), "ok");

    ASSERT_EQ(server.RequestCount(), 1u);
    const RecordedRequest request = server.Requests()[0];
    EXPECT_EQ(request.requestLine, "POST /form HTTP/1.1");
    EXPECT_EQ(request.LinesNamed({"Content-Type"}), std::vector<std::string>{});
    // WinINet itself announces an empty POST; the routine adds no line of its own.
    EXPECT_EQ(request.LinesNamed({"Content-Length"}),
              std::vector<std::string>{"Content-Length: 0"});
    EXPECT_EQ(request.body, "");
}

TEST(WebRequest, WritesBackTheMethodAndTheCompletedHeaderText) {
    LoopbackServer server;
    server.On("/form", Reply::Answer("ok"));
    const std::string url = server.Url("/form");
    Text method("post");
    Text headerText("X-Token: 7\r\naccept: text/html\r\n");
    const Text body("a=1");

    EXPECT_EQ(Str(WebRequest(Text(url.c_str()), &method, nullptr, &headerText, &body)), "ok");

    EXPECT_EQ(method, Text("post"));
    EXPECT_EQ(Str(headerText), "X-Token: 7\r\naccept: text/html\r\nReferer: " + url + "\r\n" +
                                   kLanguageLine + "\r\n" + kFormTypeLine +
                                   "\r\nContent-Length: 3\r\n");
    ASSERT_EQ(server.RequestCount(), 1u);
    const RecordedRequest request = server.Requests()[0];
    EXPECT_EQ(request.Header("X-Token"), "7");
    EXPECT_EQ(request.LinesNamed({"Accept"}), std::vector<std::string>{"accept: text/html"});
    EXPECT_EQ(request.body, "a=1");
}

TEST(WebRequest, UnreachablePortGivesNothingQuickly) {
    const std::string url = "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/form";
    Text method("POST");
    Text headerText;
    const Text body("a=1");
    const ULONGLONG start = GetTickCount64();

    const Bytes result = WebRequest(Text(url.c_str()), &method, nullptr, &headerText, &body);

    EXPECT_EQ(result, Bytes());
    EXPECT_LT(GetTickCount64() - start, 5000u);
    // The send's failure is not looked at: the header text still gets its lines.
    EXPECT_EQ(Str(headerText), kAcceptLine + "\r\nReferer: " + url + "\r\n" + kLanguageLine +
                                   "\r\n" + kFormTypeLine + "\r\nContent-Length: 3\r\n");
}

TEST(WebRequest, EndsWhenTheServerHangsUpWithoutAnswering) {
    LoopbackServer server;
    server.On("/form", Reply::NeverAnswer());
    std::thread hangUp([&] {
        Sleep(300);
        server.Stop();
    });

    EXPECT_EQ(WebRequest(Text(server.Url("/form").c_str())), Bytes());

    hangUp.join();
    EXPECT_EQ(server.RequestCount(), 1u);
}

TEST(WebRequest, ReadsABodyOfSeveralMegabytesWhole) {
    LoopbackServer server;
    const std::string body = Pattern(6 * 1024 * 1024 + 123);
    server.On("/big", Reply::Answer(body));
    EXPECT_TRUE(Str(WebRequest(Text(server.Url("/big").c_str()))) == body);
}

TEST(WebRequest, ReadsEveryKindOfAnswer) {
    struct AnswerCase {
        const char* name;
        Reply reply;
        std::string expected;
    };
    const std::string body = Pattern(5000);
    const AnswerCase cases[] = {
        {"empty body", Reply::Answer(""), ""},
        {"one piece exactly", Reply::Answer(Pattern(512)), Pattern(512)},
        {"error status", Reply::Answer("<h1>busy</h1>", "500 Internal Server Error"),
         "<h1>busy</h1>"},
        {"ended by closing", Reply::UntilClose(body), body},
        {"closed mid-body", Reply::CutShort(body.substr(0, 3000), 5000), body.substr(0, 3000)},
        {"dripped", Reply::Answer(body).Dripped(300, 5), body},
        {"chunked", Reply::Chunked({"first ", std::string(1000, 'x'), "", "last"}),
         "first " + std::string(1000, 'x')},
        {"closed before answering", Reply::Close(), ""},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server;
        server.On("/answer", c.reply);
        EXPECT_TRUE(Str(WebRequest(Text(server.Url("/answer").c_str()))) == c.expected);
    }
}

TEST(WebRequest, FollowsARedirect) {
    LoopbackServer server;
    server.On("/old", Reply::Redirect(server.Url("/new")));
    server.On("/new", Reply::Answer("arrived"));

    EXPECT_EQ(Str(WebRequest(Text(server.Url("/old").c_str()))), "arrived");

    const std::vector<RecordedRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].requestLine, "GET /old HTTP/1.1");
    EXPECT_EQ(requests[1].requestLine, "GET /new HTTP/1.1");
}

TEST(WebRequest, HandsBackTheRawResponseHeaders) {
    LoopbackServer server;
    server.On("/page", Reply::Answer("page", "200 OK", "X-Served-By: loopback\r\n"));
    Text responseHeaders("untouched");

    EXPECT_EQ(Str(WebRequest(Text(server.Url("/page").c_str()), nullptr, nullptr, nullptr, nullptr,
                             &responseHeaders)),
              "page");

    const std::string headers = Str(responseHeaders);
    EXPECT_EQ(headers.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << headers;
    EXPECT_NE(headers.find("\r\nX-Served-By: loopback\r\n"), std::string::npos) << headers;
    EXPECT_NE(headers.find("\r\nContent-Length: 4\r\n"), std::string::npos) << headers;
    for (std::size_t lf = headers.find('\n'); lf != std::string::npos;
         lf = headers.find('\n', lf + 1)) {
        EXPECT_EQ(headers[lf - 1], '\r') << "at " << lf << " in " << headers;
    }
}

// A header block larger than the buffer: the caller gets the buffer as the failed query
// left it.
TEST(WebRequest, HeadersTooLongForTheBufferLeaveItsBlanks) {
    LoopbackServer server;
    server.On("/page",
              Reply::Answer("page", "200 OK", "X-Long: " + std::string(1100, 'L') + "\r\n"));
    Text responseHeaders;

    EXPECT_EQ(Str(WebRequest(Text(server.Url("/page").c_str()), nullptr, nullptr, nullptr, nullptr,
                             &responseHeaders)),
              "page");

    EXPECT_EQ(Str(responseHeaders), std::string(1024, ' '));
}

TEST(WebRequest, GoesThroughASuppliedProxy) {
    LoopbackServer proxy;
    proxy.OnAnyOtherPath(Reply::Answer("from the proxy"));
    const Text proxyAddress(("127.0.0.1:" + std::to_string(proxy.Port())).c_str());

    EXPECT_EQ(Str(WebRequest(Text("http://sms.invalid/form?a=1"), nullptr, &proxyAddress)),
              "from the proxy");

    ASSERT_EQ(proxy.RequestCount(), 1u);
    // The absolute URL, which Wine's WinINet writes with the default port.
    const std::string line = proxy.Requests()[0].requestLine;
    EXPECT_TRUE(line == "GET http://sms.invalid/form?a=1 HTTP/1.1" ||
                line == "GET http://sms.invalid:80/form?a=1 HTTP/1.1")
        << line;
}

// A window whose procedure runs a test's handler for WM_APP.
class WebRequestEvents : public ::testing::Test {
protected:
    static constexpr UINT kTestMessage = WM_APP + 1;

    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "WebRequestTestWindow";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("WebRequestTestWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        handler_ = [] {
        };
    }
    void TearDown() override {
        DestroyWindow(window_);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kTestMessage) {
            handler_();
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    static inline std::function<void()> handler_;
};

TEST_F(WebRequestEvents, DispatchesAPostedMessageWhileReading) {
    LoopbackServer server;
    server.On("/page", Reply::Answer("page"));
    std::vector<std::size_t> requestsSeen;
    handler_ = [&] {
        requestsSeen.push_back(server.RequestCount());
    };
    PostMessageA(window_, kTestMessage, 0, 0);

    EXPECT_EQ(Str(WebRequest(Text(server.Url("/page").c_str()))), "page");

    // Dispatched once, after the request had gone out: in the read loop, not before it.
    EXPECT_EQ(requestsSeen, std::vector<std::size_t>{1});
}

TEST_F(WebRequestEvents, LeavesAQuitMessageQueued) {
    LoopbackServer server;
    server.On("/page", Reply::Answer("page"));
    int dispatched = 0;
    handler_ = [&] {
        ++dispatched;
    };
    PostMessageA(window_, kTestMessage, 0, 0);
    PostQuitMessage(3);

    EXPECT_EQ(Str(WebRequest(Text(server.Url("/page").c_str()))), "page");

    EXPECT_EQ(dispatched, 1);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
}

// A quit that arrives during the reads stays queued, and the body is still read to its end.
TEST_F(WebRequestEvents, ReadsToTheEndWhenQuitArrivesDuringTheReads) {
    LoopbackServer server;
    const std::string body = Pattern(4000);
    server.On("/page", Reply::Answer(body).Dripped(500, 10));
    handler_ = [] {
        PostQuitMessage(5);
    };
    PostMessageA(window_, kTestMessage, 0, 0);

    EXPECT_TRUE(Str(WebRequest(Text(server.Url("/page").c_str()))) == body);

    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 5u);
}

// An event handler that starts a second request in the middle of the first: each call has
// its own handles and buffers, and the outer one reads on once the inner one has returned.
TEST_F(WebRequestEvents, ANestedCallDuringTheReadsLeavesTheOuterCallWhole) {
    LoopbackServer server;
    const std::string outer = Pattern(3000);
    server.On("/outer", Reply::Answer(outer).Dripped(1000, 20));
    server.On("/inner", Reply::Answer("inner"));
    std::string innerResult;
    handler_ = [&] {
        innerResult = Str(WebRequest(Text(server.Url("/inner").c_str())));
    };
    PostMessageA(window_, kTestMessage, 0, 0);

    EXPECT_TRUE(Str(WebRequest(Text(server.Url("/outer").c_str()))) == outer);

    EXPECT_EQ(innerResult, "inner");
}

} // namespace
