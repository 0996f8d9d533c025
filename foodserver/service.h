#pragma once
// The food service: answers a request target with a reply, independent of the HTTP library.
#include "foodindex.h"
#include "query.h"
#include "store.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace foodserver {

struct ServiceOptions
{
    std::string dbPath = "foodserver.db";
    std::string dataset = "usda-sr28";
    std::string minVersion = "2.12";
    std::size_t maxResults = 200;
    int keepCheckinDays = 90; // 0: check-ins are not stored
};

struct Reply
{
    int status = 200;
    std::string contentType;
    std::string body;
};

class FoodService
{
public:
    // Opens the database, fills it from the bundled table when it is fresh and loads the foods.
    static std::unique_ptr<FoodService> open(const ServiceOptions& options, std::string& error);

    // Answers one GET request; the target is the raw request target (path and query).
    Reply handle(std::string_view target, std::string_view peer);

    const std::string& dataset() const { return dataset_; }
    std::size_t foodCount() const { return index_.size(); }
    Store& store() { return *store_; }

    // Where problems that do not reach the client (a check-in that could not be stored) go.
    void setWarningSink(std::function<void(const std::string&)> sink) { warn_ = std::move(sink); }

private:
    FoodService(ServiceOptions options, std::unique_ptr<Store> store);
    Reply search(const QueryParams& query) const;
    Reply submit(const QueryParams& query, std::string_view peer);
    Reply checkin(const QueryParams& query, std::string_view peer);
    Reply homePage() const;

    ServiceOptions options_;
    std::unique_ptr<Store> store_;
    FoodIndex index_;
    std::string dataset_;
    std::function<void(const std::string&)> warn_;
};

} // namespace foodserver
