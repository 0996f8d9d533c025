// foodserver: the reference food server of Dietlens.
#include "foodserver/httpserver.h"
#include "foodserver/options.h"

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <thread>

using namespace foodserver;

int main(int argc, char** argv)
{
    const ParsedArguments parsed = parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::fputs(usage().c_str(), stdout);
        return 0;
    }
    if (parsed.version) {
        std::fputs(versionText().c_str(), stdout);
        return 0;
    }
    if (!parsed.ok) {
        std::fprintf(stderr, "foodserver: %s\nTry 'foodserver --help'.\n", parsed.error.c_str());
        return 2;
    }
    const Options& options = parsed.options;

    // SIGINT and SIGTERM are taken by sigwait below; every thread started from here on
    // inherits the blocked mask, so the signal never interrupts a request half way.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::string error;
    std::unique_ptr<FoodService> service = FoodService::open(options.service, error);
    if (!service) {
        std::fprintf(stderr, "foodserver: %s\n", error.c_str());
        return 1;
    }
    service->setWarningSink([](const std::string& line) { writeLogLine("foodserver: " + line); });
    if (!service->dataset().empty() && service->dataset() != options.service.dataset) {
        writeLogLine("foodserver: " + Store::displayName(options.service.dbPath) + " already holds " +
                     service->dataset() + "; --dataset only fills a new database");
    }

    HttpServer server(*service);
    if (!server.bind(options.host, options.port, error)) {
        std::fprintf(stderr, "foodserver: %s\n", error.c_str());
        return 1;
    }
    writeLogLine("foodserver: serving " + std::to_string(service->foodCount()) + " foods (" +
                 service->dataset() + ") from " + Store::displayName(options.service.dbPath) + " on http://" +
                 options.host + ":" + std::to_string(server.port()) + "/");

    bool served = true;
    std::thread serving([&] { served = server.run(); });
    int received = 0;
    sigwait(&stopSignals, &received);
    writeLogLine(std::string("foodserver: ") + (received == SIGINT ? "SIGINT" : "SIGTERM") + ", stopping");
    server.stop();
    serving.join();
    service.reset(); // closes the database
    return served ? 0 : 1;
}
