// Times WebRequest against a bare InternetReadFile loop of 512-byte reads on the same
// loopback bodies, to show that collecting the body costs little and grows linearly. A
// third loop, the bare one with the window-event pump before each read, shows how much of
// the difference is the pump itself (a wineserver round trip per read under Wine).
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "LoopbackServer.h"
#include "http/Internet.h"
#include "http/Url.h"
#include "http/WebRequest.h"
#include "ui/MessageLoop.h"

namespace {

constexpr int kRepetitions = 5;
constexpr std::size_t kMebibyte = 1024 * 1024;
constexpr std::size_t kSizes[] = {1, 4, 16, 32};

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The same request as WebRequest's GET, then nothing but 512-byte reads into one string,
// with or without the event pump before each read.
std::size_t BareLoop(const Text& url, bool pump) {
    const InternetHandle session(InternetOpenA("bench", INTERNET_OPEN_TYPE_DIRECT, "", "", 0));
    const InternetHandle connection(InternetConnectA(session.get(), UrlGetHost(url).c_str(),
                                                     static_cast<INTERNET_PORT>(UrlGetPort(url)),
                                                     "", "", INTERNET_SERVICE_HTTP, 0, 0));
    const InternetHandle request(HttpOpenRequestA(connection.get(), "GET", UrlGetPath(url).c_str(),
                                                  "HTTP/1.1", nullptr, nullptr,
                                                  INTERNET_FLAG_RELOAD, 0));
    HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0);
    std::string body;
    char buffer[512];
    DWORD count = 1;
    while (count > 0) {
        if (pump) {
            ProcessPendingWindowEvents();
        }
        count = 0;
        InternetReadFile(request.get(), buffer, sizeof buffer, &count);
        body.append(buffer, count);
    }
    return body.size();
}

struct Contender {
    const char* name;
    std::function<std::size_t(const Text&)> run;
    double best = 1e9;
};

} // namespace

int main() {
    LoopbackServer server;
    Contender contenders[] = {
        {"WebRequest",
         [](const Text& url) {
             return std::size_t(BytesLength(WebRequest(url)));
         }},
        {"bare loop",
         [](const Text& url) {
             return BareLoop(url, false);
         }},
        {"bare+pump",
         [](const Text& url) {
             return BareLoop(url, true);
         }},
    };
    double webRequest16 = 0, bare16 = 0, webRequest32 = 0;
    std::printf("%4s %12s %12s %12s %10s %10s %12s\n", "MiB", "WebRequest s", "bare loop s",
                "bare+pump s", "WR/bare", "WR/pump", "us per read");
    for (const std::size_t mebibytes : kSizes) {
        const std::size_t size = mebibytes * kMebibyte;
        const std::string path = "/body" + std::to_string(mebibytes);
        server.On(path, Reply::Answer(std::string(size, 'b')));
        const Text url(server.Url(path).c_str());
        // Repetitions interleaved, so that a slow spell of the machine hits every contender.
        for (Contender& contender : contenders) {
            contender.best = 1e9;
        }
        for (int repetition = 0; repetition < kRepetitions; ++repetition) {
            for (Contender& contender : contenders) {
                const double start = Now();
                const std::size_t read = contender.run(url);
                const double seconds = Now() - start;
                if (read != size) {
                    std::printf("%s read %zu bytes instead of %zu\n", contender.name, read, size);
                    return 1;
                }
                contender.best = std::min(contender.best, seconds);
            }
        }
        const double routine = contenders[0].best, bare = contenders[1].best,
                     pumped = contenders[2].best;
        std::printf("%4zu %12.3f %12.3f %12.3f %10.3f %10.3f %12.1f\n", mebibytes, routine, bare,
                    pumped, routine / bare, routine / pumped, routine * 1e6 / (size / 512.0));
        std::fflush(stdout);
        if (mebibytes == 16) {
            webRequest16 = routine;
            bare16 = bare;
        } else if (mebibytes == 32) {
            webRequest32 = routine;
        }
        server.On(path, Reply::Answer(""));
    }
    std::printf("ratio16=%.3f growth32/16=%.3f\n", webRequest16 / bare16,
                webRequest32 / webRequest16);
    return 0;
}
