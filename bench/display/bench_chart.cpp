// Redrawing the chart when the weight slider moves: a new drawing of the
// model and a full repaint of the chart area, at 1x and 2x device pixels.
// One slider step has to fit in a 16 ms frame.
#include "appstate.h"
#include "messenger.h"
#include "nutritionchartview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

AppState englishState()
{
    AppState state;
    const std::pair<int, const char*> texts[] = {
        {24, "Kilojoules per"}, {25, "Kilojoules per"}, {27, "Saturated fat per"}, {28, "Unsaturated fat per"},
        {29, "Sodium per"},     {30, "Protein per"},    {31, "Carbohydrates per"}, {32, "Gram"},
        {33, "Kj "},            {34, "Kj "},            {36, "Gr."},               {40, "oz "}};
    for (const auto& [index, text] : texts)
        state.lang.set(7, index, QString::fromUtf8(text));
    return state;
}

void sliderMove(benchmark::State& run, qreal pixelRatio, const char* weightUnit)
{
    AppState state = englishState();
    state.settings.WeightUnit = QString::fromLatin1(weightUnit);
    ScriptedMessenger messenger;
    NutritionChartView view;
    view.resize(view.sizeHint());
    const NutritionValues rice{1500, 360, 0.6f, 0.2f, 28, 2.7f, 0.001f};
    QImage frame(view.size() * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(pixelRatio);
    int weight = 10;
    for (auto _ : run) {
        weight = weight >= 1000 ? 10 : weight + 10;
        view.draw(rice, weight, state, messenger);
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

} // namespace

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
