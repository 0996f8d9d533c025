#include "dietlens/display/nutritionchart.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/settings.h"
#include "dietlens/display/units.h"
#include "dietlens/lang/text/functions.h"
#include "lang/languagetables.h"

#include <cmath>

namespace {

constexpr std::array<float, NutritionChart::kBarCount> kCaptionTops{45, 600, 1200, 1800, 2400, 3000};
constexpr std::array<float, NutritionChart::kBarCount> kBarTops{240, 800, 1395, 2000, 2600, 3200};
constexpr float kCaptionWidth = 3400;
constexpr float kCaptionHeight = 195;
constexpr float kValueLabelHeight = 180;

// A width the chart can take: a finite, non-negative number of twips.
bool isDrawableWidth(float width)
{
    return std::isfinite(width) && width >= 0 && width < 1.0e9f;
}

} // namespace

NutritionChart::NutritionChart()
{
    for (std::size_t i = 0; i < kBarCount; ++i) {
        captions[i] = {kBarLeft, kCaptionTops[i], kCaptionWidth, kCaptionHeight};
        ChartBar& bar = bars[i];
        bar.leftCap = {kBarLeft, kBarTops[i], kCapWidth, kBarHeight};
        bar.body = {kBarLeft + kCapWidth, kBarTops[i], 0, kBarHeight};
        bar.rightCap = {bar.body.left, kBarTops[i], kCapWidth, kBarHeight};
        bar.label = {bar.rightCap.left + kCapWidth + kGap, kBarTops[i] + kGap, kValueLabelWidth,
                     kValueLabelHeight};
    }
}

Result<ChartDrawing, Problem> ComputeNutritionChart(NutritionChart& chart, const NutritionValues& v,
                                                    int weightGrams, const Settings& settings,
                                                    const LanguageTables& lang)
{
    Result<ChartDrawing, Problem> drawing{ChartDrawing::Skipped, {}};
    if (v.kj == 0 || v.kcal == 0)
        return drawing;

    const NutritionValues shown = ScaledToWeight(v, float(weightGrams));
    drawing.value = ChartDrawing::Failed;
    if (!v.isFinite() || !shown.isFinite())
        return drawing;

    const WeightUnitKind unit = WeightUnitOf(settings.WeightUnit);
    if (unit != WeightUnitKind::Other) {
        const QString grams = QString::number(weightGrams);
        QString weight = grams;
        if (unit == WeightUnitKind::Ounces) {
            const Result<QString, Problem> ounces = GramsToOunces(grams);
            weight = ounces.value;
            drawing.problems += ounces.problems;
        }
        const QString unitWord =
            unit == WeightUnitKind::Grams ? lang.at(text::Functions::Gram) : lang.at(text::Functions::Oz);
        const QString tail = QLatin1Char(' ') + weight + QLatin1Char(' ') + unitWord;
        const QString& energyUnit = settings.EnergyUnit;
        if (energyUnit.isEmpty())
            chart.captionTexts[EnergyBar] = lang.at(text::Functions::KilojoulesPer24) + tail;
        else if (energyUnit == QLatin1String("0"))
            chart.captionTexts[EnergyBar] = lang.at(text::Functions::KilojoulesPer25) + tail;
        else if (energyUnit == QLatin1String("1"))
            chart.captionTexts[EnergyBar] = lang.at(text::Functions::KilocaloriesPer) + tail;
        chart.captionTexts[SaturatedFatBar] = lang.at(text::Functions::SaturatedFatPer) + tail;
        chart.captionTexts[UnsaturatedFatBar] = lang.at(text::Functions::UnsaturatedFatPer) + tail;
        chart.captionTexts[SodiumBar] = lang.at(text::Functions::SodiumPer) + tail;
        chart.captionTexts[ProteinBar] = lang.at(text::Functions::ProteinPer) + tail;
        chart.captionTexts[CarbohydratesBar] = lang.at(text::Functions::CarbohydratesPer) + tail;
    }

    const float maxLength = chart.maxBarLength();
    float nutrientSum = v.unsaturatedFat + v.saturatedFat + v.carbohydrates + v.protein + v.sodium;
    if (nutrientSum == 0)
        nutrientSum = 1;
    const float scale = maxLength / nutrientSum;
    const bool widthLocked = v.kj >= maxLength;

    struct BarValues
    {
        float width;
        float shownValue;
        const char16_t* pattern;
    };
    const std::array<BarValues, NutritionChart::kBarCount> barValues{{
        {v.kj, 0, u"#######"},
        {scale * v.saturatedFat, shown.saturatedFat, u"###0.00"},
        {scale * v.unsaturatedFat, shown.unsaturatedFat, u"###0.00"},
        {scale * v.sodium, shown.sodium, u"###0.000"},
        {scale * v.protein, shown.protein, u"####0.00"},
        {scale * v.carbohydrates, shown.carbohydrates, u"####0.00"},
    }};

    const QString grams = lang.at(text::Functions::Gr);
    for (std::size_t i = 0; i < NutritionChart::kBarCount; ++i) {
        ChartBar& bar = chart.bars[i];
        const float top = kBarTops[i];
        bar.leftCap = {NutritionChart::kBarLeft, top, NutritionChart::kCapWidth, NutritionChart::kBarHeight};
        bar.body.left = bar.leftCap.left + bar.leftCap.width;
        bar.body.top = top;
        bar.body.height = NutritionChart::kBarHeight;
        if (!widthLocked) {
            if (!isDrawableWidth(barValues[i].width))
                return drawing;
            bar.body.width = barValues[i].width;
        }
        bar.rightCap = {bar.body.left + bar.body.width, top, NutritionChart::kCapWidth,
                        NutritionChart::kBarHeight};
        bar.label.top = top + NutritionChart::kGap;
        bar.label.left = bar.rightCap.left + bar.rightCap.width + NutritionChart::kGap;
        if (i == EnergyBar) {
            const QString& energyUnit = settings.EnergyUnit;
            if (energyUnit.isEmpty())
                bar.labelText = FormatNumber(double(shown.kj), u"#######") + QLatin1Char(' ') +
                                lang.at(text::Functions::Kj33);
            else if (energyUnit == QLatin1String("0"))
                bar.labelText = FormatNumber(double(shown.kj), u"#######") + QLatin1Char(' ') +
                                lang.at(text::Functions::Kj34);
            else if (energyUnit == QLatin1String("1"))
                bar.labelText = FormatNumber(double(shown.kcal), u"#######") + QLatin1Char(' ') +
                                lang.at(text::Functions::Kcal);
        } else {
            bar.labelText = FormatNumber(double(barValues[i].shownValue), barValues[i].pattern) +
                            QLatin1Char(' ') + grams;
        }
    }
    drawing.value = ChartDrawing::Drawn;
    return drawing;
}

Result<ChartDrawing, Problem> DrawNutritionChart(NutritionChart& chart, const NutritionValues& per100g,
                                                 int weightGrams, const Settings& settings,
                                                 const LanguageTables& lang)
{
    Result<ChartDrawing, Problem> drawing =
        ComputeNutritionChart(chart, per100g, weightGrams, settings, lang);
    if (drawing.value == ChartDrawing::Failed)
        drawing.problems.append({ProblemKind::ChartNotDrawn, QString()});
    return drawing;
}
