// The search reply: splitting into records at "¼" and into fields at "½",
// the food items read from them and the bookmarks made of those.
//
// Checked for every input (read as a Windows-1252 reply body):
// - the records are exactly the pieces before each 0xBC byte, in order, and
//   joined again with their terminators they give the reply up to its last
//   terminator; text after it is never a record;
// - the fields of each record are exactly the pieces before each 0xBD byte;
//   no field holds a terminator;
// - a food item's name is the record's first field ("" without fields); its
//   status is known only for a record of ten fields or more whose field 9 is
//   "j" or "n"; no value is NaN; reading the whole reply gives the items of
//   its records in order;
// - a record with finite values becomes a bookmark record and a drag text of
//   exactly twelve fields whose name is the record's name without
//   separators, and reading the bookmark back gives the values per 100 g
//   again (within float precision); values that overflow give no record.
#include "dietlens/record/fooditem.h"
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

void checkBookmarking(const FoodItem& item)
{
    for (float weight : {1.0f, 133.0f, 1000.0f}) {
        const NutritionValues atWeight = ScaledToWeight(item.per100g, weight);
        const std::optional<Bookmark> bookmark = record::MakeBookmark(
            item.name, QStringLiteral("Default"), weight, atWeight, QStringLiteral("Exported with Dietlens"));
        if (!atWeight.isFinite()) {
            FUZZ_CHECK(!bookmark);
            continue;
        }
        FUZZ_CHECK(bookmark.has_value());
        const QString& text = bookmark->text;
        FUZZ_CHECK(record::splitFields(text).size() == 12);
        FUZZ_CHECK(text.endsWith(record::kFieldEnd));
        FUZZ_CHECK(!text.contains(record::kRecordEnd) && !text.contains(record::kBookmarkEnd));
        const Bookmark stored = record::ParseBookmark(text);
        FUZZ_CHECK(stored.name == record::withoutSeparators(item.name));
        FUZZ_CHECK(stored.weightGrams() == weight);
        const NutritionValues& back = stored.atWeight;
        FUZZ_CHECK(near(back.kj, atWeight.kj) && near(back.kcal, atWeight.kcal) &&
                   near(back.protein, atWeight.protein) && near(back.sodium, atWeight.sodium) &&
                   near(back.unsaturatedFat, atWeight.unsaturatedFat) &&
                   near(back.saturatedFat, atWeight.saturatedFat) &&
                   near(back.carbohydrates, atWeight.carbohydrates));
        const QString drag = record::DragText(*bookmark);
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
    const QStringList records = record::SplitRecords(reply);
    FUZZ_CHECK(record::HasRecords(reply) == !expectedRecords.isEmpty());
    FUZZ_CHECK(records.size() == expectedRecords.size());
    const std::vector<FoodItem> items = record::ParseSearchReply(reply);
    FUZZ_CHECK(qsizetype(items.size()) == records.size());

    QString rejoined;
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QString& text = records[r];
        FUZZ_CHECK(text == cp1252::decode(expectedRecords[r]));
        FUZZ_CHECK(!text.contains(record::kRecordEnd));
        rejoined += text + record::kRecordEnd;

        const QList<QByteArray> expectedFields = terminated(expectedRecords[r], '\xBD');
        const QStringList fields = record::splitFields(text);
        FUZZ_CHECK(fields.size() == expectedFields.size());
        for (qsizetype f = 0; f < fields.size(); ++f) {
            FUZZ_CHECK(fields[f] == cp1252::decode(expectedFields[f]));
            FUZZ_CHECK(!fields[f].contains(record::kFieldEnd));
        }

        const FoodItem item = record::ParseFoodItem(text);
        FUZZ_CHECK(item == items[size_t(r)]);
        FUZZ_CHECK(item.name == fields.value(0));
        if (fields.size() < 10) {
            FUZZ_CHECK(item.status == FoodStatus::Unknown);
        } else {
            FUZZ_CHECK((item.status == FoodStatus::Checked) == (fields[9] == QStringLiteral("j")));
            FUZZ_CHECK((item.status == FoodStatus::Unchecked) == (fields[9] == QStringLiteral("n")));
        }
        const NutritionValues& v = item.per100g;
        for (const float value :
             {v.kj, v.kcal, v.unsaturatedFat, v.saturatedFat, v.carbohydrates, v.protein, v.sodium})
            FUZZ_CHECK(!std::isnan(value));
        checkBookmarking(item);
    }
    const qsizetype lastEnd = reply.lastIndexOf(record::kRecordEnd);
    FUZZ_CHECK(rejoined == reply.left(lastEnd + 1));
    return 0;
}
