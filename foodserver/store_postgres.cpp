// The PostgreSQL engine, through libpq. A few connections serve the requests, each used by one
// thread at a time; a connection that broke is opened again for the next request, so the
// server outlives a restart of the database. Names and texts are held as UTF-8.
#include "foodserver/store.h"

#include "foodserver/text.h"

#include <libpq-fe.h>

#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <mutex>

namespace foodserver {

namespace {

constexpr std::size_t kConnections = 4;
// The key of the lock that servers starting at once take while they create or fill the schema.
constexpr const char* kSchemaLock = "SELECT pg_advisory_xact_lock(7305121402)";

const char* const kCreateTables[] = {
    "CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS foods ("
    " id BIGSERIAL PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " kj REAL NOT NULL, kcal REAL NOT NULL,"
    " unsaturated_fat REAL NOT NULL, saturated_fat REAL NOT NULL,"
    " carbohydrates REAL NOT NULL, protein REAL NOT NULL, sodium REAL NOT NULL,"
    " checked BOOLEAN NOT NULL,"
    " revision BIGINT NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS foods_by_revision ON foods (revision)",
    "CREATE TABLE IF NOT EXISTS food_revision (id INTEGER PRIMARY KEY CHECK (id = 1), value BIGINT NOT NULL)",
    "INSERT INTO food_revision (id, value) VALUES (1, 0) ON CONFLICT DO NOTHING",
    "CREATE TABLE IF NOT EXISTS submissions ("
    " id BIGSERIAL PRIMARY KEY,"
    " food_id BIGINT NOT NULL REFERENCES foods(id),"
    " remarks TEXT NOT NULL, sender TEXT NOT NULL,"
    " peer TEXT NOT NULL, received TIMESTAMPTZ NOT NULL)",
    "CREATE TABLE IF NOT EXISTS checkins ("
    " id BIGSERIAL PRIMARY KEY,"
    " received TIMESTAMPTZ NOT NULL, peer TEXT NOT NULL,"
    " code TEXT, naam TEXT, email TEXT, comnaam TEXT, winuser TEXT, opdrachten TEXT,"
    " traffic TEXT, appver TEXT, taal TEXT, toevoegingen TEXT, winver TEXT)",
    "CREATE INDEX IF NOT EXISTS checkins_by_time ON checkins (received)",
};

// The foods of one table go in as statements of this many rows.
constexpr std::size_t kImportRows = 500;
constexpr int kFoodColumns = 9;

class Result
{
public:
    explicit Result(PGresult* result) : result_(result) {}
    ~Result() { PQclear(result_); }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;

    bool ok() const
    {
        const ExecStatusType status = PQresultStatus(result_);
        return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    }
    int rows() const { return PQntuples(result_); }
    std::string_view text(int row, int column) const
    {
        return {PQgetvalue(result_, row, column), std::size_t(PQgetlength(result_, row, column))};
    }
    std::string error() const
    {
        std::string message = result_ ? PQresultErrorMessage(result_) : "out of memory";
        while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
            message.pop_back();
        return message;
    }

private:
    PGresult* result_;
};

template <typename Number> Number parseNumber(std::string_view text)
{
    Number value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string valueText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Parameters as libpq takes them: texts, NULL where a pointer is null.
class Params
{
public:
    void add(std::string value)
    {
        values_.push_back(std::move(value));
        null_.push_back(false);
    }
    void addNull()
    {
        values_.emplace_back();
        null_.push_back(true);
    }
    void addValues(const FoodValues& v)
    {
        for (float value :
             {v.kj, v.kcal, v.unsaturatedFat, v.saturatedFat, v.carbohydrates, v.protein, v.sodium})
            add(valueText(value));
    }
    int count() const { return int(values_.size()); }
    std::vector<const char*> pointers() const
    {
        std::vector<const char*> out;
        for (std::size_t i = 0; i < values_.size(); ++i)
            out.push_back(null_[i] ? nullptr : values_[i].c_str());
        return out;
    }

private:
    std::vector<std::string> values_;
    std::vector<bool> null_;
};

class Connection
{
public:
    explicit Connection(std::string address) : address_(std::move(address)) {}
    ~Connection() { PQfinish(conn_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Connects when there is no usable connection.
    bool ready(std::string& error)
    {
        if (conn_ && PQstatus(conn_) == CONNECTION_OK)
            return true;
        PQfinish(conn_);
        conn_ = PQconnectdb(address_.c_str());
        if (PQstatus(conn_) != CONNECTION_OK) {
            error = PQerrorMessage(conn_);
            while (!error.empty() && error.back() == '\n')
                error.pop_back();
            PQfinish(conn_);
            conn_ = nullptr;
            return false;
        }
        PQsetClientEncoding(conn_, "UTF8");
        Result quiet(PQexec(conn_, "SET client_min_messages = warning"));
        return true;
    }

    Result exec(const char* sql) { return Result(PQexec(conn_, sql)); }
    Result exec(const std::string& sql, const Params& params)
    {
        const std::vector<const char*> values = params.pointers();
        return Result(
            PQexecParams(conn_, sql.c_str(), params.count(), nullptr, values.data(), nullptr, nullptr, 0));
    }

    // Runs the statements as one transaction.
    bool transaction(const std::function<bool(std::string&)>& body, std::string& error)
    {
        if (Result begin = exec("BEGIN"); !begin.ok()) {
            error = begin.error();
            return false;
        }
        if (!body(error)) {
            Result rollback = exec("ROLLBACK");
            return false;
        }
        Result commit = exec("COMMIT");
        if (!commit.ok()) {
            error = commit.error();
            return false;
        }
        return true;
    }

private:
    std::string address_;
    PGconn* conn_ = nullptr;
};

bool execOk(Connection& c, const char* sql, std::string& error)
{
    Result result = c.exec(sql);
    if (!result.ok())
        error = result.error();
    return result.ok();
}

class PostgresStore final : public Store
{
public:
    explicit PostgresStore(const std::string& address)
    {
        for (std::size_t i = 0; i < kConnections; ++i)
            pool_.push_back(std::make_unique<Connection>(address));
        for (auto& c : pool_)
            free_.push_back(c.get());
    }

    bool connect(std::string& error)
    {
        return withConnection([](Connection&, std::string&) { return true; }, error);
    }

    bool prepare(std::string_view dataset, const TableSource& table, std::string& error) override
    {
        return withConnection(
            [&](Connection& c, std::string& err) {
                return c.transaction(
                    [&](std::string& e) {
                        if (!execOk(c, kSchemaLock, e))
                            return false;
                        for (const char* sql : kCreateTables) {
                            if (!execOk(c, sql, e))
                                return false;
                        }
                        Result schema = c.exec("SELECT value FROM meta WHERE key = 'schema'");
                        const int version = schema.ok() && schema.rows() > 0
                                                ? parseNumber<int>(schema.text(0, 0))
                                                : kSchemaVersion;
                        if (version > kSchemaVersion) {
                            e = "the database has schema " + std::to_string(version) +
                                "; this foodserver knows " + std::to_string(kSchemaVersion) + " and older";
                            return false;
                        }
                        if (!execOk(c,
                                    "INSERT INTO meta (key, value) VALUES ('schema', '2') "
                                    "ON CONFLICT (key) DO UPDATE SET value = excluded.value",
                                    e))
                            return false;
                        Result filled = c.exec("SELECT (SELECT value FROM meta WHERE key = 'dataset'), "
                                               "EXISTS (SELECT 1 FROM foods)");
                        if (!filled.ok()) {
                            e = filled.error();
                            return false;
                        }
                        if (!filled.text(0, 0).empty() || filled.text(0, 1) == "t")
                            return true;
                        std::vector<Food> foods;
                        return table(foods, e) && importFoods(c, foods, e) && setDataset(c, dataset, e);
                    },
                    err);
            },
            error);
    }

    std::string dataset() override
    {
        std::string value;
        std::string error;
        withConnection(
            [&](Connection& c, std::string&) {
                Result r = c.exec("SELECT value FROM meta WHERE key = 'dataset'");
                if (r.ok() && r.rows() > 0)
                    value = std::string(r.text(0, 0));
                return r.ok();
            },
            error);
        return value;
    }

    bool foodsAfter(std::int64_t after, std::vector<Food>& foods, std::int64_t& latest,
                    std::string& error) override
    {
        return withConnection(
            [&](Connection& c, std::string& err) {
                Params params;
                params.add(std::to_string(after));
                Result r = c.exec(
                    "SELECT id, name, kj, kcal, unsaturated_fat, saturated_fat, carbohydrates, protein, "
                    "sodium, checked, revision FROM foods WHERE revision > $1 ORDER BY revision, id",
                    params);
                if (!r.ok()) {
                    err = r.error();
                    return false;
                }
                for (int row = 0; row < r.rows(); ++row) {
                    Food food;
                    food.id = parseNumber<std::int64_t>(r.text(row, 0));
                    food.name = storedName(r.text(row, 1));
                    FoodValues& v = food.values;
                    float* targets[] = {&v.kj,           &v.kcal,          &v.unsaturatedFat,
                                        &v.saturatedFat, &v.carbohydrates, &v.protein,
                                        &v.sodium};
                    for (int i = 0; i < 7; ++i)
                        *targets[i] = parseNumber<float>(r.text(row, 2 + i));
                    food.checked = r.text(row, 9) == "t";
                    latest = std::max(latest, parseNumber<std::int64_t>(r.text(row, 10)));
                    if (!food.name.empty())
                        foods.push_back(std::move(food));
                }
                return true;
            },
            error);
    }

    bool addSubmission(const Submission& submission, std::string_view peer, std::string& error) override
    {
        // One statement is one transaction. Taking the next revision locks the counter's row
        // until the commit, so the revisions of parallel submissions commit in their order.
        static const std::string sql =
            "WITH next AS (UPDATE food_revision SET value = value + 1 RETURNING value), "
            "food AS (INSERT INTO foods (name, kj, kcal, unsaturated_fat, saturated_fat, carbohydrates, "
            "protein, "
            "sodium, checked, revision) SELECT $1, $2, $3, $4, $5, $6, $7, $8, false, value FROM next "
            "RETURNING id) "
            "INSERT INTO submissions (food_id, remarks, sender, peer, received) "
            "SELECT id, $9, $10, $11, $12 FROM food";
        Params params;
        params.add(toUtf8(submission.name));
        params.addValues(submission.values);
        params.add(toUtf8(submission.remarks));
        params.add(toUtf8(submission.sender));
        params.add(std::string(peer));
        params.add(utcTime(secondsNow()));
        return withConnection(
            [&](Connection& c, std::string& err) {
                Result r = c.exec(sql, params);
                if (!r.ok())
                    err = r.error();
                return r.ok();
            },
            error);
    }

    bool recordCheckin(const CheckinValues& values, std::string_view peer, std::string& error) override
    {
        static const std::string sql =
            "INSERT INTO checkins (received, peer, code, naam, email, comnaam, winuser, opdrachten, traffic, "
            "appver, "
            "taal, toevoegingen, winver) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11, $12, $13)";
        Params params;
        params.add(utcTime(secondsNow()));
        params.add(std::string(peer));
        for (std::string_view key : kCheckinKeys) {
            if (const std::string* value = checkinValue(values, key))
                params.add(toUtf8(*value));
            else
                params.addNull();
        }
        return withConnection(
            [&](Connection& c, std::string& err) {
                Result r = c.exec(sql, params);
                if (!r.ok())
                    err = r.error();
                return r.ok();
            },
            error);
    }

    bool deleteCheckinsBefore(const std::string& time, std::string& error) override
    {
        Params params;
        params.add(time);
        return withConnection(
            [&](Connection& c, std::string& err) {
                Result r = c.exec("DELETE FROM checkins WHERE received < $1", params);
                if (!r.ok())
                    err = r.error();
                return r.ok();
            },
            error);
    }

private:
    static bool importFoods(Connection& c, const std::vector<Food>& foods, std::string& error)
    {
        for (std::size_t first = 0; first < foods.size(); first += kImportRows) {
            const std::size_t last = std::min(foods.size(), first + kImportRows);
            std::string sql =
                "INSERT INTO foods (name, kj, kcal, unsaturated_fat, saturated_fat, carbohydrates, "
                "protein, sodium, checked) VALUES ";
            Params params;
            for (std::size_t i = first; i < last; ++i) {
                params.add(toUtf8(foods[i].name));
                params.addValues(foods[i].values);
                params.add(foods[i].checked ? "true" : "false");
                sql += i == first ? "(" : ", (";
                for (int k = kFoodColumns; k > 0; --k)
                    sql += "$" + std::to_string(params.count() - k + 1) + (k == 1 ? ")" : ", ");
            }
            Result r = c.exec(sql, params);
            if (!r.ok()) {
                error = r.error();
                return false;
            }
        }
        return true;
    }

    static bool setDataset(Connection& c, std::string_view dataset, std::string& error)
    {
        Params params;
        params.add(std::string(dataset));
        Result r = c.exec("INSERT INTO meta (key, value) VALUES ('dataset', $1) "
                          "ON CONFLICT (key) DO UPDATE SET value = excluded.value",
                          params);
        if (!r.ok())
            error = r.error();
        return r.ok();
    }

    // Runs the work on a free connection, connecting first when needed.
    bool withConnection(const std::function<bool(Connection&, std::string&)>& work, std::string& error)
    {
        Connection* c = nullptr;
        {
            std::unique_lock lock(mutex_);
            released_.wait(lock, [this] { return !free_.empty(); });
            c = free_.back();
            free_.pop_back();
        }
        const bool ok = c->ready(error) && work(*c, error);
        {
            std::lock_guard lock(mutex_);
            free_.push_back(c);
        }
        released_.notify_one();
        return ok;
    }

    std::vector<std::unique_ptr<Connection>> pool_;
    std::mutex mutex_;
    std::condition_variable released_;
    std::vector<Connection*> free_;
};

} // namespace

std::unique_ptr<Store> openPostgresStore(const std::string& address, std::string& error)
{
    auto store = std::make_unique<PostgresStore>(address);
    if (!store->connect(error)) {
        error = Store::displayName(address) + ": " + error;
        return nullptr;
    }
    return store;
}

} // namespace foodserver
