#pragma once
// The server's database: foods, submissions and check-ins in one SQLite file (WAL mode).
// Every statement is prepared with bound values. Safe to use from several threads.
#include "food.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;

namespace foodserver {

struct Submission
{
    std::string name; // Windows-1252 bytes
    FoodValues values;
    std::string remarks;
    std::string sender;
};

class Store
{
public:
    // Opens or creates the database and its tables; nothing on failure, with the reason.
    static std::unique_ptr<Store> open(const std::string& path, std::string& error);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // The bundled table the database was filled from; empty for a fresh database.
    std::string dataset();
    // Fills a fresh database with a table in one transaction: all or nothing.
    bool importFoods(std::string_view dataset, const std::vector<Food>& foods, std::string& error);
    bool loadFoods(std::vector<Food>& foods, std::string& error);

    // Stores a submitted food (not checked yet) with its submission details in one transaction.
    std::optional<Food> addSubmission(const Submission& submission, std::string_view peer,
                                      std::string& error);
    // Stores one check-in: every key/value pair (Windows-1252 bytes), the time and the peer.
    bool recordCheckin(const std::vector<std::pair<std::string, std::string>>& values, std::string_view peer,
                       std::string& error);
    std::int64_t checkinCount();

private:
    explicit Store(sqlite3* db);
    bool run(const char* sql, std::string& error);
    bool inTransaction(const std::function<bool()>& body, std::string& error);

    std::mutex mutex_;
    sqlite3* db_;
};

} // namespace foodserver
