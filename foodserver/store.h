#pragma once
// The server's database: foods, submissions and check-ins. Two engines hold it: an SQLite file
// (WAL mode) for one machine, and a PostgreSQL database that any number of servers share.
//
// Every food carries a revision: 0 for the bundled table, and for each stored submission the
// next value of one counter, taken inside the submission's transaction. The counter's row stays
// locked until that transaction ends, so revisions become visible in their order and without
// gaps; a server that has read every food up to revision N finds all newer ones, from any
// process, as "revision > N". Every statement is prepared with bound values. Safe to use from
// several threads.
#include "foodserver/food.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace foodserver {

// The schema this program writes; older ones are migrated at start, newer ones refused.
inline constexpr int kSchemaVersion = 2;

struct Submission
{
    std::string name; // Windows-1252 bytes
    FoodValues values;
    std::string remarks;
    std::string sender;
};

using CheckinValues = std::vector<std::pair<std::string, std::string>>;
// Supplies the foods of a fresh database; false with a reason when it cannot.
using TableSource = std::function<bool(std::vector<Food>& foods, std::string& error)>;

// The check-in keys in the order the client sends them; each gets a column.
inline constexpr std::string_view kCheckinKeys[] = {"code",    "naam",         "email",   "comnaam",
                                                    "winuser", "opdrachten",   "traffic", "appver",
                                                    "taal",    "toevoegingen", "winver"};

class Store
{
public:
    // "postgresql://..." or "postgres://..." opens a PostgreSQL database, anything else is the
    // path of an SQLite file. Nothing on failure, with the reason.
    static std::unique_ptr<Store> open(const std::string& location, std::string& error);
    static bool isPostgresAddress(std::string_view location);
    // The location as it may be shown: a password in an address is masked.
    static std::string displayName(const std::string& location);

    virtual ~Store() = default;
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Creates or migrates the schema, then fills a database that holds no foods and no dataset
    // from the table; one transaction under one lock, so servers starting together on a new
    // database fill it once.
    virtual bool prepare(std::string_view dataset, const TableSource& table, std::string& error) = 0;
    // The bundled table the database was filled from; empty for a fresh database.
    virtual std::string dataset() = 0;
    // The foods of revisions above `after` (-1 for every food); `latest` becomes the highest
    // revision read and stays as it was when there is none.
    virtual bool foodsAfter(std::int64_t after, std::vector<Food>& foods, std::int64_t& latest,
                            std::string& error) = 0;
    // Stores a submitted food (not checked yet) with its details in one transaction; true only
    // once it is committed.
    virtual bool addSubmission(const Submission& submission, std::string_view peer, std::string& error) = 0;
    // Stores one check-in: the values of the known keys (Windows-1252 bytes), time and peer.
    virtual bool recordCheckin(const CheckinValues& values, std::string_view peer, std::string& error) = 0;
    // Deletes the check-ins received before the time ("YYYY-MM-DDTHH:MM:SSZ").
    virtual bool deleteCheckinsBefore(const std::string& utcTime, std::string& error) = 0;

protected:
    Store() = default;
};

// The time as the database holds it: "YYYY-MM-DDTHH:MM:SSZ", UTC.
std::string utcTime(std::int64_t secondsSinceEpoch);
std::int64_t secondsNow();

// The value of a check-in key, nothing when the client did not send it.
const std::string* checkinValue(const CheckinValues& values, std::string_view key);

// A stored name as a reply field: Windows-1252 bytes (a name that is not valid UTF-8 is taken as
// it is), cleaned like a submitted one.
std::string storedName(std::string_view utf8);

std::unique_ptr<Store> openSqliteStore(const std::string& path, std::string& error);
std::unique_ptr<Store> openPostgresStore(const std::string& address, std::string& error);

} // namespace foodserver
