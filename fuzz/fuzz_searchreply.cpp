// The search reply: splitting into records at "¼" and into fields at "½",
// field access and the row status.
//
// Checked for every input (read as a Windows-1252 reply body):
// - the records are exactly the pieces before each 0xBC byte, in order, and
//   joined again with their terminators they give the reply up to its last
//   terminator; text after it is never a record;
// - the fields of each record are exactly the pieces before each 0xBD byte;
//   no field holds a terminator;
// - a field index past the end reads "";
// - the status is known only for a record of ten fields or more whose field 9
//   is "j" or "n";
// - every numeric field reads as a number that is not NaN;
// - the display's field splitter agrees with the search's;
// - a record with finite values becomes a bookmark record and a drag text of
//   exactly twelve fields whose name is the record's name without
//   separators, and reading the bookmark back gives the values per 100 g
//   again (within float precision); values that overflow give no record.
#include "dietlens/core/numbers.h"
#include "dietlens/display/foodrecord.h"
#include "dietlens/net/search.h"
#include "files/cp1252.h"
#include "fuzz/fuzzsupport.h"

#include <cmath>

namespace {

QList<QByteArray> terminated(const QByteArray& bytes, char terminator)
{
    QList<QByteArray> pieces = bytes.split(terminator);
    pieces.removeLast();
    return pieces;
}

bool near(float a, float b)
{
    return std::fabs(double(a) - double(b)) <= std::fabs(double(b)) * 1e-5 + 1e-30;
}

void checkBookmarking(const QStringList& fields)
{
    const NutritionValues per100g = ValuesFromFoodItem(fields);
    const QString name = net::FieldAt(fields, net::FoodName);
    for (float weight : {1.0f, 133.0f, 1000.0f}) {
        const NutritionValues atWeight = ScaledToWeight(per100g, weight);
        const QString bookmark = BookmarkRecord(name, QStringLiteral("Default"), weight, atWeight,
                                                QStringLiteral("Exported with Dietlens"));
        const QString drag = DragText(name, QStringLiteral("Default"), weight, atWeight, QStringLiteral("x"));
        if (!atWeight.isFinite()) {
            FUZZ_CHECK(bookmark.isEmpty() && drag.isEmpty());
            continue;
        }
        const QStringList stored = record::splitFields(bookmark);
        FUZZ_CHECK(stored.size() == 12);
        FUZZ_CHECK(bookmark.endsWith(record::kFieldEnd));
        FUZZ_CHECK(stored[0] == record::withoutSeparators(name));
        FUZZ_CHECK(!bookmark.contains(record::kRecordEnd) && !bookmark.contains(record::kBookmarkEnd));
        FUZZ_CHECK(BookmarkWeight(stored) == weight);
        const NutritionValues back = StoredBookmarkValues(stored);
        FUZZ_CHECK(near(back.kj, atWeight.kj) && near(back.kcal, atWeight.kcal) &&
                   near(back.protein, atWeight.protein) && near(back.sodium, atWeight.sodium) &&
                   near(back.unsaturatedFat, atWeight.unsaturatedFat) &&
                   near(back.saturatedFat, atWeight.saturatedFat) &&
                   near(back.carbohydrates, atWeight.carbohydrates));
        FUZZ_CHECK(drag.startsWith(QStringLiteral("DLITEM-")));
        FUZZ_CHECK(record::splitFields(QStringView(drag).mid(7)).size() == 12);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzsupport::input(data, size);
    const QString reply = cp1252::decode(bytes);
    FUZZ_CHECK(reply.size() == bytes.size());

    const QList<QByteArray> expectedRecords = terminated(bytes, '\xBC');
    const QStringList records = net::SplitRecords(reply);
    FUZZ_CHECK(net::HasRecords(reply) == !expectedRecords.isEmpty());
    FUZZ_CHECK(records.size() == expectedRecords.size());

    QString rejoined;
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QString& record = records[r];
        FUZZ_CHECK(record == cp1252::decode(expectedRecords[r]));
        FUZZ_CHECK(!record.contains(net::kRecordEnd));
        rejoined += record + net::kRecordEnd;

        const QList<QByteArray> expectedFields = terminated(expectedRecords[r], '\xBD');
        const QStringList fields = net::SplitFields(record);
        FUZZ_CHECK(fields.size() == expectedFields.size());
        for (qsizetype f = 0; f < fields.size(); ++f) {
            FUZZ_CHECK(fields[f] == cp1252::decode(expectedFields[f]));
            FUZZ_CHECK(!fields[f].contains(net::kFieldEnd));
            FUZZ_CHECK(net::FieldAt(fields, int(f)) == fields[f]);
        }
        FUZZ_CHECK(net::FieldAt(fields, -1).isEmpty());
        FUZZ_CHECK(net::FieldAt(fields, int(fields.size())).isEmpty());
        FUZZ_CHECK(net::FieldAt(fields, net::FoodFieldCount + 5).isEmpty() ||
                   fields.size() > net::FoodFieldCount + 5);

        const net::RecordStatus status = net::StatusOf(fields);
        if (fields.size() < net::FoodFieldCount) {
            FUZZ_CHECK(status == net::RecordStatus::Unknown);
        } else {
            const QString& s = fields[net::FoodStatus];
            FUZZ_CHECK((status == net::RecordStatus::Checked) == (s == QStringLiteral("j")));
            FUZZ_CHECK((status == net::RecordStatus::Unchecked) == (s == QStringLiteral("n")));
        }
        for (int f = net::FoodEnergyKJ; f <= net::FoodSodium; ++f)
            FUZZ_CHECK(!std::isnan(Val(net::FieldAt(fields, f))));
        FUZZ_CHECK(record::splitFields(record) == fields);
        checkBookmarking(fields);
    }
    const qsizetype lastEnd = reply.lastIndexOf(net::kRecordEnd);
    FUZZ_CHECK(rejoined == reply.left(lastEnd + 1));
    return 0;
}
