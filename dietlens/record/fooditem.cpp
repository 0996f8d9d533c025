#include "dietlens/record/fooditem.h"

#include "dietlens/core/numbers.h"

#include <cmath>

bool NutritionValues::isFinite() const
{
    return std::isfinite(kj) && std::isfinite(kcal) && std::isfinite(unsaturatedFat) &&
           std::isfinite(saturatedFat) && std::isfinite(carbohydrates) && std::isfinite(protein) &&
           std::isfinite(sodium);
}

namespace record {

namespace {

QStringList splitTerminated(QStringView text, QChar terminator, qsizetype maxParts = -1)
{
    QStringList parts;
    qsizetype start = 0;
    while (maxParts < 0 || parts.size() < maxParts) {
        const qsizetype end = text.indexOf(terminator, start);
        if (end < 0)
            break;
        parts.append(text.mid(start, end - start).toString());
        start = end + 1;
    }
    return parts;
}

} // namespace

QStringList splitFields(QStringView text)
{
    return splitTerminated(text, kFieldEnd);
}

bool HasRecords(QStringView reply)
{
    return reply.contains(kRecordEnd);
}

QStringList SplitRecords(QStringView reply, qsizetype maxRecords)
{
    return splitTerminated(reply, kRecordEnd, maxRecords);
}

QString withoutSeparators(QString text)
{
    text.remove(kRecordEnd);
    text.remove(kFieldEnd);
    text.remove(kBookmarkEnd);
    return text;
}

} // namespace record

namespace {

// Field i of a split record; "" past the end.
QStringView fieldAt(const QList<QStringView>& fields, qsizetype i)
{
    return i >= 0 && i < fields.size() ? fields.at(i) : QStringView();
}

float numberAt(const QList<QStringView>& fields, qsizetype i)
{
    return float(Val(fieldAt(fields, i)));
}

// The fields of a record as views into it, without copying.
QList<QStringView> fieldViews(QStringView text)
{
    QList<QStringView> fields;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(record::kFieldEnd, start);
        if (end < 0)
            break;
        fields.append(text.mid(start, end - start));
        start = end + 1;
    }
    return fields;
}

QString numberText(float value)
{
    QString text = GeneralNumber(value);
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

// A value rounded with a format pattern and written back as general number
// text. A value that rounds to nothing ("#" patterns give "" for 0) is 0, so
// an item without energy (water) can still be dragged.
QString roundedText(float value, QStringView pattern)
{
    const QString formatted = FormatNumber(double(value), pattern, QLatin1Char('.'));
    float rounded = formatted.isEmpty() ? 0.0f : float(Val(formatted));
    if (rounded == 0.0f)
        rounded = 0.0f; // no "-0"
    return numberText(rounded);
}

QString joinRecord(const QStringList& fields)
{
    QString text;
    for (const QString& f : fields) {
        text += f;
        text += record::kFieldEnd;
    }
    return text;
}

} // namespace

float Bookmark::weightGrams() const
{
    return float(Val(weight));
}

std::optional<NutritionValues> Bookmark::per100g() const
{
    const float divisor = weightGrams() / 100.0f;
    if (divisor == 0.0f || !std::isfinite(divisor))
        return std::nullopt;
    const NutritionValues per100g{
        atWeight.kj / divisor,           atWeight.kcal / divisor,          atWeight.unsaturatedFat / divisor,
        atWeight.saturatedFat / divisor, atWeight.carbohydrates / divisor, atWeight.protein / divisor,
        atWeight.sodium / divisor};
    if (!per100g.isFinite())
        return std::nullopt;
    return per100g;
}

NutritionValues ScaledToWeight(const NutritionValues& v, float weightGrams)
{
    const float factor = weightGrams / 100.0f;
    return {v.kj * factor,           v.kcal * factor,          v.unsaturatedFat * factor,
            v.saturatedFat * factor, v.carbohydrates * factor, v.protein * factor,
            v.sodium * factor};
}

namespace record {

FoodItem ParseFoodItem(QStringView text)
{
    const QList<QStringView> f = fieldViews(text);
    FoodItem item;
    item.name = fieldAt(f, 0).toString();
    item.per100g = {numberAt(f, 2), numberAt(f, 3), numberAt(f, 4), numberAt(f, 5),
                    numberAt(f, 6), numberAt(f, 7), numberAt(f, 8)};
    if (f.size() >= 10) {
        if (f.at(9) == u"j")
            item.status = FoodStatus::Checked;
        else if (f.at(9) == u"n")
            item.status = FoodStatus::Unchecked;
    }
    return item;
}

std::vector<FoodItem> ParseSearchReply(QStringView reply, qsizetype maxItems)
{
    std::vector<FoodItem> items;
    qsizetype start = 0;
    while (maxItems < 0 || qsizetype(items.size()) < maxItems) {
        const qsizetype end = reply.indexOf(kRecordEnd, start);
        if (end < 0)
            break;
        items.push_back(ParseFoodItem(reply.mid(start, end - start)));
        start = end + 1;
    }
    return items;
}

Bookmark ParseBookmark(const QString& text)
{
    // Bookmark order: kJ 3, kcal 4, protein 5, unsaturated 6, saturated 7, carbohydrates 8, sodium 9.
    const QList<QStringView> f = fieldViews(text);
    Bookmark b;
    b.name = fieldAt(f, 0).toString();
    b.group = fieldAt(f, 1).toString();
    b.weight = fieldAt(f, 2).toString();
    b.atWeight = {numberAt(f, 3), numberAt(f, 4), numberAt(f, 6), numberAt(f, 7),
                  numberAt(f, 8), numberAt(f, 5), numberAt(f, 9)};
    b.remark = fieldAt(f, 11).toString();
    b.text = text;
    return b;
}

std::optional<Bookmark> MakeBookmark(const QString& name, const QString& group, float weightGrams,
                                     const NutritionValues& v, const QString& remark)
{
    if (!v.isFinite() || !std::isfinite(weightGrams))
        return std::nullopt;
    Bookmark b;
    b.name = withoutSeparators(name);
    b.group = withoutSeparators(group);
    b.weight = numberText(weightGrams);
    b.atWeight = v;
    b.remark = withoutSeparators(remark);
    b.text = joinRecord({b.name, b.group, b.weight, numberText(v.kj), numberText(v.kcal),
                         numberText(v.protein), numberText(v.unsaturatedFat), numberText(v.saturatedFat),
                         numberText(v.carbohydrates), numberText(v.sodium), QStringLiteral("0"), b.remark});
    return b;
}

QString DragText(const Bookmark& b)
{
    const NutritionValues& v = b.atWeight;
    const float weightGrams = b.weightGrams();
    if (!v.isFinite() || !std::isfinite(weightGrams))
        return {};
    QString text =
        QStringLiteral("DLITEM-") +
        joinRecord({withoutSeparators(b.name), withoutSeparators(b.group), numberText(weightGrams),
                    roundedText(v.kj, u"########"), roundedText(v.kcal, u"#######"),
                    roundedText(v.protein, u"#####0.00"), roundedText(v.unsaturatedFat, u"####0.00"),
                    roundedText(v.saturatedFat, u"####0.00"), roundedText(v.carbohydrates, u"#####0.00"),
                    roundedText(v.sodium, u"###0.0000"), QStringLiteral("0"), withoutSeparators(b.remark)});
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

} // namespace record
