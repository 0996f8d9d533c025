// Cost of one search over the bundled USDA table, and over one grown to 1,000,000 foods as
// bench/foodserver/million.py grows it (each food again with ", batch N" after its name),
// without HTTP.
#include "foodserver/dataset.h"
#include "foodserver/foodindex.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace foodserver;

namespace {

OtherNames bundledOtherNames()
{
    OtherNames names;
    std::string error;
    names.read(OtherNames::bundled(), error);
    return names;
}

std::unique_ptr<FoodIndex> usdaTable(std::size_t replyCacheBytes)
{
    auto index = std::make_unique<FoodIndex>(bundledOtherNames(), replyCacheBytes);
    std::vector<Food> foods;
    std::string error;
    parseTable(bundledTable("usda-sr28"), foods, error);
    std::int64_t id = 0;
    for (Food& food : foods)
        food.id = ++id;
    index->addAll(foods);
    return index;
}

// Replies are not remembered here, so every search is searched.
const FoodIndex& usdaIndex()
{
    static const std::unique_ptr<FoodIndex> index = usdaTable(0);
    return *index;
}

// As the server keeps it: a reply asked for again is remembered.
const FoodIndex& rememberingIndex()
{
    static const std::unique_ptr<FoodIndex> index = usdaTable(8 * 1024 * 1024);
    return *index;
}

const FoodIndex& millionIndex()
{
    static FoodIndex index(bundledOtherNames(), 0);
    static const bool filled = [] {
        std::vector<Food> base;
        std::string error;
        parseTable(bundledTable("usda-sr28"), base, error);
        std::vector<Food> foods;
        foods.reserve(1000000);
        for (std::int64_t id = 0; id < 1000000; ++id) {
            Food food = base[std::size_t(id) % base.size()];
            food.id = id + 1;
            if (id >= std::int64_t(base.size()))
                food.name += ", batch " + std::to_string(id / std::int64_t(base.size()));
            foods.push_back(std::move(food));
        }
        index.addAll(foods);
        return true;
    }();
    (void)filled;
    return index;
}

void searchIn(benchmark::State& state, const FoodIndex& index, const char* term)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string body = index.search(term, 200);
        bytes = body.size();
        benchmark::DoNotOptimize(body);
    }
    state.counters["reply_bytes"] = double(bytes);
}

void searchTerm(benchmark::State& state, const char* term)
{
    searchIn(state, usdaIndex(), term);
}

void searchRemembered(benchmark::State& state, const char* term)
{
    searchIn(state, rememberingIndex(), term);
}

void searchMillion(benchmark::State& state, const char* term)
{
    searchIn(state, millionIndex(), term);
}

// A submission: the food goes into its place in the ranking, and into the word lists.
void addTo(benchmark::State& state, FoodIndex& index)
{
    std::int64_t id = 100000;
    for (auto _ : state) {
        Food food;
        food.id = ++id;
        food.name = "Submitted cake " + std::to_string(id);
        food.checked = false;
        index.add(food);
    }
}

void addSubmission(benchmark::State& state)
{
    addTo(state, const_cast<FoodIndex&>(usdaIndex()));
}

void addSubmissionMillion(benchmark::State& state)
{
    addTo(state, const_cast<FoodIndex&>(millionIndex()));
}

} // namespace

BENCHMARK(addSubmission)->Iterations(200)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchTerm, rice_151_hits, "rice");
BENCHMARK_CAPTURE(searchTerm, cheese_200_hits, "cheese");
BENCHMARK_CAPTURE(searchRemembered, rice_remembered, "rice");
BENCHMARK_CAPTURE(searchTerm, nothing_found, "xyzq");
BENCHMARK_CAPTURE(searchTerm, word_start, "ing");
BENCHMARK_CAPTURE(searchTerm, two_words, "pork tenderloin");
BENCHMARK_CAPTURE(searchTerm, typing_error, "rasberries");
BENCHMARK_CAPTURE(searchTerm, dutch, "volkoren brood");
// 1,000,000 foods: "beef" is a word of about 130,000 names, "breast" of 7,900.
BENCHMARK_CAPTURE(searchMillion, beef, "beef")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchMillion, salmon, "salmon")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchMillion, nothing_found, "xyzq")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchMillion, two_words, "chicken breast")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchMillion, typing_error, "rasberries")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchMillion, none_holds_all, "goat curry")->Unit(benchmark::kMicrosecond);
BENCHMARK(addSubmissionMillion)->Iterations(20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
