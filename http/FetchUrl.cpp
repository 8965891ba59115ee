// The relay's fetch and the online probe, on WinINet. Windows' documented default
// time-outs are set explicitly: Wine's WinINet has no receive time-out of its own, and a
// server that accepts and never answers would otherwise hold the program for good.
#include "FetchUrl.h"

#include <algorithm>
#include <optional>
#include <string>

#include "Internet.h"
#include "Url.h"
#include "text/TextConvert.h"
#include "text/Wide.h"

namespace {

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr char kProbeUserAgent[] = "test";
constexpr char kAcceptHeaders[] = "Accept: */*\r\n\r\n";
constexpr DWORD kMaxHostLength = 255;
constexpr DWORD kMaxObjectLength = 2047;
constexpr DWORD kPieceWithoutLength = 10240;
constexpr DWORD kLargestPiece = 102400;

// Windows' defaults: the same waits there, and bounded ones under Wine.
void SetDefaultTimeouts(HINTERNET handle) {
    const std::pair<DWORD, DWORD> timeouts[] = {{INTERNET_OPTION_CONNECT_TIMEOUT, 60000},
                                                {INTERNET_OPTION_RECEIVE_TIMEOUT, 30000},
                                                {INTERNET_OPTION_SEND_TIMEOUT, 30000}};
    for (auto [option, milliseconds] : timeouts) {
        InternetSetOptionA(handle, option, &milliseconds, sizeof milliseconds);
    }
}

// WinINet's canonical form without escaping. The wide function, with the code page's
// conversions on both sides: Wine's ANSI one drops the tail of a URL holding double-byte
// characters, and on Windows the two agree.
std::optional<Text> Canonicalize(const Text& url) {
    const std::wstring wide = Widen(url);
    std::wstring canonical(wide.size() + 1, L'\0');
    for (;;) {
        DWORD length = static_cast<DWORD>(canonical.size());
        if (InternetCanonicalizeUrlW(wide.c_str(), canonical.data(), &length, ICU_NO_ENCODE)) {
            canonical.resize(length);
            return Narrow(canonical);
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || length <= canonical.size()) {
            return std::nullopt;
        }
        canonical.assign(length, L'\0');
    }
}

struct UrlParts {
    Text host;
    INTERNET_PORT port = 0;
    Text user;
    Text password;
    Text object; // the path and the query
};

Text Part(const char* start, DWORD length) {
    return start ? Text(std::string_view(start, length)) : Text();
}

std::optional<UrlParts> SplitUrl(const Text& url) {
    URL_COMPONENTSA components{};
    components.dwStructSize = sizeof components;
    components.dwSchemeLength = 1; // nonzero lengths ask for pointers into the URL
    components.dwHostNameLength = 1;
    components.dwUserNameLength = 1;
    components.dwPasswordLength = 1;
    components.dwUrlPathLength = 1; // no extra-info length: the path keeps the query
    if (!InternetCrackUrlA(url.c_str(), 0, 0, &components) ||
        components.dwHostNameLength > kMaxHostLength ||
        components.dwUrlPathLength > kMaxObjectLength) {
        return std::nullopt;
    }
    return UrlParts{Part(components.lpszHostName, components.dwHostNameLength), components.nPort,
                    Part(components.lpszUserName, components.dwUserNameLength),
                    Part(components.lpszPassword, components.dwPasswordLength),
                    Part(components.lpszUrlPath, components.dwUrlPathLength)};
}

const char* OrNull(const Text& text) {
    return text.empty() ? nullptr : text.c_str();
}

// Opened on the first fetch with direct access and kept for the program's life.
HINTERNET FetchSession() {
    static InternetHandle session;
    if (!session) {
        session.reset(InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    }
    return session.get();
}

void UsePreconfiguredProxy(HINTERNET session) {
    INTERNET_PROXY_INFO proxy{INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr};
    InternetSetOptionA(session, INTERNET_OPTION_PROXY, &proxy, sizeof proxy);
    char empty[] = "";
    InternetSetOptionA(session, INTERNET_OPTION_PROXY_USERNAME, empty, sizeof empty);
    InternetSetOptionA(session, INTERNET_OPTION_PROXY_PASSWORD, empty, sizeof empty);
}

// Pieces of the stated Content-Length plus one, at most 102400 bytes; 10240 bytes when the
// answer states no length.
DWORD PieceSize(HINTERNET request) {
    DWORD length = 0;
    DWORD size = sizeof length;
    if (HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size,
                       nullptr) &&
        length > 0) {
        return static_cast<DWORD>(std::min<ULONGLONG>(ULONGLONG{length} + 1, kLargestPiece));
    }
    return kPieceWithoutLength;
}

Bytes ReadBody(HINTERNET request) {
    const DWORD pieceSize = PieceSize(request);
    Bytes buffer = BlankBytes(static_cast<std::int32_t>(pieceSize));
    Bytes result;
    DWORD count = 0;
    while (InternetReadFile(request, buffer.data(), pieceSize, &count) && count > 0) {
        result =
            BytesConcat(std::move(result), BytesLeft(buffer, static_cast<std::int32_t>(count)));
    }
    return result;
}

// The URL up to the byte before its first "#".
Text CutAtFragment(const Text& url) {
    const std::int32_t hash = TextFind(url, "#", 1, false);
    return hash >= 1 ? TextLeft(url, hash - 1) : url;
}

} // namespace

bool IsOnline(const Text& probeUrl) {
    DWORD state = 0;
    if (!InternetGetConnectedState(&state, 0)) {
        return false;
    }
    const InternetHandle session(
        InternetOpenA(kProbeUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return false;
    }
    // Opened in steps rather than with InternetOpenUrlA, whose request is sent before any
    // time-out could be set on it.
    const InternetHandle connection(
        InternetConnectA(session.get(), UrlGetHost(probeUrl).c_str(),
                         static_cast<INTERNET_PORT>(UrlGetPort(probeUrl)), nullptr, nullptr,
                         INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        return false;
    }
    SetDefaultTimeouts(connection.get());
    const InternetHandle request(HttpOpenRequestA(connection.get(), "GET", "/", nullptr, nullptr,
                                                  nullptr, INTERNET_FLAG_RELOAD, 0));
    if (!request) {
        return false;
    }
    SetDefaultTimeouts(request.get());
    return HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0) != FALSE;
}

Bytes FetchUrl(const Text& url) {
    const std::optional<Text> canonical = Canonicalize(CutAtFragment(url));
    const std::optional<UrlParts> parts = canonical ? SplitUrl(*canonical) : std::nullopt;
    if (!parts) {
        return Bytes();
    }
    const HINTERNET session = FetchSession();
    if (!session) {
        return Bytes();
    }
    const InternetHandle connection(InternetConnectA(session, parts->host.c_str(), parts->port,
                                                     OrNull(parts->user), OrNull(parts->password),
                                                     INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        return Bytes();
    }
    UsePreconfiguredProxy(session);
    SetDefaultTimeouts(connection.get());
    const InternetHandle request(
        HttpOpenRequestA(connection.get(), "GET", parts->object.c_str(), "HTTP/1.0", nullptr,
                         nullptr, INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
    if (!request) {
        return Bytes();
    }
    SetDefaultTimeouts(request.get());
    if (!HttpSendRequestA(request.get(), kAcceptHeaders, sizeof kAcceptHeaders - 1, nullptr, 0)) {
        return Bytes();
    }
    return ReadBody(request.get());
}
