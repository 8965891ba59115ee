// URL splitting: host, port and path of every URL form the web request routine meets.
#include <gtest/gtest.h>

#include "http/Url.h"

namespace {

struct UrlCase {
    const char* url;
    const char* host;
    std::int32_t port;
    const char* path;
};

const UrlCase kUrlCases[] = {
    {"http://sms.example/send/form.php?to=1", "sms.example", 80, "/send/form.php?to=1"},
    {"sms.example/send/form.php", "sms.example", 80, "/send/form.php"},
    {"http://sms.example:8080/a/b", "sms.example", 8080, "/a/b"},
    {"http://sms.example", "sms.example", 80, "/"},
    {"http://sms.example:8080", "sms.example", 8080, "/"},
    {"sms.example:8080", "sms.example", 8080, "/"},
    {"http://SMS.Example/Send/Page", "sms.example", 80, "/Send/Page"},
    {"HTTP://sms.example/x", "sms.example", 80, "/x"},
    {"Http://sms.example:81", "sms.example", 81, "/"},
    {"http://sms.example:/x", "sms.example", 0, "/x"},
    {"http://sms.example:80abc/x", "sms.example", 80, "/x"},
    {"http://sms.example?a=b", "sms.example?a=b", 80, "/"},
    {"", "", 80, "/"},
    // Several ":": the host ends at the first, the port is read from what follows it.
    {"http://h:81:82/p", "h", 81, "/p"},
    {"http://h:x81/p", "h", 0, "/p"},
    // The path keeps every byte after the host's first "/".
    {"http://h//a?b#c/D", "h", 80, "//a?b#c/D"},
    // Hosts that also occur inside "http://" or are empty: the path still starts after them.
    {"http://p/x", "p", 80, "/x"},
    {"HTTP://tp:8/x", "tp", 8, "/x"},
    {"http:///p", "", 80, "/p"},
    {"/p", "", 80, "/p"},
    {"https://h/p", "https", 0, "//h/p"}, // not a scheme the splitting knows
    {"http://127.0.0.1:4123/", "127.0.0.1", 4123, "/"},
    {"http://h:4294967297/", "h", 1, "/"}, // the low 32 bits, unchecked
    {"http://h:1e3/", "h", 1000, "/"},
    {"http://H\xB0"
     "A:9/Q",
     "h\xB0"
     "A",
     9, "/Q"}, // the second byte of a double-byte character keeps its case
};

TEST(UrlSplitting, TakesHostPortAndPath) {
    for (const UrlCase& c : kUrlCases) {
        const Text url(c.url);
        EXPECT_EQ(UrlGetHost(url), Text(c.host)) << c.url;
        EXPECT_EQ(UrlGetPort(url), c.port) << c.url;
        EXPECT_EQ(UrlGetPath(url), Text(c.path)) << c.url;
    }
}

} // namespace
