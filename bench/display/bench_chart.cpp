// Redrawing the chart when the weight slider moves: a new drawing of the
// model and a full repaint of the chart area, at 1x and 2x device pixels.
// One slider step has to fit in a 16 ms frame.
#include "dietlens/core/paths.h"
#include "dietlens/core/serverhosts.h"
#include "dietlens/core/settings.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/net/connection.h"
#include "dietlens/ui/foodlistview.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/nutritiondisplay.h"
#include "lang/languagetables.h"
#include "tests/support/scriptedmessenger.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSlider>

#include <benchmark/benchmark.h>

namespace {

LanguageTables englishTexts()
{
    LanguageTables lang;
    const std::pair<int, const char*> texts[] = {{24, "Kilojoules per"},
                                                 {25, "Kilojoules per"},
                                                 {27, "Saturated fat per"},
                                                 {28, "Unsaturated fat per"},
                                                 {29, "Sodium per"},
                                                 {30, "Protein per"},
                                                 {31, "Carbohydrates per"},
                                                 {32, "Gram"},
                                                 {33, "Kj "},
                                                 {34, "Kj "},
                                                 {36, "Gr."},
                                                 {40, "oz "}};
    for (const auto& [index, text] : texts)
        lang.set(7, index, QString::fromUtf8(text));
    return lang;
}

void sliderMove(benchmark::State& run, qreal pixelRatio, const char* weightUnit)
{
    const LanguageTables lang = englishTexts();
    Settings settings;
    settings.WeightUnit = QString::fromLatin1(weightUnit);
    ScriptedMessenger messenger;
    NutritionChartView view;
    view.resize(view.sizeHint());
    const NutritionValues rice{1500, 360, 0.6f, 0.2f, 28, 2.7f, 0.001f};
    QImage frame(view.size() * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(pixelRatio);
    int weight = 10;
    for (auto _ : run) {
        weight = weight >= 1000 ? 10 : weight + 10;
        view.draw(rice, weight, settings, lang, messenger);
        QPainter painter(&frame);
        view.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
}

void BM_SliderMoveRedraw(benchmark::State& run)
{
    sliderMove(run, 1, "0");
}
void BM_SliderMoveRedrawHighDpi(benchmark::State& run)
{
    sliderMove(run, 2, "0");
}
void BM_SliderMoveRedrawOunces(benchmark::State& run)
{
    sliderMove(run, 2, "1");
}

// The whole slider event: a chosen result row redrawn at the new weight with
// its tooltip and status text, then the chart area repainted.
void BM_SliderScrollOfAChosenRow(benchmark::State& run)
{
    LanguageTables lang = englishTexts();
    lang.set(1, 45, QStringLiteral("Gram"));
    Settings settings;
    settings.WeightUnit = QStringLiteral("0");
    const Paths paths{};
    const ServerHosts hosts = ServerHosts::configured();
    ScriptedMessenger messenger;
    QWidget window;
    DisplayControls c;
    c.LV_browse = new FoodListView(QStringLiteral("LV_browse"), &window);
    c.Slider = new QSlider(&window);
    c.Pic_grafiek = new NutritionChartView(&window);
    Bookmarks bookmarks(paths, lang);
    net::Connection connection(settings, hosts);
    NutritionDisplay display(settings, lang, messenger, bookmarks, connection, c);
    QString status;
    QObject::connect(&display, &NutritionDisplay::statusText,
                     [&status](const QString& text) { status = text; });
    display.ShowSearchResults({record::ParseFoodItem(QStringLiteral(
        "Rice\u00BD1\u00BD1500\u00BD360\u00BD0.6\u00BD0.2\u00BD28\u00BD2.7\u00BD0.001\u00BDj\u00BD"))});
    c.LV_browse->setCurrentIndex(c.LV_browse->model()->index(0, 0));
    c.Pic_grafiek->resize(c.Pic_grafiek->sizeHint());
    QImage frame(c.Pic_grafiek->size() * 2, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(2);
    for (auto _ : run) {
        c.Slider->setValue(c.Slider->value() >= 1000 ? 10 : c.Slider->value() + 10); // runs Slider_Scroll
        QPainter painter(&frame);
        c.Pic_grafiek->render(&painter);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
    if (status.isEmpty())
        run.SkipWithError("the row was not chosen");
}

} // namespace

BENCHMARK(BM_SliderScrollOfAChosenRow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderMoveRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderMoveRedrawHighDpi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderMoveRedrawOunces)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
