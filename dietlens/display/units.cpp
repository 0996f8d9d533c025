#include "dietlens/display/units.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/settings.h"
#include "dietlens/lang/text/functions.h"
#include "dietlens/lang/text/main.h"
#include "lang/languagetables.h"
#include "lang/messenger.h"

#include <cmath>

namespace {

void showCalculationError(const LanguageTables& lang, Messenger& messenger)
{
    messenger.message(QStringLiteral("Error #F7-0h"),
                      joinLines({lang.at(text::Functions::AnErrorOccurredDuringThe),
                                 lang.at(text::Functions::PleaseNotifyUsAboutThis), QString(),
                                 lang.at(text::Functions::ContactUsAtOurWebsite)}),
                      MessageIcon::Critical);
}

} // namespace

QString GramsToOunces(const QString& grams, float factor, const LanguageTables& lang, Messenger& messenger)
{
    if (grams.isEmpty())
        return {};
    QString text = grams;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const float ounces = float(Val(text)) * factor;
    if (!std::isfinite(ounces)) {
        showCalculationError(lang, messenger);
        return {};
    }
    const float rounded = float(Val(FormatNumber(double(ounces), u"##0.0", QLatin1Char('.'))));
    QString result = GeneralNumber(rounded == 0.0f ? 0.0f : rounded);
    result.replace(QLatin1Char('.'), RegionalDecimalSeparator());
    return result;
}

QString GramsToOunces(const QString& grams, const LanguageTables& lang, Messenger& messenger)
{
    return GramsToOunces(grams, kGramToOunceFactor, lang, messenger);
}

QString OuncesToGrams(const QString& ounces, float factor, const LanguageTables& lang, Messenger& messenger)
{
    if (ounces.isEmpty())
        return {};
    QString text = ounces;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const float grams = factor == 0.0f ? NAN : float(Val(text)) / factor;
    if (!std::isfinite(grams)) {
        showCalculationError(lang, messenger);
        return {};
    }
    QString result = FormatNumber(double(grams), u"##0", QLatin1Char('.'));
    if (result == QLatin1String("-0"))
        result = QStringLiteral("0");
    return result;
}

QString OuncesToGrams(const QString& ounces, const LanguageTables& lang, Messenger& messenger)
{
    return OuncesToGrams(ounces, kGramToOunceFactor, lang, messenger);
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

QString WeightText(const QString& gramsText, const Settings& settings, const LanguageTables& lang,
                   Messenger& messenger)
{
    if (WeightUnitOf(settings.WeightUnit) == WeightUnitKind::Ounces)
        return GramsToOunces(gramsText, lang, messenger);
    return gramsText;
}

QString WeightUnitWord(const Settings& settings, const LanguageTables& lang)
{
    return WeightUnitOf(settings.WeightUnit) == WeightUnitKind::Ounces ? lang.at(text::Main::Oz)
                                                                       : lang.at(text::Main::Gram);
}

QString BookmarkLabel(const QString& name, const QString& gramsText, const Settings& settings,
                      const LanguageTables& lang, Messenger& messenger)
{
    return name + QStringLiteral(" (") + WeightText(gramsText, settings, lang, messenger) + QLatin1Char(' ') +
           WeightUnitWord(settings, lang) + QLatin1Char(')');
}
