#pragma once
// Grams and ounces for the screen: the weight text of captions, tooltips and
// list labels, and the two conversions of numbers held as text.
#include <QString>

class LanguageTables;
class Messenger;
struct Settings;

// Ounces per gram.
inline constexpr float kGramToOunceFactor = 0.03527396f;

// Ounces of a number of grams, rounded to one decimal and written without
// trailing zeros ("100" -> "3.5", "10" -> "0.4"). A "," in the text counts as
// decimal point. "" gives "". A number that overflows shows "Error #F7-0h" and
// gives "".
QString GramsToOunces(const QString& grams, float gramToOunceFactor, const LanguageTables& lang,
                      Messenger& messenger);
QString GramsToOunces(const QString& grams, const LanguageTables& lang, Messenger& messenger);

// Whole grams of a number of ounces ("3.5" -> "99"); "" gives "". Failures as above.
QString OuncesToGrams(const QString& ounces, float gramToOunceFactor, const LanguageTables& lang,
                      Messenger& messenger);
QString OuncesToGrams(const QString& ounces, const LanguageTables& lang, Messenger& messenger);

// The weight unit setting read as a number: 0 grams ("" too), 1 ounces.
enum class WeightUnitKind { Grams, Ounces, Other };
WeightUnitKind WeightUnitOf(const QString& setting);

// The weight as shown: whole grams as plain text, or in ounces their
// GramsToOunces text.
QString WeightText(const QString& gramsText, const Settings& settings, const LanguageTables& lang,
                   Messenger& messenger);

// The word after a weight in tooltips, status bar and bookmark labels:
// "Gram" or "oz " from the main window's table.
QString WeightUnitWord(const Settings& settings, const LanguageTables& lang);

// "Apple (150 Gram)": name and stored weight of a bookmark record's fields.
QString BookmarkLabel(const QString& name, const QString& gramsText, const Settings& settings,
                      const LanguageTables& lang, Messenger& messenger);
