#include "foodserver/httpserver.h"

#include <httplib.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <netdb.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace foodserver {

namespace {

// Every open connection holds a worker for as long as it is kept alive, and connections beyond
// the workers wait in a queue. The workers mostly wait on sockets, so there are enough for a
// hundred clients at once; a kept-alive connection is closed after kKeepAliveRequests requests (as
// many as nginx allows) so that waiting connections get their turn.
constexpr std::size_t kWorkerThreads = 128;
constexpr std::size_t kKeepAliveRequests = 1000;

std::string timestamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[40];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
    std::snprintf(text + n, sizeof text - n, ".%03dZ", int(millis));
    return text;
}

std::string statusText(int status)
{
    switch (status) {
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 413:
        return "Payload Too Large";
    case 414:
        return "URI Too Long";
    case 416:
        return "Range Not Satisfiable";
    default:
        return "Error " + std::to_string(status);
    }
}

// Only SO_REUSEADDR, so a restart can bind while old connections linger in TIME_WAIT. The
// library's own default adds SO_REUSEPORT, with which a second server on a busy port binds
// without complaint and the kernel then splits the connections between the two.
void setListenSocketOptions(int sock)
{
    const int yes = 1;
    ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

// Why host:port cannot be bound, found by binding a socket of our own as the library would:
// "" when it can be bound after all.
std::string bindFailure(const std::string& host, int port)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (const int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found); rc != 0)
        return "cannot resolve " + host + ": " + ::gai_strerror(rc);
    std::string reason;
    for (const addrinfo* a = found; a; a = a->ai_next) {
        const int sock = ::socket(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (sock < 0) {
            reason = std::strerror(errno);
            continue;
        }
        setListenSocketOptions(sock);
        const bool bound = ::bind(sock, a->ai_addr, a->ai_addrlen) == 0;
        const int bindError = errno;
        ::close(sock);
        if (bound) {
            reason.clear();
            break;
        }
        reason =
            bindError == EADDRINUSE ? "port " + service + " is already in use" : std::strerror(bindError);
    }
    ::freeaddrinfo(found);
    return reason;
}

} // namespace

void writeLogLine(const std::string& line)
{
    std::string withEnd = line + "\n";
    const char* p = withEnd.data();
    std::size_t left = withEnd.size();
    while (left > 0) {
        const ssize_t n = ::write(STDERR_FILENO, p, left);
        if (n <= 0)
            return;
        p += n;
        left -= std::size_t(n);
    }
}

std::string printableTarget(std::string_view target)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : target) {
        if (out.size() >= 200) {
            out += "...";
            break;
        }
        const auto b = static_cast<unsigned char>(c);
        if (b > 0x20 && b < 0x7F) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(hex[b >> 4]);
            out.push_back(hex[b & 15]);
        }
    }
    return out;
}

HttpServer::HttpServer(FoodService& service)
    : service_(service), server_(std::make_unique<httplib::Server>()), log_(writeLogLine)
{
    server_->new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
    // The listening socket is kept to widen its backlog after binding (see bind()).
    server_->set_socket_options([this](int sock) {
        setListenSocketOptions(sock);
        listenSocket_ = sock;
    });
    server_->set_tcp_nodelay(true); // headers and body go out in separate writes
    server_->set_keep_alive_max_count(kKeepAliveRequests);
    server_->set_keep_alive_timeout(5);
    server_->set_read_timeout(5);
    server_->set_write_timeout(5);
    server_->set_payload_max_length(64 * 1024);

    server_->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        if (req.method != "GET" && req.method != "HEAD") {
            res.status = 405;
            res.set_header("Allow", "GET, HEAD");
            res.set_content("Method Not Allowed\n", "text/plain");
            return httplib::Server::HandlerResponse::Handled;
        }
        Reply reply = service_.handle(req.target, req.remote_addr);
        res.status = reply.status;
        res.set_content(std::move(reply.body), reply.contentType.c_str());
        return httplib::Server::HandlerResponse::Handled;
    });
    // Answers that httplib makes itself (bad request, unknown method, too long) get a short body.
    server_->set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty())
            res.set_content(statusText(res.status) + "\n", "text/plain");
    });
    server_->set_exception_handler(
        [this](const httplib::Request&, httplib::Response& res, std::exception_ptr ep) {
            std::string what = "unknown error";
            try {
                std::rethrow_exception(ep);
            } catch (const std::exception& e) {
                what = e.what();
            } catch (...) {
            }
            if (log_)
                log_(timestamp() + " internal error: " + what);
            res.status = 500;
            res.set_content("Internal server error\n", "text/plain");
        });
    server_->set_logger([this](const httplib::Request& req, const httplib::Response& res) {
        if (!log_)
            return;
        log_(timestamp() + " " + (req.remote_addr.empty() ? "-" : req.remote_addr) + " " +
             printableTarget(req.method.empty() ? "-" : req.method) + " " +
             printableTarget(req.target.empty() ? "-" : maskPersonalValues(req.target)) + " " +
             std::to_string(res.status) + " " + std::to_string(res.body.size()));
    });
}

HttpServer::~HttpServer() = default;

bool HttpServer::bind(const std::string& host, int port, std::string& error)
{
    if (port == 0) {
        port_ = server_->bind_to_any_port(host);
        if (port_ < 0) {
            error = "cannot listen on " + host;
            return false;
        }
    } else {
        if (!server_->bind_to_port(host, port)) {
            const std::string reason = bindFailure(host, port);
            error = "cannot listen on " + host + ":" + std::to_string(port) +
                    (reason.empty() ? "" : ": " + reason);
            return false;
        }
        port_ = port;
    }
    // The HTTP library listens with a backlog of 5: clients connecting in a burst then have their
    // connection attempts dropped and retried by the kernel after 1, 3, 7, 15 ... seconds.
    // Listening again on the bound socket sets the backlog the system allows.
    if (listenSocket_ >= 0)
        ::listen(listenSocket_, SOMAXCONN);
    return true;
}

bool HttpServer::run()
{
    running_ = true;
    if (stopRequested_) {
        running_ = false;
        return true;
    }
    const bool ok = server_->listen_after_bind();
    running_ = false;
    return ok;
}

void HttpServer::stop()
{
    stopRequested_ = true;
    // httplib ignores stop() until its accept loop runs; wait for that when run() has begun.
    while (running_ && !server_->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    server_->stop();
}

} // namespace foodserver
