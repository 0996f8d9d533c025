#pragma once
// A food item as the food server sends it and as a bookmark keeps it, and
// the one codec of their record texts: nothing else knows the separators or
// the field numbers. A search reply is a run of records, each ended by "¼";
// a record is a run of fields, each ended by "½"; the bookmarks file ends
// each bookmark record with "¾". Text after the last terminator is no part.
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The seven values in the order the chart takes them. Per 100 g unless a
// function says the values are for a weight.
struct NutritionValues
{
    float kj = 0;
    float kcal = 0;
    float unsaturatedFat = 0;
    float saturatedFat = 0;
    float carbohydrates = 0;
    float protein = 0;
    float sodium = 0;

    bool isFinite() const;
    bool operator==(const NutritionValues&) const = default;
};

// The row icon of a search result: "j" checked, "n" unchecked; anything else,
// or a record of fewer than ten fields, unknown.
enum class FoodStatus { Checked, Unchecked, Unknown };

// One search result.
struct FoodItem
{
    QString name;
    NutritionValues per100g; // a field that is no number reads 0
    FoodStatus status = FoodStatus::Unknown;

    bool operator==(const FoodItem&) const = default;
};

// One bookmark: a food item at a weight, as the bookmarks file keeps it.
struct Bookmark
{
    QString name;
    QString group;
    QString weight; // grams, as stored: general number text
    NutritionValues atWeight;
    QString remark;
    QString text; // the whole record as the file holds it, written back unchanged

    float weightGrams() const;
    // The values turned back into values per 100 g; none when the weight is 0
    // or the result is not a finite number.
    std::optional<NutritionValues> per100g() const;
};

// Values per 100 g scaled to a weight in grams, in single precision.
NutritionValues ScaledToWeight(const NutritionValues& per100g, float weightGrams);

namespace record {

inline constexpr QChar kRecordEnd = QChar(0x00BC);   // "¼", ends a search result record
inline constexpr QChar kFieldEnd = QChar(0x00BD);    // "½", ends every field
inline constexpr QChar kBookmarkEnd = QChar(0x00BE); // "¾", ends a bookmark record in a file

// The text with "¼", "½" and "¾" removed, so it can become one field.
QString withoutSeparators(QString text);

// The search reply. HasRecords: it holds at least one record terminator.
// SplitRecords: every text before a "¼", in order (an empty record gives an
// empty text), at most maxRecords of them when that is not negative; linear
// in the length of the reply.
bool HasRecords(QStringView reply);
QStringList SplitRecords(QStringView reply, qsizetype maxRecords = -1);

// The fields of a record: every text up to a "½"; text after the last "½" is no field.
QStringList splitFields(QStringView record);

// A search result record: name (field 0), field 1 (not read), kJ, kcal,
// unsaturated fat, saturated fat, carbohydrates, protein, sodium (2 to 8, per
// 100 g) and the status (9).
FoodItem ParseFoodItem(QStringView record);
// The food items of a search reply, at most maxItems when that is not negative.
std::vector<FoodItem> ParseSearchReply(QStringView reply, qsizetype maxItems = -1);

// A bookmark record: name, group, weight, kJ, kcal, protein, unsaturated fat,
// saturated fat, carbohydrates, sodium, "0", remark, each followed by "½".
// A missing field reads "".
Bookmark ParseBookmark(const QString& text);
// A new bookmark holding the values for its weight, numbers in general number
// text; none when a value is not a finite number.
std::optional<Bookmark> MakeBookmark(const QString& name, const QString& group, float weightGrams,
                                     const NutritionValues& atWeight, const QString& remark);

// The drag text: "DLITEM-" and the bookmark's record with its values rounded
// (energy whole, fats, protein and carbohydrates two decimals, sodium four),
// every "," of the whole text replaced by ".". "" when a value is not a
// finite number.
QString DragText(const Bookmark& bookmark);

} // namespace record
