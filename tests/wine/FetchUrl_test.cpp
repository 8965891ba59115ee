// The relay's fetch and the online probe against a scripted loopback server: the request
// on the wire, the URL's cutting and length limits, and the body of every kind of answer.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "LoopbackServer.h"
#include "TestBytes.h"
#include "http/FetchUrl.h"

namespace {

Bytes Fetch(const std::string& url) {
    return FetchUrl(Text(url.c_str()));
}

TEST(FetchUrl, SendsAPlainHttp10Get) {
    LoopbackServer server;
    server.On("/message/fetion/fetion.php", Reply::Answer("sent!!"));

    EXPECT_EQ(Str(Fetch(server.Url("/message/fetion/fetion.php?username=13800138000&password=pw"
                                   "&to=13900139000&message=hi"))),
              "sent!!");

    ASSERT_EQ(server.RequestCount(), 1u);
    const RecordedRequest request = server.Requests()[0];
    EXPECT_EQ(request.requestLine, "GET /message/fetion/fetion.php?username=13800138000&password=pw"
                                   "&to=13900139000&message=hi HTTP/1.0");
    EXPECT_EQ(request.LinesNamed({"Accept", "Referer", "Accept-Language", "Content-Length"}),
              std::vector<std::string>{"Accept: */*"});
    EXPECT_EQ(request.Header("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    EXPECT_EQ(request.body, "");
}

// Double-byte characters, "&" and "=" in a value go on the wire as they stand.
TEST(FetchUrl, EscapesNothing) {
    LoopbackServer server;
    server.On("/m.php", Reply::Answer("sent!!"));
    const std::string query = "?to=1&message=\xC4\xE3\xBA\xC3&x=y=z%41\xD6\xD0";

    EXPECT_EQ(Str(Fetch(server.Url("/m.php" + query))), "sent!!");

    ASSERT_EQ(server.RequestCount(), 1u);
    EXPECT_EQ(server.Requests()[0].Target(), "/m.php" + query);
}

TEST(FetchUrl, CutsTheUrlAtItsFirstHash) {
    LoopbackServer server;
    server.On("/m.php", Reply::Answer("sent!!"));

    EXPECT_EQ(Str(Fetch(server.Url("/m.php?message=a#b&to=2#c"))), "sent!!");

    ASSERT_EQ(server.RequestCount(), 1u);
    EXPECT_EQ(server.Requests()[0].Target(), "/m.php?message=a");
}

TEST(FetchUrl, ReadsEveryKindOfAnswer) {
    struct AnswerCase {
        const char* name;
        Reply reply;
        std::string expected;
    };
    const std::string large = Pattern(300000);      // several pieces of the largest size
    const std::string unannounced = Pattern(50000); // several pieces of the default size
    const AnswerCase cases[] = {
        {"with a length", Reply::Answer("sent!!"), "sent!!"},
        {"NUL bytes kept", Reply::Answer(std::string("ab\0cd\0", 6)), std::string("ab\0cd\0", 6)},
        {"larger than a piece", Reply::Answer(large), large},
        {"without a length", Reply::UntilClose(unannounced), unannounced},
        {"error status", Reply::Answer("not found", "404 Not Found"), "not found"},
        {"dripped", Reply::Answer(unannounced).Dripped(7000, 5), unannounced},
        {"chunked", Reply::Chunked({"sen", "t!!"}), "sent!!"},
        {"empty body", Reply::Answer(""), ""},
        {"closed mid-body", Reply::CutShort(large.substr(0, 20000), 300000),
         large.substr(0, 20000)},
        {"closed before answering", Reply::Close(), ""},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server;
        server.On("/m.php", c.reply);
        EXPECT_TRUE(Str(Fetch(server.Url("/m.php?x=1"))) == c.expected);
    }
}

TEST(FetchUrl, EndsWhenTheServerHangsUpWithoutAnswering) {
    LoopbackServer server;
    server.On("/m.php", Reply::NeverAnswer());
    std::thread hangUp([&] {
        Sleep(300);
        server.Stop();
    });

    EXPECT_EQ(Fetch(server.Url("/m.php")), Bytes());

    hangUp.join();
    EXPECT_EQ(server.RequestCount(), 1u);
}

TEST(FetchUrl, RefusedConnectionGivesNothing) {
    EXPECT_EQ(Fetch("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/m.php"), Bytes());
}

TEST(FetchUrl, ObjectsUpTo2047BytesAreFetched) {
    LoopbackServer server;
    server.On("/m.php", Reply::Answer("sent!!"));
    const std::string fits = "/m.php?message=" + std::string(2047 - 15, 'a');
    const std::string tooLong = fits + "a";

    EXPECT_EQ(Str(Fetch(server.Url(fits))), "sent!!");
    EXPECT_EQ(Fetch(server.Url(tooLong)), Bytes());

    ASSERT_EQ(server.RequestCount(), 1u);
    EXPECT_EQ(server.Requests()[0].Target(), fits);
}

// "127.000…0.0.1" is still the loopback address however many zeros it holds.
TEST(FetchUrl, HostsUpTo255BytesAreFetched) {
    LoopbackServer server;
    server.On("/m.php", Reply::Answer("sent!!"));
    const auto url = [&](std::size_t hostLength) {
        const std::string host = "127." + std::string(hostLength - 8, '0') + ".0.1";
        return "http://" + host + ":" + std::to_string(server.Port()) + "/m.php";
    };

    EXPECT_EQ(Str(Fetch(url(255))), "sent!!");
    EXPECT_EQ(Fetch(url(256)), Bytes());

    EXPECT_EQ(server.RequestCount(), 1u);
}

TEST(FetchUrl, UrlsThatCannotBeSplitGiveNothing) {
    EXPECT_EQ(Fetch(""), Bytes());
    EXPECT_EQ(Fetch("not a url"), Bytes());
    EXPECT_EQ(Fetch("#http://127.0.0.1/"), Bytes());
}

TEST(FetchUrl, ServesSeveralFetchesInARow) {
    LoopbackServer server;
    server.On("/a", Reply::Answer("first"));
    server.On("/b", Reply::UntilClose("second"));
    EXPECT_EQ(Str(Fetch(server.Url("/a"))), "first");
    EXPECT_EQ(Str(Fetch(server.Url("/b"))), "second");
    EXPECT_EQ(Str(Fetch(server.Url("/a"))), "first");
    EXPECT_EQ(server.RequestCount(), 3u);
}

TEST(IsOnline, ProbesTheHomePageWhateverItsStatus) {
    for (const Reply& reply : {Reply::Answer("home"), Reply::Answer("gone", "500 Server Error")}) {
        LoopbackServer server;
        server.OnAnyOtherPath(reply);

        EXPECT_TRUE(IsOnline(Text(server.Url("/some/page").c_str())));

        ASSERT_EQ(server.RequestCount(), 1u);
        const RecordedRequest request = server.Requests()[0];
        EXPECT_EQ(request.requestLine, "GET / HTTP/1.1");
        EXPECT_EQ(request.Header("User-Agent"), "test");
    }
}

TEST(IsOnline, FalseWhenTheProbeFails) {
    EXPECT_FALSE(
        IsOnline(Text(("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/").c_str())));
    EXPECT_FALSE(IsOnline(Text("http://probe.invalid/")));
}

} // namespace
