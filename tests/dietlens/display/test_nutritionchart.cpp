#include "dietlens/core/appstate.h"
#include "dietlens/display/nutritionchart.h"
#include "dietlens/ui/problempresenter.h"
#include "tests/dietlens/display/displaytexts.h"
#include "tests/support/scriptedmessenger.h"

#include <QTest>

Q_DECLARE_METATYPE(ChartDrawing)

namespace {

NutritionValues values(const QList<float>& v)
{
    return {v.value(0), v.value(1), v.value(2), v.value(3), v.value(4), v.value(5), v.value(6)};
}

const QList<float> kStartValues{540, 540, 1, 1, 1, 1, 1};
const QList<float> kStartWidths{540, 451, 451, 451, 451, 451};
const QStringList kStartLabels{QStringLiteral("540 Kj "),  QStringLiteral("1.00 Gr."),
                               QStringLiteral("1.00 Gr."), QStringLiteral("1.000 Gr."),
                               QStringLiteral("1.00 Gr."), QStringLiteral("1.00 Gr.")};

QStringList captionsFor(const QString& energyLead, const QString& tail)
{
    return {energyLead + tail,
            QStringLiteral("Saturated fat per") + tail,
            QStringLiteral("Unsaturated fat per") + tail,
            QStringLiteral("Sodium per") + tail,
            QStringLiteral("Protein per") + tail,
            QStringLiteral("Carbohydrates per") + tail};
}

// A drawing as the chart view makes it: a failure is shown.
ChartDrawing drawNutritionChart(NutritionChart& chart, const NutritionValues& per100g, int weightGrams,
                                const Settings& settings, const LanguageTables& lang, Messenger& messenger)
{
    return ProblemPresenter(lang, messenger)
        .take(DrawNutritionChart(chart, per100g, weightGrams, settings, lang));
}

} // namespace

class TestNutritionChart : public QObject
{
    Q_OBJECT

    AppState state;
    ScriptedMessenger messenger;

    // The chart as start-up leaves it, in grams and kilojoules.
    NutritionChart startChart()
    {
        AppState grams;
        setDisplayTexts(grams.lang);
        NutritionChart chart;
        ComputeNutritionChart(chart, values(kStartValues), 100, grams.settings, grams.lang);
        return chart;
    }

private Q_SLOTS:
    void init()
    {
        state = AppState();
        setDisplayTexts(state.lang);
        messenger.clear();
    }

    void startDrawingFillsTheChart()
    {
        const NutritionChart chart = startChart();
        for (std::size_t i = 0; i < NutritionChart::kBarCount; ++i) {
            const ChartBar& bar = chart.bars[i];
            const auto row = static_cast<qsizetype>(i);
            QCOMPARE(bar.body.width, kStartWidths[row]);
            QCOMPARE(bar.labelText, kStartLabels[row]);
            QCOMPARE(bar.leftCap.left, 60.0f);
            QCOMPARE(bar.leftCap.width, 135.0f);
            QCOMPARE(bar.body.left, 195.0f);
            QCOMPARE(bar.body.top, bar.leftCap.top);
            QCOMPARE(bar.rightCap.left, 195.0f + kStartWidths[row]);
            QCOMPARE(bar.label.left, bar.rightCap.left + 135 + 40);
            QCOMPARE(bar.label.top, bar.leftCap.top + 40);
        }
        QCOMPARE(chart.bars[0].leftCap.top, 240.0f);
        QCOMPARE(chart.bars[5].leftCap.top, 3200.0f);
        QCOMPARE(QStringList(chart.captionTexts.begin(), chart.captionTexts.end()),
                 captionsFor(QStringLiteral("Kilojoules per"), QStringLiteral(" 100 Gram")));
    }

    // Each row draws one item over the start-up chart.
    void drawing_data()
    {
        QTest::addColumn<QList<float>>("input");
        QTest::addColumn<int>("weight");
        QTest::addColumn<QString>("energyUnit");
        QTest::addColumn<QString>("weightUnit");
        QTest::addColumn<ChartDrawing>("result");
        QTest::addColumn<QList<float>>("widths");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("captions");

        const QStringList startCaptions =
            captionsFor(QStringLiteral("Kilojoules per"), QStringLiteral(" 100 Gram"));
        const QString zero = QStringLiteral("0.00 Gr.");

        QTest::newRow("0 kJ changes nothing")
            << QList<float>{0, 50, 1, 2, 3, 4, 5} << 150 << QString() << QStringLiteral("0")
            << ChartDrawing::Skipped << kStartWidths << kStartLabels << startCaptions;
        QTest::newRow("0 kcal changes nothing")
            << QList<float>{200, 0, 1, 2, 3, 4, 5} << 150 << QString() << QStringLiteral("0")
            << ChartDrawing::Skipped << kStartWidths << kStartLabels << startCaptions;
        QTest::newRow("no nutrients: bars of width 0")
            << QList<float>{100, 24, 0, 0, 0, 0, 0} << 100 << QStringLiteral("0") << QStringLiteral("0")
            << ChartDrawing::Drawn << QList<float>{100, 0, 0, 0, 0, 0}
            << QStringList{QStringLiteral("100 Kj "), zero, zero, QStringLiteral("0.000 Gr."), zero, zero}
            << startCaptions;
        QTest::newRow("2255 kJ keeps the widths")
            << QList<float>{2255, 539, 10, 20, 30, 40, 0.5f} << 100 << QString() << QStringLiteral("0")
            << ChartDrawing::Drawn << kStartWidths
            << QStringList{QStringLiteral("2255 Kj "),  QStringLiteral("20.00 Gr."),
                           QStringLiteral("10.00 Gr."), QStringLiteral("0.500 Gr."),
                           QStringLiteral("40.00 Gr."), QStringLiteral("30.00 Gr.")}
            << startCaptions;
        QTest::newRow("2254 kJ sets the widths")
            << QList<float>{2254, 539, 0, 10, 0, 0, 0} << 100 << QString() << QStringLiteral("0")
            << ChartDrawing::Drawn << QList<float>{2254, 2255, 0, 0, 0, 0}
            << QStringList{QStringLiteral("2254 Kj "),
                           QStringLiteral("10.00 Gr."),
                           zero,
                           QStringLiteral("0.000 Gr."),
                           zero,
                           zero}
            << startCaptions;
        QTest::newRow("15 g saturated fat at 150 g")
            << QList<float>{200, 48, 5, 15, 60, 10, 0.01f} << 150 << QString() << QStringLiteral("0")
            << ChartDrawing::Drawn
            << QList<float>{200,
                            2255.0f / 90.01f * 15,
                            2255.0f / 90.01f * 5,
                            2255.0f / 90.01f * 0.01f,
                            2255.0f / 90.01f * 10,
                            2255.0f / 90.01f * 60}
            << QStringList{QStringLiteral("300 Kj "),   QStringLiteral("22.50 Gr."),
                           QStringLiteral("7.50 Gr."),  QStringLiteral("0.015 Gr."),
                           QStringLiteral("15.00 Gr."), QStringLiteral("90.00 Gr.")}
            << captionsFor(QStringLiteral("Kilojoules per"), QStringLiteral(" 150 Gram"));
        QTest::newRow("kilocalories shown, kilojoules drawn")
            << QList<float>{400, 96, 1, 1, 1, 1, 1} << 100 << QStringLiteral("1") << QStringLiteral("0")
            << ChartDrawing::Drawn << QList<float>{400, 451, 451, 451, 451, 451}
            << QStringList{QStringLiteral("96 Kcal"),  QStringLiteral("1.00 Gr."),
                           QStringLiteral("1.00 Gr."), QStringLiteral("1.000 Gr."),
                           QStringLiteral("1.00 Gr."), QStringLiteral("1.00 Gr.")}
            << captionsFor(QStringLiteral("Kilocalories per"), QStringLiteral(" 100 Gram"));
        QTest::newRow("ounce captions end in a blank")
            << QList<float>{540, 540, 1, 1, 1, 1, 1} << 100 << QStringLiteral("0") << QStringLiteral("1")
            << ChartDrawing::Drawn << kStartWidths << kStartLabels
            << captionsFor(QStringLiteral("Kilojoules per"), QStringLiteral(" 3.5 oz "));
        QTest::newRow("energy rounding to 0 shows only the unit")
            << QList<float>{0.4f, 0.1f, 1, 1, 1, 1, 1} << 100 << QString() << QStringLiteral("0")
            << ChartDrawing::Drawn << QList<float>{0.4f, 451, 451, 451, 451, 451}
            << QStringList{QStringLiteral(" Kj "),     QStringLiteral("1.00 Gr."),
                           QStringLiteral("1.00 Gr."), QStringLiteral("1.000 Gr."),
                           QStringLiteral("1.00 Gr."), QStringLiteral("1.00 Gr.")}
            << startCaptions;
        QTest::newRow("unknown energy unit keeps the energy texts")
            << QList<float>{300, 70, 1, 1, 1, 1, 1} << 200 << QStringLiteral("2") << QStringLiteral("0")
            << ChartDrawing::Drawn << QList<float>{300, 451, 451, 451, 451, 451}
            << QStringList{QStringLiteral("540 Kj "),  QStringLiteral("2.00 Gr."),
                           QStringLiteral("2.00 Gr."), QStringLiteral("2.000 Gr."),
                           QStringLiteral("2.00 Gr."), QStringLiteral("2.00 Gr.")}
            << QStringList{startCaptions[0],
                           QStringLiteral("Saturated fat per 200 Gram"),
                           QStringLiteral("Unsaturated fat per 200 Gram"),
                           QStringLiteral("Sodium per 200 Gram"),
                           QStringLiteral("Protein per 200 Gram"),
                           QStringLiteral("Carbohydrates per 200 Gram")};
        QTest::newRow("unknown weight unit keeps the captions")
            << QList<float>{540, 540, 1, 1, 1, 1, 1} << 300 << QString() << QStringLiteral("2")
            << ChartDrawing::Drawn << kStartWidths
            << QStringList{QStringLiteral("1620 Kj "), QStringLiteral("3.00 Gr."),
                           QStringLiteral("3.00 Gr."), QStringLiteral("3.000 Gr."),
                           QStringLiteral("3.00 Gr."), QStringLiteral("3.00 Gr.")}
            << startCaptions;
        QTest::newRow("negative value fails at its bar")
            << QList<float>{100, 24, 1, -1, 1, 1, 1} << 100 << QString() << QStringLiteral("0")
            << ChartDrawing::Failed << QList<float>{100, 451, 451, 451, 451, 451}
            << QStringList{QStringLiteral("100 Kj "), kStartLabels[1], kStartLabels[2],
                           kStartLabels[3],           kStartLabels[4], kStartLabels[5]}
            << startCaptions;
    }
    void drawing()
    {
        QFETCH(QList<float>, input);
        QFETCH(int, weight);
        QFETCH(QString, energyUnit);
        QFETCH(QString, weightUnit);
        QFETCH(ChartDrawing, result);
        QFETCH(QList<float>, widths);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, captions);

        NutritionChart chart = startChart();
        const NutritionChart before = chart;
        state.settings.EnergyUnit = energyUnit;
        state.settings.WeightUnit = weightUnit;
        QCOMPARE(drawNutritionChart(chart, values(input), weight, state.settings, state.lang, messenger),
                 result);

        if (result == ChartDrawing::Skipped)
            QVERIFY(chart == before);
        for (std::size_t i = 0; i < NutritionChart::kBarCount; ++i) {
            const auto row = static_cast<qsizetype>(i);
            QCOMPARE(chart.bars[i].body.width, widths[row]);
            QCOMPARE(chart.bars[i].labelText, labels[row]);
            QCOMPARE(chart.captionTexts[i], captions[row]);
        }
        if (result == ChartDrawing::Failed) {
            QCOMPARE(messenger.titles(), QStringList{QStringLiteral("Error #304")});
            QCOMPARE(messenger.shown[0].text,
                     QStringLiteral("An error occurred while generating the bar chart.\n"
                                    "Please contact Quelmar when this error occurs more then onces."));
        } else {
            QVERIFY(messenger.shown.isEmpty());
        }
    }

    void overflowingValuesFailBeforeAnythingChanges()
    {
        NutritionChart chart = startChart();
        const NutritionChart before = chart;
        QCOMPARE(drawNutritionChart(chart, values({3e38f, 1, 1, 1, 1, 1, 1}), 1000, state.settings,
                                    state.lang, messenger),
                 ChartDrawing::Failed);
        QVERIFY(chart == before);
        QCOMPARE(messenger.titles(), QStringList{QStringLiteral("Error #304")});
    }
};

QTEST_GUILESS_MAIN(TestNutritionChart)
#include "test_nutritionchart.moc"
