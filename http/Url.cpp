// URL splitting on Text: only "http://" in any case is a scheme, only "/" ends the host,
// and the first ":" of the host part starts the port.
#include "Url.h"

#include "text/TextConvert.h"

namespace {

constexpr std::int32_t kSchemeLength = 7; // "http://"

// Position of the host's first byte: just after the scheme, or 1 without one.
std::int32_t HostStart(const Text& url) {
    const bool scheme = TextCompare(TextLeft(url, kSchemeLength), "http://", false) == 0;
    return scheme ? kSchemeLength + 1 : 1;
}

// What lies between the scheme, if any, and the first "/" after it.
Text ServerText(const Text& url) {
    const std::int32_t start = HostStart(url);
    const std::int32_t slash = TextFind(url, "/", start, true);
    if (slash == -1) {
        return TextReplaceAt(url, 1, start - 1);
    }
    return TextMid(url, start, slash - start);
}

} // namespace

Text UrlGetHost(const Text& url) {
    Text server = ServerText(url);
    const std::int32_t colon = TextFind(server, ":", 1, true);
    if (colon != -1) {
        server = TextLeft(server, colon - 1);
    }
    return TextToLower(server);
}

std::int32_t UrlGetPort(const Text& url) {
    const Text server = ServerText(url);
    const std::int32_t colon = TextFind(server, ":", 1, true);
    const Text port = colon == -1 ? Text("80") : TextRight(server, TextLength(server) - colon);
    return RealToInteger32(TextToNumber(port));
}

// The path begins at the first "/" from the host on. The host is looked for from where
// it stands, not from the URL's first byte: a host such as "p" or "t" would otherwise be
// found inside "http://" and the path would begin with the scheme's slashes.
Text UrlGetPath(const Text& url) {
    const std::int32_t slash = TextFind(url, "/", HostStart(url), true);
    if (slash == -1) {
        return "/";
    }
    return TextRight(url, TextLength(url) - slash + 1);
}
