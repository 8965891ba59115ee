// Settling the method and completing the header text of a web request.
#include "RequestHeaders.h"

#include "text/TextConvert.h"

namespace {

struct DefaultHeader {
    const char* searchText;
    const char* line; // the whole line; nullptr for the Referer, which is built from the URL
};

constexpr DefaultHeader kDefaultHeaders[] = {
    {"Accept: ", "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
                 "application/x-shockwave-flash, application/vnd.ms-excel, "
                 "application/vnd.ms-powerpoint, application/msword, */*\r\n"},
    {"Referer: ", nullptr},
    {"Accept-Language: ", "Accept-Language: zh-cn\r\n"},
};

} // namespace

Text SettleMethod(const Text& method) {
    return TextCompare(TextToUpper(method), "POST") != 0 ? Text("GET") : method;
}

Text AddDefaultHeaders(const Text& headerText, const Text& url) {
    Text result = headerText;
    for (const DefaultHeader& header : kDefaultHeaders) {
        if (TextFind(result, header.searchText, 1, true) >= 1) {
            continue;
        }
        result = header.line ? TextConcat(result, header.line)
                             : TextConcat(result, header.searchText, url, "\r\n");
    }
    return result;
}

bool SendsBody(const Text& method, const Text& body) {
    return TextCompare(method, "GET") != 0 && TextCompare(body, "") != 0;
}

Text AddBodyHeaders(const Text& headerText, const Text& method, const Text& body) {
    if (!SendsBody(method, body)) {
        return headerText;
    }
    return TextConcat(headerText, "Content-Type: application/x-www-form-urlencoded\r\n",
                      "Content-Length: ", NumberToText(TextLength(body)), "\r\n");
}
