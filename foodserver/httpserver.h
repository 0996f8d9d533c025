#pragma once
// Serves a FoodService over HTTP/1.1 with cpp-httplib.
#include "foodserver/service.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace httplib {
class Server;
}

namespace foodserver {

class HttpServer
{
public:
    explicit HttpServer(FoodService& service);
    ~HttpServer();

    // Binds the listening socket; port 0 takes a free port. False with a reason on failure.
    bool bind(const std::string& host, int port, std::string& error);
    int port() const { return port_; }
    // Serves until stop() is called (from another thread or a signal waiter).
    bool run();
    // Safe from any thread at any time, also before run() has started listening.
    void stop();

    // One line per request: time, peer, method, target, status, body size. Default: stderr.
    void setLogSink(std::function<void(const std::string&)> sink) { log_ = std::move(sink); }

private:
    FoodService& service_;
    std::unique_ptr<httplib::Server> server_;
    int port_ = 0;
    int listenSocket_ = -1;
    std::atomic<bool> running_ = false;
    std::atomic<bool> stopRequested_ = false;
    std::function<void(const std::string&)> log_;
};

// Writes one line to stderr in a single write, so lines of parallel requests do not mix.
void writeLogLine(const std::string& line);

// A request target as it may appear in a log line: printable ASCII only, at most 200 characters.
std::string printableTarget(std::string_view target);

} // namespace foodserver
