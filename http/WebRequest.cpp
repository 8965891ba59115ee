// The web request routine: its own session, connection and request for every call, 18 s
// time-outs, and a read loop of 512-byte pieces that lets the window's events run.
#include "WebRequest.h"

#include <string>

#include "Internet.h"
#include "RequestHeaders.h"
#include "Url.h"
#include "ui/MessageLoop.h"

namespace {

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr DWORD kTimeoutMilliseconds = 18000;
constexpr std::int32_t kReadSize = 512;
constexpr DWORD kResponseHeadersSize = 1024;

InternetHandle OpenSession(const Text* proxy) {
    if (proxy) {
        const Text proxyList = TextConcat("http=", *proxy);
        return InternetHandle(
            InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_PROXY, proxyList.c_str(), "", 0));
    }
    return InternetHandle(InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, "", "", 0));
}

void SetTimeouts(HINTERNET request) {
    for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                               INTERNET_OPTION_SEND_TIMEOUT}) {
        DWORD milliseconds = kTimeoutMilliseconds;
        InternetSetOptionA(request, option, &milliseconds, sizeof milliseconds);
    }
}

// Reads until a read reports no bytes, which is the end of the data or a failure.
Bytes ReadBody(HINTERNET request) {
    Bytes result;
    DWORD count = 1;
    while (count > 0) {
        Bytes buffer = BlankBytes(kReadSize);
        ProcessPendingWindowEvents();
        count = 0;
        InternetReadFile(request, buffer.data(), kReadSize, &count);
        result =
            BytesConcat(std::move(result), BytesLeft(buffer, static_cast<std::int32_t>(count)));
    }
    return result;
}

// The header block as WinINet reports it, up to its first NUL; the blanks of the buffer
// when the block does not fit.
Text QueryRawHeaders(HINTERNET request) {
    std::string buffer(kResponseHeadersSize, ' ');
    DWORD length = kResponseHeadersSize;
    HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &length, nullptr);
    return Text(std::string_view(buffer));
}

} // namespace

Bytes WebRequest(const Text& url, Text* method, const Text* proxy, Text* headerText,
                 const Text* body, Text* responseHeaders) {
    const InternetHandle session = OpenSession(proxy);
    if (!session) {
        return Bytes();
    }
    const InternetHandle connection(InternetConnectA(session.get(), UrlGetHost(url).c_str(),
                                                     static_cast<INTERNET_PORT>(UrlGetPort(url)),
                                                     "", "", INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        return Bytes();
    }

    const Text settledMethod = SettleMethod(method ? *method : Text());
    if (method) {
        *method = settledMethod;
    }
    const InternetHandle request(HttpOpenRequestA(connection.get(), settledMethod.c_str(),
                                                  UrlGetPath(url).c_str(), "HTTP/1.1", nullptr,
                                                  nullptr, INTERNET_FLAG_RELOAD, 0));
    if (!request) {
        return Bytes();
    }
    SetTimeouts(request.get());

    const Text sentBody = body ? *body : Text();
    const Text headers = AddBodyHeaders(AddDefaultHeaders(headerText ? *headerText : Text(), url),
                                        settledMethod, sentBody);
    const Text optional = SendsBody(settledMethod, sentBody) ? sentBody : Text();
    HttpSendRequestA(request.get(), headers.c_str(), static_cast<DWORD>(TextLength(headers)),
                     const_cast<char*>(optional.c_str()), static_cast<DWORD>(TextLength(optional)));
    if (headerText) {
        *headerText = headers;
    }

    Bytes result = ReadBody(request.get());
    if (responseHeaders) {
        *responseHeaders = QueryRawHeaders(request.get());
    }
    return result;
}
