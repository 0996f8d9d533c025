#pragma once
// The chart area of the main window ("Pic_grafiek"): paints the bar chart
// model, laid out in twips. Painting is vector based, so it stays sharp at
// any device pixel ratio.
#include "dietlens/display/nutritionchart.h"

#include <QWidget>

#include <array>

class Messenger;
class QLabel;

class NutritionChartView : public QWidget
{
    Q_OBJECT
public:
    explicit NutritionChartView(QWidget* parent = nullptr);

    const NutritionChart& chart() const { return m_chart; }

    // Runs one drawing of the values per 100 g at the weight and repaints
    // what it changed; a failed drawing shows "Error #304".
    ChartDrawing draw(const NutritionValues& per100g, int weightGrams, const Settings& settings,
                      const LanguageTables& lang, Messenger& messenger);

    QSize sizeHint() const override;

    // What a screen reader reads for bar 0 to 5: the caption line and the
    // value label, "Saturated fat per 150 Gram: 22.50 Gr.".
    QString accessibleText(std::size_t bar) const;

    static QColor barColor(std::size_t bar);
    static QColor backgroundColor();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The painted captions and values are also six accessible items, one
    // over each bar, that follow every drawing.
    void updateAccessibleItems();

    NutritionChart m_chart;
    std::array<QLabel*, NutritionChart::kBarCount> m_items{};
};
