// Switching the language as the settings dialog's preview does it: the file
// loaded, the main window and the open dialog relabelled. Beside it, the
// anchor of the same run: loading the file alone. Target: a switch within
// one frame (16 ms). And the measure of every text's fit in dietlens's
// windows that translator runs when a document changes.
#include "dietlens/core/appstate.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/lang/text/settings.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/textfit.h"
#include "lang/language.h"
#include "lang/languagefile.h"
#include "tests/support/scriptedmessenger.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct LanguageFolder
{
    QTemporaryDir dir;
    QString path = dir.path() + QLatin1Char('/');
    LanguageFolder()
    {
        LanguageTables english, dutch;
        CreateEnglishLanguage(english, ServerHosts::configured());
        CreateDutchLanguage(dutch, ServerHosts::configured());
        SaveLanguageFile(english, path + QStringLiteral("English.lsf"));
        SaveLanguageFile(dutch, path + QStringLiteral("Nederlands.lsf"));
    }
};

void BM_LoadLanguageFile(benchmark::State& run)
{
    const LanguageFolder folder;
    LanguageTables tables;
    int i = 0;
    for (auto _ : run) {
        const QString name = (i++ % 2) ? QStringLiteral("English.lsf") : QStringLiteral("Nederlands.lsf");
        benchmark::DoNotOptimize(LoadLanguageFile(tables, folder.path + name).value);
    }
}
BENCHMARK(BM_LoadLanguageFile)->Unit(benchmark::kMillisecond);

void BM_PickLanguageInTheSettingsDialog(benchmark::State& run)
{
    const LanguageFolder folder;
    AppState state;
    state.paths.LanguageFolder = folder.path;
    ScriptedMessenger messenger;
    DL_Core window(state, messenger);
    window.show();
    DL_Properties dialog(state.settings, state.paths, window.language(), messenger, &window);
    dialog.show();
    QApplication::processEvents();
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("Combo_taal"));
    int i = 0;
    for (auto _ : run) {
        list->setCurrentIndex(
            list->findText((i++ % 2) ? QStringLiteral("English.lsf") : QStringLiteral("Nederlands.lsf")));
        dialog.Combo_taal_Click();
        QApplication::processEvents(); // the relabelled windows laid out and painted
    }
}
BENCHMARK(BM_PickLanguageInTheSettingsDialog)->Unit(benchmark::kMillisecond);

// The verdict of every text of a file, as translator finds it when the
// document changes (dietlens's six windows built twice and measured).
void BM_MeasureEveryTextFit(benchmark::State& run)
{
    LanguageTables dutch;
    CreateDutchLanguage(dutch, ServerHosts::configured());
    for (auto _ : run)
        benchmark::DoNotOptimize(MeasureTextFits(dutch).size());
}
BENCHMARK(BM_MeasureEveryTextFit)->Unit(benchmark::kMillisecond);

// The verdict of one row, as the row dialog measures it while the text is
// typed: a label of the settings dialog (only that dialog built).
void BM_MeasureOneRowFit(benchmark::State& run)
{
    LanguageTables dutch;
    CreateDutchLanguage(dutch, ServerHosts::configured());
    for (auto _ : run)
        benchmark::DoNotOptimize(MeasureTextFits(dutch, text::Settings::TotalReceivesTrafficInKilo).size());
}
BENCHMARK(BM_MeasureOneRowFit)->Unit(benchmark::kMillisecond);

} // namespace

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
