// A scripted HTTP server on 127.0.0.1 that runs on threads inside the test program: it
// records every request as it arrived and answers each path with a scripted reply.
#pragma once

#include <winsock2.h>

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

struct RecordedRequest {
    std::string raw; // every byte of the request, as received
    std::string requestLine;
    std::vector<std::string> headerLines; // without their CR LF
    std::string body;                     // as long as the request's Content-Length says

    // The headers with the given names, in the order they were sent ("Name: value").
    std::vector<std::string> LinesNamed(const std::vector<std::string>& names) const;
    // The value of the first header of that name (any case); empty when there is none.
    std::string Header(std::string_view name) const;
    // The request target of the request line ("/path?query" or a proxy's full URL).
    std::string Target() const;
};

// What the server sends for one request: bytes, in pieces with pauses when dripped, and
// then either waits for the next request on the same connection or closes it.
struct Reply {
    std::string bytes;
    std::size_t piece = 0; // 0: everything at once
    unsigned pauseMilliseconds = 0;
    bool closeAfter = false;
    bool neverAnswer = false; // holds the connection open, silent, until the server stops

    // "HTTP/1.1 <status>" with a Content-Length and the extra header lines given.
    static Reply Answer(std::string_view body, std::string_view status = "200 OK",
                        std::string_view extraHeaderLines = "");
    // An HTTP/1.0 answer without a length, ended by closing the connection.
    static Reply UntilClose(std::string_view body);
    // Announces a Content-Length of `announced` bytes, sends `body`, then closes.
    static Reply CutShort(std::string_view body, std::size_t announced);
    static Reply Chunked(const std::vector<std::string>& chunks);
    static Reply Redirect(std::string_view location);
    static Reply NeverAnswer();
    // Reads the request, then closes without a byte of answer.
    static Reply Close();

    Reply Dripped(std::size_t pieceSize, unsigned pauseMilliseconds) const;
};

class LoopbackServer {
public:
    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::uint16_t Port() const { return port_; }
    // "http://127.0.0.1:<port>" followed by the path.
    std::string Url(std::string_view path) const;

    // The reply to requests whose target's path (the part before "?") is `path`. Paths
    // without a reply of their own get the fallback, a 404 unless set.
    void On(const std::string& path, Reply reply);
    void OnAnyOtherPath(Reply reply);

    std::vector<RecordedRequest> Requests() const;
    std::size_t RequestCount() const;

    // Stops listening, ends every connection at its next wait and waits for the threads.
    void Stop();

private:
    void AcceptLoop();
    void Serve(SOCKET connection);
    bool WaitUntilReadable(SOCKET connection) const;
    bool ReceiveMore(SOCKET connection, std::string& pending) const;
    bool ReceiveRequest(SOCKET connection, std::string& pending, RecordedRequest& request) const;
    Reply ReplyFor(const RecordedRequest& request) const;
    bool Send(SOCKET connection, const Reply& reply);

    SOCKET listener_ = INVALID_SOCKET;
    std::uint16_t port_ = 0;
    std::thread acceptThread_;

    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    std::map<std::string, Reply> replies_;
    Reply fallback_;
    std::vector<RecordedRequest> requests_;
    std::vector<std::thread> connectionThreads_;
};

// A port on 127.0.0.1 where nothing listens: bound once, then closed.
std::uint16_t ClosedPort();
