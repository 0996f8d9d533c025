// How long the translator's document operations take on the largest
// language file the format allows (every entry of every table used).
#include "translator/codelisting.h"
#include "translator/document.h"
#include "translator/review.h"

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
    FullFile() { SaveLanguageFile(fullTables(), path); }
};

void BM_Open(benchmark::State& state)
{
    FullFile file;
    for (auto _ : state) {
        translator::TranslatorDocument doc;
        benchmark::DoNotOptimize(doc.Open(file.path).value);
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

// What the window works out after every click and change while a reference
// file is chosen: every form's counts, the shown form's rows and warnings.
void BM_ReviewAgainstReference(benchmark::State& state)
{
    const LanguageTables reference = fullTables();
    LanguageTables translated = reference;
    for (int form = 1; form <= translator::kFormCount; form += 2)
        for (int i = 0; i < 100; ++i)
            translated.set(form, i,
                           QStringLiteral("Vertaald %1 ").arg(i).leftJustified(150, QLatin1Char('y')));
    translator::TranslatorDocument doc;
    doc.AdoptLoaded(translated, {});
    doc.ChooseForm(1);
    const translator::TranslationNotes notes;
    for (auto _ : state) {
        const translator::ReferenceReview review(doc, &reference, notes);
        benchmark::DoNotOptimize(review.total());
        benchmark::DoNotOptimize(review.rows(1));
    }
}
BENCHMARK(BM_ReviewAgainstReference)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state)
{
    FullFile file;
    translator::TranslatorDocument doc;
    doc.Open(file.path);
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.SaveTo(file.path).ok());
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
