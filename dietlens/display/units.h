#pragma once
// Grams and ounces for the screen: the weight text of captions, tooltips and
// list labels, and the two conversions of numbers held as text.
#include "dietlens/core/problem.h"

#include <QString>

class LanguageTables;
struct Settings;

// Ounces per gram.
inline constexpr float kGramToOunceFactor = 0.03527396f;

// Ounces of a number of grams, rounded to one decimal and written without
// trailing zeros ("100" -> "3.5", "10" -> "0.4"). A "," in the text counts as
// decimal point. "" gives "". A number that overflows gives "" and
// CalculationFailed.
Result<QString, Problem> GramsToOunces(const QString& grams, float gramToOunceFactor);
Result<QString, Problem> GramsToOunces(const QString& grams);

// Whole grams of a number of ounces ("3.5" -> "99"); "" gives "". Failures as above.
Result<QString, Problem> OuncesToGrams(const QString& ounces, float gramToOunceFactor);
Result<QString, Problem> OuncesToGrams(const QString& ounces);

// The weight unit setting read as a number: 0 grams ("" too), 1 ounces.
enum class WeightUnitKind { Grams, Ounces, Other };
WeightUnitKind WeightUnitOf(const QString& setting);

// The weight as shown: whole grams as plain text, or in ounces their
// GramsToOunces text.
Result<QString, Problem> WeightText(const QString& gramsText, const Settings& settings);

// The word after a weight in tooltips, status bar and bookmark labels:
// "Gram" or "oz " from the main window's table.
QString WeightUnitWord(const Settings& settings, const LanguageTables& lang);

// "Apple (150 Gram)": name and stored weight of a bookmark record's fields.
// A weight that cannot be converted is left out, with its problem.
Result<QString, Problem> BookmarkLabel(const QString& name, const QString& gramsText,
                                       const Settings& settings, const LanguageTables& lang);
