// Reading a search reply into food items, and listing them in the results
// list. Target: a 10,000-record reply split and listed in under
// 50 ms, the time growing linearly with the reply.
#include "dietlens/core/appstate.h"
#include "dietlens/record/fooditem.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/nutritiondisplay.h"
#include "tests/support/scriptedmessenger.h"

#include <QApplication>
#include <QTreeView>

#include <benchmark/benchmark.h>

namespace {

QString makeReply(int records)
{
    QString reply;
    reply.reserve(records * 64);
    for (int i = 0; i < records; ++i) {
        reply += QStringLiteral("Food item number %1½%1½1234½295½3.5½1.25½45.2½12.8½0.004½%2½¼")
                     .arg(i)
                     .arg(i % 3 ? QLatin1Char('j') : QLatin1Char('n'));
    }
    return reply;
}

void BM_SplitReply(benchmark::State& run)
{
    const QString reply = makeReply(int(run.range(0)));
    for (auto _ : run) {
        benchmark::DoNotOptimize(record::ParseSearchReply(reply));
    }
    run.SetComplexityN(run.range(0));
}

void splitAndList(benchmark::State& run, bool shown)
{
    AppState state;
    ScriptedMessenger messenger;
    DL_Core window(state, messenger);
    if (shown) {
        window.show();
        QApplication::processEvents();
    }
    const QString reply = makeReply(int(run.range(0)));
    for (auto _ : run) {
        window.display().ShowSearchResults(record::ParseSearchReply(reply));
        if (shown)
            QApplication::processEvents(); // the list's layout and first paint
        benchmark::DoNotOptimize(
            window.findChild<QTreeView*>(QStringLiteral("LV_browse"))->model()->rowCount());
    }
    run.SetComplexityN(run.range(0));
}

void BM_SplitAndList(benchmark::State& run)
{
    splitAndList(run, false);
}

void BM_SplitAndListShown(benchmark::State& run)
{
    splitAndList(run, true);
}

} // namespace

BENCHMARK(BM_SplitReply)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_SplitAndList)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_SplitAndListShown)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

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
