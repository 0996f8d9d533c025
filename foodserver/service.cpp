#include "service.h"

#include "dataset.h"
#include "query.h"
#include "submission.h"

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

FoodService::FoodService(ServiceOptions options, std::unique_ptr<Store> store)
    : options_(std::move(options)), store_(std::move(store))
{
}

std::unique_ptr<FoodService> FoodService::open(const ServiceOptions& options, std::string& error)
{
    std::unique_ptr<Store> store = Store::open(options.dbPath, error);
    if (!store)
        return nullptr;
    std::unique_ptr<FoodService> service(new FoodService(options, std::move(store)));
    std::vector<Food> foods;
    if (!service->store_->loadFoods(foods, error))
        return nullptr;
    service->dataset_ = service->store_->dataset();
    if (foods.empty() && service->dataset_.empty()) {
        const std::string_view table = bundledTable(options.dataset);
        if (table.empty()) {
            error = "unknown dataset " + options.dataset;
            return nullptr;
        }
        std::vector<Food> bundled;
        if (!parseTable(table, bundled, error)) {
            error = options.dataset + ": " + error;
            return nullptr;
        }
        if (!service->store_->importFoods(options.dataset, bundled, error) ||
            !service->store_->loadFoods(foods, error))
            return nullptr;
        service->dataset_ = options.dataset;
    }
    service->index_.addAll(foods);
    return service;
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
    const auto food = store_->addSubmission(check.submission, peer, error);
    if (!food) {
        if (warn_)
            warn_("cannot store a submission: " + error);
        return plain("ERROR the food item could not be stored", 500);
    }
    index_.add(*food);
    return plain("OK");
}

Reply FoodService::checkin(const QueryParams& query, std::string_view peer)
{
    std::string error;
    // The client needs the version to go on; a check-in that cannot be stored is only logged.
    if (!store_->recordCheckin(query.pairs(), peer, error) && warn_)
        warn_("cannot store a check-in: " + error);
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
