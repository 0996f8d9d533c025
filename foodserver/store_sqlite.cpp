// The SQLite engine: one file in WAL mode, one connection behind a mutex. Writers take the
// file's write lock at BEGIN IMMEDIATE, so they also follow each other across processes.
#include "foodserver/store.h"

#include "foodserver/text.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>

namespace foodserver {

namespace {

const char* const kCreateTables[] = {
    "CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS foods ("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " kj REAL NOT NULL, kcal REAL NOT NULL,"
    " unsaturated_fat REAL NOT NULL, saturated_fat REAL NOT NULL,"
    " carbohydrates REAL NOT NULL, protein REAL NOT NULL, sodium REAL NOT NULL,"
    " checked INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS submissions ("
    " id INTEGER PRIMARY KEY,"
    " food_id INTEGER NOT NULL REFERENCES foods(id),"
    " remarks TEXT NOT NULL, sender TEXT NOT NULL,"
    " peer TEXT NOT NULL, received TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS checkins ("
    " id INTEGER PRIMARY KEY,"
    " received TEXT NOT NULL, peer TEXT NOT NULL,"
    " code TEXT, naam TEXT, email TEXT, comnaam TEXT, winuser TEXT, opdrachten TEXT,"
    " traffic TEXT, appver TEXT, taal TEXT, toevoegingen TEXT, winver TEXT)",
};

// From schema 1 (the tables above, no schema entry) to 2: revisions and the counter, and an
// index for the deletion of old check-ins.
const char* const kMigrateTo2[] = {
    "ALTER TABLE foods ADD COLUMN revision INTEGER NOT NULL DEFAULT 0",
    "CREATE INDEX foods_by_revision ON foods (revision)",
    "CREATE TABLE food_revision (id INTEGER PRIMARY KEY CHECK (id = 1), value INTEGER NOT NULL)",
    "INSERT INTO food_revision (id, value) VALUES (1, 0)",
    "CREATE INDEX checkins_by_time ON checkins (received)",
    "INSERT OR REPLACE INTO meta (key, value) VALUES ('schema', '2')",
};

// A prepared statement that finalises itself.
class Statement
{
public:
    Statement(sqlite3* db, const char* sql) : db_(db) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, std::string_view text)
    {
        sqlite3_bind_text(stmt_, index, text.data(), int(text.size()), SQLITE_TRANSIENT);
    }
    void bind(int index, double value) { sqlite3_bind_double(stmt_, index, value); }
    void bind(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
    void bindNull(int index) { sqlite3_bind_null(stmt_, index); }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
    void reset()
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    std::string_view text(int column)
    {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return p ? std::string_view(p, std::size_t(sqlite3_column_bytes(stmt_, column))) : std::string_view();
    }
    double real(int column) { return sqlite3_column_double(stmt_, column); }
    std::int64_t integer(int column) { return sqlite3_column_int64(stmt_, column); }
    std::string error() const { return sqlite3_errmsg(db_); }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

void bindValues(Statement& st, int first, const FoodValues& v)
{
    int i = first;
    for (float value : {v.kj, v.kcal, v.unsaturatedFat, v.saturatedFat, v.carbohydrates, v.protein, v.sodium})
        st.bind(i++, double(value));
}

constexpr const char* kInsertFood =
    "INSERT INTO foods (name, kj, kcal, unsaturated_fat, saturated_fat, carbohydrates, protein, sodium, "
    "checked, revision) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)";

class SqliteStore final : public Store
{
public:
    explicit SqliteStore(sqlite3* db) : db_(db) {}
    ~SqliteStore() override { sqlite3_close_v2(db_); }

    bool start(std::string& error)
    {
        Statement wal(db_, "PRAGMA journal_mode=WAL");
        if (wal.step() != SQLITE_ROW || wal.text(0) != "wal") {
            error = "cannot switch to WAL mode: " + wal.error();
            return false;
        }
        return true;
    }

    bool prepare(std::string_view dataset, const TableSource& table, std::string& error) override
    {
        std::lock_guard lock(mutex_);
        return inTransaction(
            [&] {
                for (const char* sql : kCreateTables) {
                    if (!run(sql, error))
                        return false;
                }
                const int schema = schemaVersion();
                if (schema > kSchemaVersion) {
                    error = "the database has schema " + std::to_string(schema) + "; this foodserver knows " +
                            std::to_string(kSchemaVersion) + " and older";
                    return false;
                }
                if (schema < 2) {
                    for (const char* sql : kMigrateTo2) {
                        if (!run(sql, error))
                            return false;
                    }
                }
                if (!datasetLocked().empty() || hasFoods())
                    return true;
                std::vector<Food> foods;
                if (!table(foods, error))
                    return false;
                Statement insert(db_, kInsertFood);
                for (const Food& food : foods) {
                    insert.reset();
                    insert.bind(1, toUtf8(food.name));
                    bindValues(insert, 2, food.values);
                    insert.bind(9, std::int64_t(food.checked ? 1 : 0));
                    insert.bind(10, std::int64_t(0));
                    if (insert.step() != SQLITE_DONE) {
                        error = insert.error();
                        return false;
                    }
                }
                Statement meta(db_, "INSERT OR REPLACE INTO meta (key, value) VALUES ('dataset', ?1)");
                meta.bind(1, dataset);
                if (meta.step() != SQLITE_DONE) {
                    error = meta.error();
                    return false;
                }
                return true;
            },
            error);
    }

    std::string dataset() override
    {
        std::lock_guard lock(mutex_);
        return datasetLocked();
    }

    bool foodsAfter(std::int64_t after, std::vector<Food>& foods, std::int64_t& latest,
                    std::string& error) override
    {
        std::lock_guard lock(mutex_);
        Statement st(db_,
                     "SELECT id, name, kj, kcal, unsaturated_fat, saturated_fat, carbohydrates, protein, "
                     "sodium, checked, revision FROM foods WHERE revision > ?1 ORDER BY revision, id");
        st.bind(1, after);
        int rc;
        while ((rc = st.step()) == SQLITE_ROW) {
            Food food;
            food.id = st.integer(0);
            food.name = storedName(st.text(1));
            FoodValues& v = food.values;
            float* targets[] = {&v.kj,      &v.kcal,  &v.unsaturatedFat, &v.saturatedFat, &v.carbohydrates,
                                &v.protein, &v.sodium};
            for (int i = 0; i < 7; ++i)
                *targets[i] = float(st.real(2 + i));
            food.checked = st.integer(9) != 0;
            latest = std::max(latest, st.integer(10));
            if (!food.name.empty())
                foods.push_back(std::move(food));
        }
        if (rc != SQLITE_DONE) {
            error = st.error();
            return false;
        }
        return true;
    }

    bool addSubmission(const Submission& submission, std::string_view peer, std::string& error) override
    {
        std::lock_guard lock(mutex_);
        return inTransaction(
            [&] {
                Statement next(db_, "UPDATE food_revision SET value = value + 1 RETURNING value");
                if (next.step() != SQLITE_ROW) {
                    error = next.error();
                    return false;
                }
                const std::int64_t revision = next.integer(0);
                next.reset();
                Statement insert(db_, kInsertFood);
                insert.bind(1, toUtf8(submission.name));
                bindValues(insert, 2, submission.values);
                insert.bind(9, std::int64_t(0));
                insert.bind(10, revision);
                if (insert.step() != SQLITE_DONE) {
                    error = insert.error();
                    return false;
                }
                Statement details(db_, "INSERT INTO submissions (food_id, remarks, sender, peer, received) "
                                       "VALUES (?1, ?2, ?3, ?4, ?5)");
                details.bind(1, std::int64_t(sqlite3_last_insert_rowid(db_)));
                details.bind(2, toUtf8(submission.remarks));
                details.bind(3, toUtf8(submission.sender));
                details.bind(4, peer);
                details.bind(5, utcTime(secondsNow()));
                if (details.step() != SQLITE_DONE) {
                    error = details.error();
                    return false;
                }
                return true;
            },
            error);
    }

    bool recordCheckin(const CheckinValues& values, std::string_view peer, std::string& error) override
    {
        std::lock_guard lock(mutex_);
        Statement insert(
            db_, "INSERT INTO checkins (received, peer, code, naam, email, comnaam, winuser, opdrachten, "
                 "traffic, appver, taal, toevoegingen, winver) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
                 "?9, ?10, ?11, ?12, ?13)");
        insert.bind(1, utcTime(secondsNow()));
        insert.bind(2, peer);
        int index = 3;
        for (std::string_view key : kCheckinKeys) {
            if (const std::string* value = checkinValue(values, key))
                insert.bind(index, toUtf8(*value));
            else
                insert.bindNull(index);
            ++index;
        }
        if (insert.step() != SQLITE_DONE) {
            error = insert.error();
            return false;
        }
        return true;
    }

    bool deleteCheckinsBefore(const std::string& time, std::string& error) override
    {
        std::lock_guard lock(mutex_);
        Statement st(db_, "DELETE FROM checkins WHERE received < ?1");
        st.bind(1, time);
        if (st.step() != SQLITE_DONE) {
            error = st.error();
            return false;
        }
        return true;
    }

private:
    bool run(const char* sql, std::string& error)
    {
        Statement st(db_, sql);
        const int rc = st.step();
        if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
            error = st.error();
            return false;
        }
        return true;
    }

    // The body reports its own error; a failing COMMIT rolls back.
    bool inTransaction(const std::function<bool()>& body, std::string& error)
    {
        if (!run("BEGIN IMMEDIATE", error))
            return false;
        std::string ignored;
        if (!body()) {
            run("ROLLBACK", ignored);
            return false;
        }
        if (!run("COMMIT", error)) {
            run("ROLLBACK", ignored);
            return false;
        }
        return true;
    }

    int schemaVersion()
    {
        Statement st(db_, "SELECT value FROM meta WHERE key = 'schema'");
        return st.step() == SQLITE_ROW ? std::atoi(std::string(st.text(0)).c_str()) : 1;
    }

    bool hasFoods()
    {
        Statement st(db_, "SELECT 1 FROM foods LIMIT 1");
        return st.step() == SQLITE_ROW;
    }

    std::string datasetLocked()
    {
        Statement st(db_, "SELECT value FROM meta WHERE key = 'dataset'");
        return st.step() == SQLITE_ROW ? std::string(st.text(0)) : std::string();
    }

    std::mutex mutex_;
    sqlite3* db_;
};

} // namespace

std::string storedName(std::string_view utf8)
{
    std::string name;
    if (!fromUtf8(utf8, name))
        name = std::string(utf8);
    return cleanField(name);
}

std::unique_ptr<Store> openSqliteStore(const std::string& path, std::string& error)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(
        path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        error = path + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 5000);
    auto store = std::make_unique<SqliteStore>(db);
    if (!store->start(error)) {
        error = path + ": " + error;
        return nullptr;
    }
    return store;
}

} // namespace foodserver
