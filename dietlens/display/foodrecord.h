#pragma once
// Food item texts: the search result record, the bookmark record and the drag
// text, and the seven nutrition values they carry.
#include <QString>
#include <QStringList>

#include <optional>

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

namespace record {

inline constexpr QChar kRecordEnd = QChar(0x00BC);   // "¼", ends a search result record
inline constexpr QChar kFieldEnd = QChar(0x00BD);    // "½", ends every field
inline constexpr QChar kBookmarkEnd = QChar(0x00BE); // "¾", ends a bookmark record in a file

// The fields of a record: every text up to a "½"; text after the last "½" is no field.
QStringList splitFields(QStringView record);

// Field i of a split record; "" past the end.
QString field(const QStringList& fields, qsizetype i);

// The text with "¼", "½" and "¾" removed, so it can become one field.
QString withoutSeparators(QString text);

} // namespace record

// Fields 2 to 8 of a search result, per 100 g.
NutritionValues ValuesFromFoodItem(const QStringList& fields);

// Weight (field 2) of a bookmark, and fields 3 to 9 turned back into values
// per 100 g. Empty when the weight is 0 or the result is not a finite number.
float BookmarkWeight(const QStringList& fields);
std::optional<NutritionValues> ValuesFromBookmark(const QStringList& fields);

// Fields 3 to 9 of a bookmark as stored: the values for its weight.
NutritionValues StoredBookmarkValues(const QStringList& fields);

// Values per 100 g scaled to a weight in grams, in single precision.
NutritionValues ScaledToWeight(const NutritionValues& per100g, float weightGrams);

// A bookmark record: name, group, weight, kJ, kcal, protein, unsaturated fat,
// saturated fat, carbohydrates, sodium, "0", remark, each followed by "½".
// The values are those for the weight; numbers in general number text.
// Empty when a value is not a finite number.
QString BookmarkRecord(const QString& name, const QString& group, float weightGrams,
                       const NutritionValues& atWeight, const QString& remark);

// The drag text: "DLITEM-" and a bookmark record whose values are rounded
// (energy whole, fats, protein and carbohydrates two decimals, sodium four),
// with every "," of the whole record replaced by ".". Empty when a value is
// not a finite number.
QString DragText(const QString& name, const QString& group, float weightGrams,
                 const NutritionValues& atWeight, const QString& remark);
