#include "dietlens/ui/nutritionchartview.h"

#include "dietlens/ui/problempresenter.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

QRectF toPixels(const TwipRect& r)
{
    return TwipsRectF(qreal(r.left), qreal(r.top), qreal(r.width), qreal(r.height));
}

// Bar fill with a lit upper edge, so a bar reads as a rounded rod.
QLinearGradient rodGradient(const QRectF& r, const QColor& color)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, color.lighter(160));
    g.setColorAt(0.35, color);
    g.setColorAt(1.0, color.darker(140));
    return g;
}

// The outline of a bar: a rounded left end (the left cap), the body and a
// rounded right end (the right cap), as one contour so no seam shows.
QPainterPath rodPath(const QRectF& leftCap, const QRectF& rightCap)
{
    QPainterPath path;
    const qreal top = leftCap.top();
    const qreal h = leftCap.height();
    path.moveTo(leftCap.right(), top);
    path.arcTo(QRectF(leftCap.left(), top, 2 * leftCap.width(), h), 90, 180);
    path.lineTo(rightCap.left(), top + h);
    path.arcTo(QRectF(rightCap.left() - rightCap.width(), top, 2 * rightCap.width(), h), -90, 180);
    path.closeSubpath();
    return path;
}

} // namespace

NutritionChartView::NutritionChartView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Pic_grafiek"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QSize size = sizeHint();
    setMinimumSize(size);
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setAccessibleName(QStringLiteral("Nutrition chart"));
    for (std::size_t i = 0; i < NutritionChart::kBarCount; ++i) {
        auto* item = new QLabel(this);
        item->setObjectName(QStringLiteral("lbl_bar(%1)").arg(i));
        item->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_items[i] = item;
    }
    updateAccessibleItems();
}

QString NutritionChartView::accessibleText(std::size_t bar) const
{
    if (bar >= NutritionChart::kBarCount)
        return {};
    const QString caption = m_chart.captionTexts[bar].trimmed();
    const QString value = m_chart.bars[bar].labelText.trimmed();
    if (caption.isEmpty() || value.isEmpty())
        return caption + value;
    return caption + QStringLiteral(": ") + value;
}

void NutritionChartView::updateAccessibleItems()
{
    for (std::size_t i = 0; i < NutritionChart::kBarCount; ++i) {
        QLabel* item = m_items[i];
        const ChartBar& bar = m_chart.bars[i];
        const QRectF row = toPixels(m_chart.captions[i]) | toPixels(bar.leftCap) | toPixels(bar.label);
        item->setGeometry(QRect(0, int(row.top()), sizeHint().width(), int(std::ceil(row.height()))));
        const QString text = accessibleText(i);
        if (item->accessibleName() != text)
            item->setAccessibleName(text);
    }
}

QSize NutritionChartView::sizeHint() const
{
    return QSize(int(std::ceil(TwipsF(qreal(m_chart.areaWidth)))),
                 int(std::ceil(TwipsF(qreal(m_chart.areaHeight)))));
}

QColor NutritionChartView::backgroundColor()
{
    return QColor(184, 204, 204); // 13421752
}

QColor NutritionChartView::barColor(std::size_t bar)
{
    switch (bar) {
    case EnergyBar:
        return QColor(40, 90, 220); // blue
    case SaturatedFatBar:
        return QColor(245, 140, 30); // orange
    case UnsaturatedFatBar:
        return QColor(215, 35, 35); // red
    case SodiumBar:
        return QColor(40, 160, 60); // green
    case ProteinBar:
        return QColor(250, 240, 160); // pale yellow
    case CarbohydratesBar:
        return QColor(245, 215, 0); // yellow
    }
    return Qt::gray;
}

ChartDrawing NutritionChartView::draw(const NutritionValues& per100g, int weightGrams,
                                      const Settings& settings, const LanguageTables& lang,
                                      Messenger& messenger)
{
    const ChartDrawing result = ProblemPresenter(lang, messenger)
                                    .take(DrawNutritionChart(m_chart, per100g, weightGrams, settings, lang));
    if (result != ChartDrawing::Skipped) {
        updateAccessibleItems();
        update();
    }
    return result;
}

void NutritionChartView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), backgroundColor());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QColor textColor(Qt::black);
    p.setPen(textColor);
    for (std::size_t i = 0; i < NutritionChart::kBarCount; ++i)
        p.drawText(toPixels(m_chart.captions[i]), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   m_chart.captionTexts[i]);

    for (std::size_t i = 0; i < NutritionChart::kBarCount; ++i) {
        const ChartBar& bar = m_chart.bars[i];
        const QColor color = barColor(i);
        const QRectF left = toPixels(bar.leftCap);
        const QRectF right = toPixels(bar.rightCap);

        p.setPen(Qt::NoPen);
        p.setBrush(rodGradient(left, color));
        p.drawPath(rodPath(left, right));

        // A value wider than its label (1000.00 Gr. of a pure fat) may use the
        // chart's margin on the right rather than lose its last digit.
        p.setPen(textColor);
        QRectF label = toPixels(bar.label);
        label.setRight(std::max(label.right(), TwipsF(qreal(m_chart.areaWidth))));
        p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, bar.labelText);
    }
}
