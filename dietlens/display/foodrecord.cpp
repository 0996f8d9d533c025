#include "dietlens/display/foodrecord.h"

#include "dietlens/core/numbers.h"

#include <cmath>

bool NutritionValues::isFinite() const
{
    return std::isfinite(kj) && std::isfinite(kcal) && std::isfinite(unsaturatedFat) &&
           std::isfinite(saturatedFat) && std::isfinite(carbohydrates) && std::isfinite(protein) &&
           std::isfinite(sodium);
}

namespace record {

QStringList splitFields(QStringView text)
{
    QStringList fields;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(kFieldEnd, start);
        if (end < 0)
            break;
        fields.append(text.mid(start, end - start).toString());
        start = end + 1;
    }
    return fields;
}

QString field(const QStringList& fields, qsizetype i)
{
    return i >= 0 && i < fields.size() ? fields.at(i) : QString();
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

float numberField(const QStringList& fields, qsizetype i)
{
    return float(Val(record::field(fields, i)));
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

NutritionValues ValuesFromFoodItem(const QStringList& fields)
{
    return {numberField(fields, 2), numberField(fields, 3), numberField(fields, 4), numberField(fields, 5),
            numberField(fields, 6), numberField(fields, 7), numberField(fields, 8)};
}

float BookmarkWeight(const QStringList& fields)
{
    return numberField(fields, 2);
}

NutritionValues StoredBookmarkValues(const QStringList& fields)
{
    // Bookmark order: kJ 3, kcal 4, protein 5, unsaturated 6, saturated 7, carbohydrates 8, sodium 9.
    return {numberField(fields, 3), numberField(fields, 4), numberField(fields, 6), numberField(fields, 7),
            numberField(fields, 8), numberField(fields, 5), numberField(fields, 9)};
}

std::optional<NutritionValues> ValuesFromBookmark(const QStringList& fields)
{
    const float divisor = BookmarkWeight(fields) / 100.0f;
    if (divisor == 0.0f || !std::isfinite(divisor))
        return std::nullopt;
    const NutritionValues stored = StoredBookmarkValues(fields);
    const NutritionValues per100g{
        stored.kj / divisor,           stored.kcal / divisor,          stored.unsaturatedFat / divisor,
        stored.saturatedFat / divisor, stored.carbohydrates / divisor, stored.protein / divisor,
        stored.sodium / divisor};
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

QString BookmarkRecord(const QString& name, const QString& group, float weightGrams, const NutritionValues& v,
                       const QString& remark)
{
    if (!v.isFinite() || !std::isfinite(weightGrams))
        return {};
    return joinRecord({record::withoutSeparators(name), record::withoutSeparators(group),
                       numberText(weightGrams), numberText(v.kj), numberText(v.kcal), numberText(v.protein),
                       numberText(v.unsaturatedFat), numberText(v.saturatedFat), numberText(v.carbohydrates),
                       numberText(v.sodium), QStringLiteral("0"), record::withoutSeparators(remark)});
}

QString DragText(const QString& name, const QString& group, float weightGrams, const NutritionValues& v,
                 const QString& remark)
{
    if (!v.isFinite() || !std::isfinite(weightGrams))
        return {};
    QString text =
        QStringLiteral("DLITEM-") +
        joinRecord({record::withoutSeparators(name), record::withoutSeparators(group),
                    numberText(weightGrams), roundedText(v.kj, u"########"), roundedText(v.kcal, u"#######"),
                    roundedText(v.protein, u"#####0.00"), roundedText(v.unsaturatedFat, u"####0.00"),
                    roundedText(v.saturatedFat, u"####0.00"), roundedText(v.carbohydrates, u"#####0.00"),
                    roundedText(v.sodium, u"###0.0000"), QStringLiteral("0"),
                    record::withoutSeparators(remark)});
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}
