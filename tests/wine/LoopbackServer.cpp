// The scripted loopback server: one thread accepts, one thread per connection reads
// requests (headers up to the blank line, then Content-Length bytes) and sends replies.
#include "LoopbackServer.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view NameOf(std::string_view line) {
    return line.substr(0, line.find(':'));
}

std::string Status(std::string_view status, std::string_view headerLines) {
    return "HTTP/1.1 " + std::string(status) + "\r\n" + std::string(headerLines) + "\r\n";
}

// Every line of the head after the request line, without CR LF.
std::vector<std::string> SplitLines(std::string_view head) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < head.size();) {
        const std::size_t end = head.find("\r\n", start);
        lines.emplace_back(head.substr(start, end - start));
        start = end == std::string_view::npos ? head.size() : end + 2;
    }
    return lines;
}

} // namespace

std::vector<std::string> RecordedRequest::LinesNamed(const std::vector<std::string>& names) const {
    std::vector<std::string> found;
    for (const std::string& line : headerLines) {
        if (std::any_of(names.begin(), names.end(),
                        [&](const std::string& name) { return SameLetters(NameOf(line), name); })) {
            found.push_back(line);
        }
    }
    return found;
}

std::string RecordedRequest::Header(std::string_view name) const {
    for (const std::string& line : headerLines) {
        if (SameLetters(NameOf(line), name)) {
            const std::size_t value = line.find_first_not_of(' ', name.size() + 1);
            return value == std::string::npos ? "" : line.substr(value);
        }
    }
    return "";
}

std::string RecordedRequest::Target() const {
    const std::size_t start = requestLine.find(' ');
    const std::size_t end = requestLine.rfind(' ');
    return start == end ? "" : requestLine.substr(start + 1, end - start - 1);
}

Reply Reply::Answer(std::string_view body, std::string_view status,
                    std::string_view extraHeaderLines) {
    Reply reply;
    reply.bytes =
        Status(status, "Content-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
                           "\r\n" + std::string(extraHeaderLines)) +
        std::string(body);
    return reply;
}

Reply Reply::UntilClose(std::string_view body) {
    Reply reply;
    reply.bytes = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + std::string(body);
    reply.closeAfter = true;
    return reply;
}

Reply Reply::CutShort(std::string_view body, std::size_t announced) {
    Reply reply;
    reply.bytes = Status("200 OK", "Content-Length: " + std::to_string(announced) + "\r\n") +
                  std::string(body);
    reply.closeAfter = true;
    return reply;
}

Reply Reply::Chunked(const std::vector<std::string>& chunks) {
    Reply reply;
    reply.bytes = Status("200 OK", "Transfer-Encoding: chunked\r\n");
    char size[16];
    for (const std::string& chunk : chunks) {
        std::snprintf(size, sizeof size, "%zx\r\n", chunk.size());
        reply.bytes += size + chunk + "\r\n";
    }
    reply.bytes += "0\r\n\r\n";
    return reply;
}

Reply Reply::Redirect(std::string_view location) {
    Reply reply;
    reply.bytes =
        Status("302 Found", "Location: " + std::string(location) + "\r\nContent-Length: 0\r\n");
    return reply;
}

Reply Reply::NeverAnswer() {
    Reply reply;
    reply.neverAnswer = true;
    return reply;
}

Reply Reply::Close() {
    Reply reply;
    reply.closeAfter = true;
    return reply;
}

Reply Reply::Dripped(std::size_t pieceSize, unsigned pauseMilliseconds) const {
    Reply reply = *this;
    reply.piece = pieceSize;
    reply.pauseMilliseconds = pauseMilliseconds;
    return reply;
}

LoopbackServer::LoopbackServer() : fallback_(Reply::Answer("no such page", "404 Not Found")) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, SOMAXCONN);
    int length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    acceptThread_ = std::thread([this] { AcceptLoop(); });
}

LoopbackServer::~LoopbackServer() {
    Stop();
    WSACleanup();
}

std::string LoopbackServer::Url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

void LoopbackServer::On(const std::string& path, Reply reply) {
    std::lock_guard lock(mutex_);
    replies_[path] = std::move(reply);
}

void LoopbackServer::OnAnyOtherPath(Reply reply) {
    std::lock_guard lock(mutex_);
    fallback_ = std::move(reply);
}

std::vector<RecordedRequest> LoopbackServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::size_t LoopbackServer::RequestCount() const {
    std::lock_guard lock(mutex_);
    return requests_.size();
}

void LoopbackServer::Stop() {
    std::vector<std::thread> threads;
    {
        std::lock_guard lock(mutex_);
        if (stopping_) {
            return;
        }
        stopping_ = true;
        closesocket(listener_); // ends the accept loop
    }
    stopped_.notify_all();
    acceptThread_.join();
    {
        std::lock_guard lock(mutex_);
        threads.swap(connectionThreads_);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
}

void LoopbackServer::AcceptLoop() {
    for (;;) {
        const SOCKET connection = accept(listener_, nullptr, nullptr);
        std::lock_guard lock(mutex_);
        if (connection == INVALID_SOCKET || stopping_) {
            if (connection != INVALID_SOCKET) {
                closesocket(connection);
            }
            return;
        }
        connectionThreads_.emplace_back([this, connection] { Serve(connection); });
    }
}

Reply LoopbackServer::ReplyFor(const RecordedRequest& request) const {
    const std::string target = request.Target();
    std::lock_guard lock(mutex_);
    const auto found = replies_.find(target.substr(0, target.find('?')));
    return found == replies_.end() ? fallback_ : found->second;
}

bool LoopbackServer::Send(SOCKET connection, const Reply& reply) {
    const std::size_t piece = reply.piece ? reply.piece : 1 << 20;
    for (std::size_t sent = 0; sent < reply.bytes.size();) {
        if (sent > 0 && reply.pauseMilliseconds > 0) {
            std::unique_lock lock(mutex_);
            if (stopped_.wait_for(lock, std::chrono::milliseconds(reply.pauseMilliseconds),
                                  [this] { return stopping_; })) {
                return false;
            }
        }
        const int size = static_cast<int>(std::min(piece, reply.bytes.size() - sent));
        for (int done = 0; done < size;) {
            const int result = send(connection, reply.bytes.data() + sent + done, size - done, 0);
            if (result <= 0) {
                return false;
            }
            done += result;
        }
        sent += static_cast<std::size_t>(size);
    }
    return true;
}

// Wine's recv does not return when another thread shuts the socket down: waits are short
// and the stop flag is looked at between them.
bool LoopbackServer::WaitUntilReadable(SOCKET connection) const {
    for (;;) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval wait{0, 20000};
        if (select(0, &readable, nullptr, nullptr, &wait) != 0) {
            return true; // readable, closed or failed: recv tells which
        }
        std::lock_guard lock(mutex_);
        if (stopping_) {
            return false;
        }
    }
}

bool LoopbackServer::ReceiveMore(SOCKET connection, std::string& pending) const {
    char buffer[65536];
    if (!WaitUntilReadable(connection)) {
        return false;
    }
    const int received = recv(connection, buffer, sizeof buffer, 0);
    if (received <= 0) {
        return false;
    }
    pending.append(buffer, static_cast<std::size_t>(received));
    return true;
}

// Reads one whole request; false when the connection ends before one is complete.
bool LoopbackServer::ReceiveRequest(SOCKET connection, std::string& pending,
                                    RecordedRequest& request) const {
    std::size_t headEnd;
    while ((headEnd = pending.find("\r\n\r\n")) == std::string::npos) {
        if (!ReceiveMore(connection, pending)) {
            return false;
        }
    }
    std::vector<std::string> lines = SplitLines(std::string_view(pending).substr(0, headEnd));
    request.requestLine = lines.empty() ? "" : lines.front();
    request.headerLines.assign(lines.begin() + (lines.empty() ? 0 : 1), lines.end());
    const std::size_t bodyLength = std::stoul("0" + request.Header("Content-Length"));
    const std::size_t total = headEnd + 4 + bodyLength;
    while (pending.size() < total) {
        if (!ReceiveMore(connection, pending)) {
            return false;
        }
    }
    request.raw = pending.substr(0, total);
    request.body = pending.substr(headEnd + 4, bodyLength);
    pending.erase(0, total);
    return true;
}

void LoopbackServer::Serve(SOCKET connection) {
    std::string pending;
    RecordedRequest request;
    while (ReceiveRequest(connection, pending, request)) {
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(request);
        }
        const Reply reply = ReplyFor(request);
        if (reply.neverAnswer) {
            std::unique_lock lock(mutex_);
            stopped_.wait(lock, [this] { return stopping_; });
            break;
        }
        if (!Send(connection, reply) || reply.closeAfter) {
            break;
        }
    }
    shutdown(connection, SD_SEND);
    closesocket(connection);
}

std::uint16_t ClosedPort() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    const SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    closesocket(probe);
    WSACleanup();
    return ntohs(address.sin_port);
}
