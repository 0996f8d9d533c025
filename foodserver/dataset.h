#pragma once
// The bundled food tables (built into the program) and their reader.
#include "foodserver/food.h"

#include <string>
#include <string_view>
#include <vector>

namespace foodserver {

inline constexpr std::string_view kDefaultDataset = "usda-sr28";

// The names of the bundled tables, for --help and for checking --dataset.
std::vector<std::string_view> datasetNames();

// The UTF-8 TSV text of a bundled table; empty when there is no table of that name.
std::string_view bundledTable(std::string_view name);

// Reads a table: a header line, then name and the seven values per 100 g, tab separated,
// in the order kJ, kcal, unsaturated fat, saturated fat, carbohydrates, protein, sodium.
// Returns false with a message naming the line on the first line that does not fit.
bool parseTable(std::string_view tsv, std::vector<Food>& foods, std::string& error);

} // namespace foodserver
