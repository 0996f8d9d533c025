#pragma once
// Geometry and texts of the nutrition bar chart, in twips (1/1440 inch).
// The chart keeps whatever the last successful drawing set: a drawing may end
// early or keep the bar widths, and then earlier values stay.
#include "dietlens/core/problem.h"
#include "dietlens/record/fooditem.h"

#include <QString>

#include <array>

class LanguageTables;
struct Settings;

struct TwipRect
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const TwipRect&) const = default;
};

// Bars from top to bottom.
enum ChartBarIndex { EnergyBar, SaturatedFatBar, UnsaturatedFatBar, SodiumBar, ProteinBar, CarbohydratesBar };

struct ChartBar
{
    TwipRect leftCap;  // pic_gl
    TwipRect body;     // pic_g: its width shows the value
    TwipRect rightCap; // pic_gr
    TwipRect label;    // lbl_g: value and unit behind the bar
    QString labelText;
    bool operator==(const ChartBar&) const = default;
};

struct NutritionChart
{
    static constexpr std::size_t kBarCount = 6;
    static constexpr float kAreaWidth = 3615;
    static constexpr float kAreaHeight = 3700;
    static constexpr float kValueLabelWidth = 960;
    static constexpr float kCapWidth = 135;
    static constexpr float kBarHeight = 375;
    static constexpr float kBarLeft = 60;
    static constexpr float kGap = 40;

    float areaWidth = kAreaWidth;
    float areaHeight = kAreaHeight;

    std::array<TwipRect, kBarCount> captions; // lbl_kj, lbl_vvet, lbl_ovet, lbl_nat, lbl_ew, lbl_kdr
    std::array<QString, kBarCount> captionTexts;
    std::array<ChartBar, kBarCount> bars;

    NutritionChart();

    // Longest bar body: chart width less a value label and a margin (2255).
    float maxBarLength() const { return areaWidth - kValueLabelWidth - 400; }
    // The width a value may take behind the longest bar: its label and the
    // chart's margin to the right of it (990).
    float valueRoom() const { return areaWidth - (kBarLeft + 2 * kCapWidth + maxBarLength() + kGap); }

    bool operator==(const NutritionChart&) const = default;
};

enum class ChartDrawing {
    Drawn,   // texts and positions set (widths too unless locked)
    Skipped, // 0 kJ or 0 kcal: nothing changed
    Failed,  // a value could not be drawn; the chart holds what was set before the failure
};

// One drawing of the values per 100 g at a weight in grams, with the units
// of the settings and the texts of the tables. A failed drawing is no
// problem of its own here; see DrawNutritionChart.
Result<ChartDrawing, Problem> ComputeNutritionChart(NutritionChart& chart, const NutritionValues& per100g,
                                                    int weightGrams, const Settings& settings,
                                                    const LanguageTables& lang);

// The same, with ChartNotDrawn when the drawing fails.
Result<ChartDrawing, Problem> DrawNutritionChart(NutritionChart& chart, const NutritionValues& per100g,
                                                 int weightGrams, const Settings& settings,
                                                 const LanguageTables& lang);
