#include "store.h"

#include "text.h"

#include <sqlite3.h>

#include <array>
#include <chrono>
#include <ctime>

namespace foodserver {

namespace {

// The check-in keys in the order the client sends them; each gets a column.
constexpr std::array<const char*, 11> kCheckinKeys = {"code",    "naam",         "email",   "comnaam",
                                                      "winuser", "opdrachten",   "traffic", "appver",
                                                      "taal",    "toevoegingen", "winver"};

const char* const kSchema[] = {
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

// A prepared statement that finalises itself.
class Statement
{
public:
    Statement(sqlite3* db, const char* sql) : db_(db) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool valid() const { return stmt_ != nullptr; }
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

std::string nowUtc()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

void bindValues(Statement& st, int first, const FoodValues& v)
{
    int i = first;
    for (float value : {v.kj, v.kcal, v.unsaturatedFat, v.saturatedFat, v.carbohydrates, v.protein, v.sodium})
        st.bind(i++, double(value));
}

constexpr const char* kInsertFood =
    "INSERT INTO foods (name, kj, kcal, unsaturated_fat, saturated_fat, "
    "carbohydrates, protein, sodium, checked) VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
    "?7, ?8, ?9)";

} // namespace

Store::Store(sqlite3* db) : db_(db) {}

Store::~Store()
{
    sqlite3_close_v2(db_);
}

std::unique_ptr<Store> Store::open(const std::string& path, std::string& error)
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
    std::unique_ptr<Store> store(new Store(db));
    Statement wal(db, "PRAGMA journal_mode=WAL");
    if (wal.step() != SQLITE_ROW || wal.text(0) != "wal") {
        error = path + ": cannot switch to WAL mode: " + wal.error();
        return nullptr;
    }
    for (const char* sql : kSchema) {
        if (!store->run(sql, error)) {
            error = path + ": " + error;
            return nullptr;
        }
    }
    return store;
}

bool Store::run(const char* sql, std::string& error)
{
    Statement st(db_, sql);
    const int rc = st.step();
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
        error = st.error();
        return false;
    }
    return true;
}

bool Store::inTransaction(const std::function<bool()>& body, std::string& error)
{
    if (!run("BEGIN IMMEDIATE", error))
        return false;
    if (!body()) {
        error = sqlite3_errmsg(db_);
        std::string ignored;
        run("ROLLBACK", ignored);
        return false;
    }
    if (!run("COMMIT", error)) {
        std::string ignored;
        run("ROLLBACK", ignored);
        return false;
    }
    return true;
}

std::string Store::dataset()
{
    std::lock_guard lock(mutex_);
    Statement st(db_, "SELECT value FROM meta WHERE key = 'dataset'");
    return st.step() == SQLITE_ROW ? std::string(st.text(0)) : std::string();
}

bool Store::importFoods(std::string_view dataset, const std::vector<Food>& foods, std::string& error)
{
    std::lock_guard lock(mutex_);
    return inTransaction(
        [&] {
            Statement insert(db_, kInsertFood);
            for (const Food& food : foods) {
                insert.reset();
                insert.bind(1, toUtf8(food.name));
                bindValues(insert, 2, food.values);
                insert.bind(9, std::int64_t(food.checked ? 1 : 0));
                if (insert.step() != SQLITE_DONE)
                    return false;
            }
            Statement meta(db_, "INSERT OR REPLACE INTO meta (key, value) VALUES ('dataset', ?1)");
            meta.bind(1, dataset);
            return meta.step() == SQLITE_DONE;
        },
        error);
}

bool Store::loadFoods(std::vector<Food>& foods, std::string& error)
{
    std::lock_guard lock(mutex_);
    Statement st(db_,
                 "SELECT id, name, kj, kcal, unsaturated_fat, saturated_fat, carbohydrates, protein, sodium, "
                 "checked FROM foods ORDER BY id");
    int rc;
    while ((rc = st.step()) == SQLITE_ROW) {
        Food food;
        food.id = st.integer(0);
        if (!fromUtf8(st.text(1), food.name))
            food.name = cleanField(std::string(st.text(1)));
        food.name = cleanField(food.name);
        FoodValues& v = food.values;
        float* targets[] = {&v.kj,      &v.kcal,  &v.unsaturatedFat, &v.saturatedFat, &v.carbohydrates,
                            &v.protein, &v.sodium};
        for (int i = 0; i < 7; ++i)
            *targets[i] = float(st.real(2 + i));
        food.checked = st.integer(9) != 0;
        if (!food.name.empty())
            foods.push_back(std::move(food));
    }
    if (rc != SQLITE_DONE) {
        error = st.error();
        return false;
    }
    return true;
}

std::optional<Food> Store::addSubmission(const Submission& submission, std::string_view peer,
                                         std::string& error)
{
    std::lock_guard lock(mutex_);
    Food food;
    food.name = submission.name;
    food.values = submission.values;
    food.checked = false;
    const bool stored = inTransaction(
        [&] {
            Statement insert(db_, kInsertFood);
            insert.bind(1, toUtf8(food.name));
            bindValues(insert, 2, food.values);
            insert.bind(9, std::int64_t(0));
            if (insert.step() != SQLITE_DONE)
                return false;
            food.id = sqlite3_last_insert_rowid(db_);
            Statement details(db_, "INSERT INTO submissions (food_id, remarks, sender, peer, received) "
                                   "VALUES (?1, ?2, ?3, ?4, ?5)");
            details.bind(1, food.id);
            details.bind(2, toUtf8(submission.remarks));
            details.bind(3, toUtf8(submission.sender));
            details.bind(4, peer);
            details.bind(5, nowUtc());
            return details.step() == SQLITE_DONE;
        },
        error);
    if (!stored)
        return std::nullopt;
    return food;
}

bool Store::recordCheckin(const std::vector<std::pair<std::string, std::string>>& values,
                          std::string_view peer, std::string& error)
{
    std::lock_guard lock(mutex_);
    Statement insert(db_,
                     "INSERT INTO checkins (received, peer, code, naam, email, comnaam, winuser, opdrachten, "
                     "traffic, appver, taal, toevoegingen, winver) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
                     "?9, ?10, ?11, ?12, ?13)");
    insert.bind(1, nowUtc());
    insert.bind(2, peer);
    for (std::size_t k = 0; k < kCheckinKeys.size(); ++k) {
        const int index = int(k) + 3;
        insert.bindNull(index);
        for (const auto& [key, value] : values) {
            if (key == kCheckinKeys[k]) {
                insert.bind(index, toUtf8(value));
                break;
            }
        }
    }
    if (insert.step() != SQLITE_DONE) {
        error = insert.error();
        return false;
    }
    return true;
}

std::int64_t Store::checkinCount()
{
    std::lock_guard lock(mutex_);
    Statement st(db_, "SELECT COUNT(*) FROM checkins");
    return st.step() == SQLITE_ROW ? st.integer(0) : 0;
}

} // namespace foodserver
