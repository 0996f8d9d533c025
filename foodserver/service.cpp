#include "foodserver/service.h"

#include "foodserver/dataset.h"
#include "foodserver/query.h"
#include "foodserver/submission.h"

namespace foodserver {

namespace {

const std::string kPlainText = "text/plain; charset=windows-1252";

Reply plain(std::string body, int status = 200)
{
    return Reply{status, kPlainText, std::move(body)};
}

std::string htmlEscape(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string describeDataset(std::string_view name)
{
    if (name == "usda-sr28")
        return "USDA National Nutrient Database for Standard Reference, Release 28 (public domain)";
    if (name == "ifct2017")
        return "Indian Food Composition Tables 2017, National Institute of Nutrition, Hyderabad";
    return std::string(name);
}

} // namespace

FoodService::FoodService(ServiceOptions options, std::unique_ptr<Store> store, OtherNames otherNames)
    : options_(std::move(options)), store_(std::move(store)), index_(std::move(otherNames))
{
}

FoodService::~FoodService()
{
    {
        std::lock_guard lock(stopMutex_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    if (background_.joinable())
        background_.join();
}

std::unique_ptr<FoodService> FoodService::open(const ServiceOptions& options, std::string& error)
{
    OtherNames otherNames;
    if (!otherNames.read(OtherNames::bundled(), error)) {
        error = "the list of other names: " + error;
        return nullptr;
    }
    std::unique_ptr<Store> store = Store::open(options.dbPath, error);
    if (!store)
        return nullptr;
    const std::string where = Store::displayName(options.dbPath) + ": ";
    const TableSource bundled = [&options](std::vector<Food>& foods, std::string& why) {
        const std::string_view table = bundledTable(options.dataset);
        if (table.empty()) {
            why = "unknown dataset " + options.dataset;
            return false;
        }
        if (!parseTable(table, foods, why)) {
            why = options.dataset + ": " + why;
            return false;
        }
        return true;
    };
    if (!store->prepare(options.dataset, bundled, error)) {
        error = where + error;
        return nullptr;
    }
    std::unique_ptr<FoodService> service(new FoodService(options, std::move(store), std::move(otherNames)));
    service->dataset_ = service->store_->dataset();
    if (!service->refresh(error) || !service->deleteOldCheckins(error)) {
        error = where + error;
        return nullptr;
    }
    service->background_ = std::thread([s = service.get()] { s->background(); });
    return service;
}

bool FoodService::refresh(std::string& error)
{
    std::lock_guard lock(refreshMutex_);
    std::vector<Food> foods;
    std::int64_t latest = revision_;
    if (!store_->foodsAfter(revision_, foods, latest, error))
        return false;
    // Adding one food moves the index entries after it; many at once are sorted in together.
    if (foods.size() > 32) {
        index_.addAll(foods);
    } else {
        for (const Food& food : foods)
            index_.add(food);
    }
    revision_ = latest;
    return true;
}

bool FoodService::deleteOldCheckins(std::string& error)
{
    // Keeping none deletes every check-in stored before, whatever its time.
    if (options_.keepCheckinDays == 0)
        return store_->deleteCheckinsBefore("9999-12-31T23:59:59Z", error);
    const std::int64_t keep = std::int64_t(options_.keepCheckinDays) * 24 * 3600;
    return store_->deleteCheckinsBefore(utcTime(secondsNow() - keep), error);
}

void FoodService::background()
{
    using Clock = std::chrono::steady_clock;
    auto nextCleanup = Clock::now() + options_.cleanupInterval;
    bool refreshFailed = false;
    std::unique_lock lock(stopMutex_);
    while (!stopSignal_.wait_for(lock, options_.refreshInterval, [this] { return stopping_; })) {
        lock.unlock();
        std::string error;
        // A database that cannot be reached is reported once, and again once it is back.
        const bool refreshed = refresh(error);
        if (refreshed == refreshFailed)
            warn(refreshed ? "the database answers again" : "cannot read new foods: " + error);
        refreshFailed = !refreshed;
        if (Clock::now() >= nextCleanup) {
            nextCleanup = Clock::now() + options_.cleanupInterval;
            if (!deleteOldCheckins(error))
                warn("cannot delete old check-ins: " + error);
        }
        lock.lock();
    }
}

void FoodService::setWarningSink(std::function<void(const std::string&)> sink)
{
    std::lock_guard lock(warnMutex_);
    warn_ = std::move(sink);
}

void FoodService::warn(const std::string& line)
{
    std::lock_guard lock(warnMutex_);
    if (warn_)
        warn_(line);
}

Reply FoodService::handle(std::string_view target, std::string_view peer)
{
    const Target parsed = parseTarget(target);
    if (parsed.path == kSearchPath)
        return search(parsed.query);
    if (parsed.path == kSubmitPath)
        return submit(parsed.query, peer);
    if (parsed.path == kCheckinPath)
        return checkin(parsed.query, peer);
    if (parsed.path == "/" || parsed.path == "/index.html")
        return homePage();
    return plain("Not found\n", 404);
}

Reply FoodService::search(const QueryParams& query) const
{
    const auto term = query.value("item");
    return plain(term ? index_.search(*term, options_.maxResults) : std::string());
}

Reply FoodService::submit(const QueryParams& query, std::string_view peer)
{
    SubmissionCheck check = checkSubmission(query);
    if (!check.accepted)
        return plain(check.refusal);
    std::string error;
    if (!store_->addSubmission(check.submission, peer, error)) {
        warn("cannot store a submission: " + error);
        return plain("ERROR the food item could not be stored", 500);
    }
    // Stored: the answer is "OK" whether or not the index has it yet; the next refresh brings it.
    if (!refresh(error))
        warn("cannot read new foods: " + error);
    return plain("OK");
}

Reply FoodService::checkin(const QueryParams& query, std::string_view peer)
{
    std::string error;
    // The client needs the version to go on; a check-in that cannot be stored is only logged.
    // With a keeping time of 0 days none is stored.
    if (options_.keepCheckinDays > 0 && !store_->recordCheckin(query.pairs(), peer, error))
        warn("cannot store a check-in: " + error);
    return plain(options_.minVersion);
}

Reply FoodService::homePage() const
{
    std::string page =
        "<!DOCTYPE html>\n<html><head><meta charset=\"windows-1252\">"
        "<title>Dietlens food server</title></head><body>\n"
        "<h1>Dietlens food server</h1>\n<p>This server answers the food searches, food "
        "submissions and check-ins of Dietlens.</p>\n<p>It holds " +
        std::to_string(index_.size()) + " foods from the " + htmlEscape(describeDataset(dataset_)) +
        ", values per 100 g, plus the foods users have submitted, which stay marked as unchecked "
        "until someone has checked them.</p>\n"
        "<p>The lowest Dietlens version this server accepts is " +
        htmlEscape(options_.minVersion) + ".</p>\n</body></html>\n";
    return Reply{200, "text/html; charset=windows-1252", std::move(page)};
}

} // namespace foodserver
