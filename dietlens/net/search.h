#pragma once
// The food search: request URL and the reply format. A reply is a run of
// records, each ended by "¼"; a record is a run of fields, each ended by "½".
// Text after the last terminator is not part of the data.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace net {

inline constexpr QChar kRecordEnd = QChar(0x00BC); // "¼"
inline constexpr QChar kFieldEnd = QChar(0x00BD);  // "½"

// SearchUrl + "?item=" + the search text, percent-encoded.
QByteArray BuildSearchUrl(const QString& searchUrl, const QString& searchText);

// True when the reply holds at least one record terminator.
bool HasRecords(QStringView reply);

// Every text before a "¼", in order (an empty record gives an empty text),
// at most maxRecords of them when that is not negative. Linear in the length
// of the reply.
QStringList SplitRecords(QStringView reply, qsizetype maxRecords = -1);

// The most records the results list takes from one reply. A real server
// sends a few hundred (ours at most 100,000); a broken one can fill a whole
// reply with millions of empty records, and listing them would hold the
// window for seconds and take gigabytes. Records past this are ignored like
// text after the last "¼".
inline constexpr qsizetype kMaxListedRecords = 100000;

// Every text before a "½", in order; text after the last "½" is dropped.
QStringList SplitFields(QStringView record);

// The field at index n, "" when the record has no such field.
inline QString FieldAt(const QStringList& fields, int n)
{
    return n >= 0 && n < fields.size() ? fields.at(n) : QString();
}

// The fields of a record as views into it, without copying; the same split
// as SplitFields.
QList<QStringView> SplitFieldViews(QStringView record);

// Field layout of one search result.
enum FoodField {
    FoodName = 0,
    FoodUnused = 1,
    FoodEnergyKJ = 2,
    FoodEnergyKcal = 3,
    FoodUnsaturatedFat = 4,
    FoodSaturatedFat = 5,
    FoodCarbohydrates = 6,
    FoodProtein = 7,
    FoodSodium = 8,
    FoodStatus = 9,
    FoodFieldCount = 10,
};

enum class RecordStatus { Checked, Unchecked, Unknown };

// "j" is checked, "n" unchecked; a record with fewer than ten fields or any
// other status is unknown (its row gets no icon).
RecordStatus StatusOf(const QStringList& fields);
RecordStatus StatusOf(const QList<QStringView>& fields);

} // namespace net
