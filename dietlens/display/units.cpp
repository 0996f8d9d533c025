#include "dietlens/display/units.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/settings.h"
#include "dietlens/lang/text/main.h"
#include "lang/languagetables.h"

#include <cmath>

namespace {

const Result<QString, Problem> kCalculationFailed{QString(), {{ProblemKind::CalculationFailed, QString()}}};

} // namespace

Result<QString, Problem> GramsToOunces(const QString& grams, float factor)
{
    if (grams.isEmpty())
        return {};
    QString text = grams;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const float ounces = float(Val(text)) * factor;
    if (!std::isfinite(ounces))
        return kCalculationFailed;
    const float rounded = float(Val(FormatNumber(double(ounces), u"##0.0", QLatin1Char('.'))));
    QString result = GeneralNumber(rounded == 0.0f ? 0.0f : rounded);
    result.replace(QLatin1Char('.'), RegionalDecimalSeparator());
    return {result, {}};
}

Result<QString, Problem> GramsToOunces(const QString& grams)
{
    return GramsToOunces(grams, kGramToOunceFactor);
}

Result<QString, Problem> OuncesToGrams(const QString& ounces, float factor)
{
    if (ounces.isEmpty())
        return {};
    QString text = ounces;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const float grams = factor == 0.0f ? NAN : float(Val(text)) / factor;
    if (!std::isfinite(grams))
        return kCalculationFailed;
    QString result = FormatNumber(double(grams), u"##0", QLatin1Char('.'));
    if (result == QLatin1String("-0"))
        result = QStringLiteral("0");
    return {result, {}};
}

Result<QString, Problem> OuncesToGrams(const QString& ounces)
{
    return OuncesToGrams(ounces, kGramToOunceFactor);
}

WeightUnitKind WeightUnitOf(const QString& setting)
{
    const double unit = Val(setting);
    if (unit == 0)
        return WeightUnitKind::Grams;
    if (unit == 1)
        return WeightUnitKind::Ounces;
    return WeightUnitKind::Other;
}

Result<QString, Problem> WeightText(const QString& gramsText, const Settings& settings)
{
    if (WeightUnitOf(settings.WeightUnit) == WeightUnitKind::Ounces)
        return GramsToOunces(gramsText);
    return {gramsText, {}};
}

QString WeightUnitWord(const Settings& settings, const LanguageTables& lang)
{
    return WeightUnitOf(settings.WeightUnit) == WeightUnitKind::Ounces ? lang.at(text::Main::Oz)
                                                                       : lang.at(text::Main::Gram);
}

Result<QString, Problem> BookmarkLabel(const QString& name, const QString& gramsText,
                                       const Settings& settings, const LanguageTables& lang)
{
    Result<QString, Problem> label = WeightText(gramsText, settings);
    label.value = name + QStringLiteral(" (") + label.value + QLatin1Char(' ') +
                  WeightUnitWord(settings, lang) + QLatin1Char(')');
    return label;
}
