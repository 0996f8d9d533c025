// Cost of one search over the bundled USDA table, without HTTP.
#include "dataset.h"
#include "foodindex.h"

#include <benchmark/benchmark.h>

using namespace foodserver;

namespace {

const FoodIndex& usdaIndex()
{
    static FoodIndex index;
    static const bool filled = [] {
        std::vector<Food> foods;
        std::string error;
        parseTable(bundledTable("usda-sr28"), foods, error);
        std::int64_t id = 0;
        for (Food& food : foods)
            food.id = ++id;
        index.addAll(foods);
        return true;
    }();
    (void)filled;
    return index;
}

void searchTerm(benchmark::State& state, const char* term)
{
    const FoodIndex& index = usdaIndex();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string body = index.search(term, 200);
        bytes = body.size();
        benchmark::DoNotOptimize(body);
    }
    state.counters["reply_bytes"] = double(bytes);
}

// A submission: the food goes into its sorted place and the trigram lists are shifted past it.
void addSubmission(benchmark::State& state)
{
    FoodIndex& index = const_cast<FoodIndex&>(usdaIndex());
    std::int64_t id = 100000;
    for (auto _ : state) {
        Food food;
        food.id = ++id;
        food.name = "Submitted cake " + std::to_string(id);
        food.checked = false;
        index.add(food);
    }
}

} // namespace

BENCHMARK(addSubmission)->Iterations(200)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchTerm, rice_151_hits, "rice");
BENCHMARK_CAPTURE(searchTerm, cheese_200_hits, "cheese");
BENCHMARK_CAPTURE(searchTerm, nothing_found, "xyzq");
BENCHMARK_CAPTURE(searchTerm, common_trigram, "ing");

BENCHMARK_MAIN();
