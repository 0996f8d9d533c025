#pragma once
// The food service: answers a request target with a reply, independent of the HTTP library.
#include "foodserver/foodindex.h"
#include "foodserver/query.h"
#include "foodserver/store.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace foodserver {

struct ServiceOptions
{
    std::string dbPath = "foodserver.db";
    std::string dataset = "usda-sr28";
    std::string minVersion = "2.12";
    std::size_t maxResults = 200;
    int keepCheckinDays = 90; // 0: check-ins are not stored
    // How often the database is asked for foods that other servers stored.
    std::chrono::milliseconds refreshInterval{250};
    std::chrono::seconds cleanupInterval{3600};
};

struct Reply
{
    int status = 200;
    std::string contentType;
    std::string body;
};

// Searches are answered from an index in memory. Foods that other servers (other processes, on
// this machine or on others) store in the same database reach the index through a background
// thread that asks the database for newer revisions every refreshInterval; a server's own
// submission is in its index before it answers "OK". The same thread deletes old check-ins.
class FoodService
{
public:
    // Opens the database, creates or migrates its schema, fills it from the bundled table when
    // it is fresh, loads the foods and starts the background thread.
    static std::unique_ptr<FoodService> open(const ServiceOptions& options, std::string& error);
    ~FoodService();

    // Answers one GET request; the target is the raw request target (path and query).
    Reply handle(std::string_view target, std::string_view peer);

    const std::string& dataset() const { return dataset_; }
    std::size_t foodCount() const { return index_.size(); }
    Store& store() { return *store_; }

    // Where problems that do not reach the client (a check-in that could not be stored) go.
    void setWarningSink(std::function<void(const std::string&)> sink);

private:
    FoodService(ServiceOptions options, std::unique_ptr<Store> store, OtherNames otherNames);
    // Adds the foods stored since the last look; false with a reason when the database failed.
    bool refresh(std::string& error);
    bool deleteOldCheckins(std::string& error);
    void background();
    void warn(const std::string& line);
    Reply search(const QueryParams& query) const;
    Reply submit(const QueryParams& query, std::string_view peer);
    Reply checkin(const QueryParams& query, std::string_view peer);
    Reply homePage() const;

    ServiceOptions options_;
    std::unique_ptr<Store> store_;
    FoodIndex index_;
    std::string dataset_;
    std::function<void(const std::string&)> warn_;
    std::mutex warnMutex_;

    std::mutex refreshMutex_; // one refresh at a time
    std::int64_t revision_ = -1;

    std::mutex stopMutex_;
    std::condition_variable stopSignal_;
    bool stopping_ = false;
    std::thread background_;
};

} // namespace foodserver
