// The method and header text of a web request: which default lines a caller's header
// text gets, and when the body is announced and sent.
#include <gtest/gtest.h>

#include "http/RequestHeaders.h"

namespace {

#define ACCEPT_LINE                                                                                \
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "                                \
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "     \
    "application/msword, */*\r\n"
#define LANGUAGE_LINE "Accept-Language: zh-cn\r\n"
#define FORM_URL "http://sms.example:8080/send/form.php?lang=cn"
#define REFERER_LINE "Referer: " FORM_URL "\r\n"
#define FORM_TYPE_LINE "Content-Type: application/x-www-form-urlencoded\r\n"
#define FORM_BODY "to=8613800138000&msg=%C4%E3%BA%C3&send=1"

// A null method, header text or body stands for one the caller did not supply, which the
// routine passes on as the empty text.
struct HeaderCase {
    const char* name;
    const char* method;
    const char* headerText;
    const char* body;
    const char* settledMethod;
    const char* sentHeaderText;
    bool sendsBody;
};

const HeaderCase kHeaderCases[] = {
    {"form POST", "POST", nullptr, FORM_BODY, "POST",
     ACCEPT_LINE REFERER_LINE LANGUAGE_LINE FORM_TYPE_LINE "Content-Length: 40\r\n", true},
    {"lower-case accept line kept", "POST", "accept: text/html\r\n", "a=1", "POST",
     "accept: text/html\r\n" REFERER_LINE LANGUAGE_LINE FORM_TYPE_LINE "Content-Length: 3\r\n",
     true},
    {"Referer without its blank", "GET", "Referer:\r\n", nullptr, "GET",
     "Referer:\r\n" ACCEPT_LINE REFERER_LINE LANGUAGE_LINE, false},
    {"every default present", "GET", "ACCEPT: a\r\nreferer: b\r\naccept-language: c\r\n", nullptr,
     "GET", "ACCEPT: a\r\nreferer: b\r\naccept-language: c\r\n", false},
    {"Accept-Language found by its own name only", "GET", "Accept-Language: en\r\n", nullptr, "GET",
     "Accept-Language: en\r\n" ACCEPT_LINE REFERER_LINE, false},
    {"method get", "get", nullptr, FORM_BODY, "GET", ACCEPT_LINE REFERER_LINE LANGUAGE_LINE, false},
    {"method GET", "GET", nullptr, FORM_BODY, "GET", ACCEPT_LINE REFERER_LINE LANGUAGE_LINE, false},
    {"empty method", "", nullptr, FORM_BODY, "GET", ACCEPT_LINE REFERER_LINE LANGUAGE_LINE, false},
    {"method not supplied", nullptr, nullptr, FORM_BODY, "GET",
     ACCEPT_LINE REFERER_LINE LANGUAGE_LINE, false},
    {"other method", "PUT", nullptr, FORM_BODY, "GET", ACCEPT_LINE REFERER_LINE LANGUAGE_LINE,
     false},
    {"POST with an empty body", "POST", nullptr, "", "POST", ACCEPT_LINE REFERER_LINE LANGUAGE_LINE,
     false},
    {"POST with no body supplied", "POST", nullptr, nullptr, "POST",
     ACCEPT_LINE REFERER_LINE LANGUAGE_LINE, false},
    // The method keeps its own spelling when it reads "POST" in upper case.
    {"method post", "post", nullptr, "a=1", "post",
     ACCEPT_LINE REFERER_LINE LANGUAGE_LINE FORM_TYPE_LINE "Content-Length: 3\r\n", true},
    {"method Post", "Post", nullptr, "a=1", "Post",
     ACCEPT_LINE REFERER_LINE LANGUAGE_LINE FORM_TYPE_LINE "Content-Length: 3\r\n", true},
    {"method with a blank", "POST ", nullptr, "a=1", "GET", ACCEPT_LINE REFERER_LINE LANGUAGE_LINE,
     false},
    // The length counts bytes: each double-byte character counts two.
    {"double-byte body", "POST", nullptr, "msg=\xC4\xE3\xBA\xC3", "POST",
     ACCEPT_LINE REFERER_LINE LANGUAGE_LINE FORM_TYPE_LINE "Content-Length: 8\r\n", true},
    // A body of one blank is not empty.
    {"body of one blank", "POST", nullptr, " ", "POST",
     ACCEPT_LINE REFERER_LINE LANGUAGE_LINE FORM_TYPE_LINE "Content-Length: 1\r\n", true},
    // The body lines are appended without a search: a caller's Content-Type gets a second one.
    {"caller's own Content-Type", "POST", "Content-Type: text/plain\r\n", "a=1", "POST",
     "Content-Type: text/plain\r\n" ACCEPT_LINE REFERER_LINE LANGUAGE_LINE FORM_TYPE_LINE
     "Content-Length: 3\r\n",
     true},
};

TEST(RequestHeaders, SettleTheMethodAndCompleteTheHeaderText) {
    for (const HeaderCase& c : kHeaderCases) {
        SCOPED_TRACE(c.name);
        const Text url(FORM_URL);
        const Text method = SettleMethod(Text(c.method));
        EXPECT_EQ(method, Text(c.settledMethod));
        const Text headers =
            AddBodyHeaders(AddDefaultHeaders(Text(c.headerText), url), method, Text(c.body));
        EXPECT_EQ(headers, Text(c.sentHeaderText));
        EXPECT_EQ(SendsBody(method, Text(c.body)), c.sendsBody);
    }
}

// The URL goes into the Referer line exactly as the caller wrote it.
TEST(RequestHeaders, RefererHoldsTheUrlAsGiven) {
    EXPECT_EQ(AddDefaultHeaders(Text("Accept: */*\r\nAccept-Language: en\r\n"),
                                Text("HTTP://Sms.Example/a b?\xC4\xE3=1#top")),
              Text("Accept: */*\r\nAccept-Language: en\r\n"
                   "Referer: HTTP://Sms.Example/a b?\xC4\xE3=1#top\r\n"));
}

// Each search runs on the text as the previous step left it: a Referer URL that holds
// "Accept-Language: " keeps the default Accept-Language line out.
TEST(RequestHeaders, EachSearchSeesTheLinesAppendedBeforeIt) {
    EXPECT_EQ(AddDefaultHeaders(Text("Accept: */*\r\n"), Text("http://h/?Accept-Language: x")),
              Text("Accept: */*\r\nReferer: http://h/?Accept-Language: x\r\n"));
}

} // namespace
