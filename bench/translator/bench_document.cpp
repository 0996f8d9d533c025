// How long the translator's document operations take on the largest
// language file the format allows (every entry of every table used).
#include "tests/support/scriptedmessenger.h"
#include "translator/codelisting.h"
#include "translator/document.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

LanguageTables fullTables()
{
    LanguageTables t;
    for (int table = 0; table < LanguageTables::kTableCount; ++table) {
        for (int i = LanguageTables::firstIndex(table); i <= LanguageTables::lastIndex(table); ++i)
            t.set(table, i,
                  QStringLiteral("Entry %1 of table %2, ")
                      .arg(i)
                      .arg(table)
                      .leftJustified(150, QLatin1Char('x')));
    }
    return t;
}

struct FullFile
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("full.lsf"));
    FullFile()
    {
        ScriptedMessenger m;
        SaveLanguageFile(fullTables(), path, m, LanguageSaveFailure::dietlens());
    }
};

void BM_Open(benchmark::State& state)
{
    FullFile file;
    ScriptedMessenger m;
    for (auto _ : state) {
        translator::TranslatorDocument doc;
        benchmark::DoNotOptimize(doc.Open(file.path, m));
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

void BM_ChooseFormAndEditRow(benchmark::State& state)
{
    translator::TranslatorDocument doc;
    doc.AdoptLoaded(fullTables(), {});
    int form = 1;
    for (auto _ : state) {
        doc.ChooseForm(form);
        doc.EditRow(100, QStringLiteral("changed text"));
        form = form % translator::kFormCount + 1;
    }
}
BENCHMARK(BM_ChooseFormAndEditRow)->Unit(benchmark::kMicrosecond);

void BM_Save(benchmark::State& state)
{
    FullFile file;
    ScriptedMessenger m;
    translator::TranslatorDocument doc;
    doc.Open(file.path, m);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            doc.SaveTo(file.path, m, LanguageSaveFailure::translator(QStringLiteral("t"))));
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_CodeListing(benchmark::State& state)
{
    const LanguageTables tables = fullTables();
    for (auto _ : state)
        benchmark::DoNotOptimize(translator::CodeListingBytes(tables));
}
BENCHMARK(BM_CodeListing)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
