// Writes the seed corpora of the fuzz harnesses with the programs' own
// writers, so the seeds always follow the current file layouts.
// Usage: fuzz_make_seeds <folder>; writes <folder>/<harness>/<seed>.
#include "appstate.h"
#include "defaultlanguages.h"
#include "languagefile.h"
#include "messenger.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <functional>

namespace {

QString g_root;
int g_failures = 0;

QString seedPath(const QString& harness, const QString& name)
{
    QDir().mkpath(g_root + QLatin1Char('/') + harness);
    return g_root + QLatin1Char('/') + harness + QLatin1Char('/') + name;
}

void putSeed(const QString& harness, const QString& name, const QByteArray& bytes)
{
    QFile f(seedPath(harness, name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write seed %s/%s\n", qPrintable(harness), qPrintable(name));
        ++g_failures;
    }
}

void languageSeeds()
{
    const QString harness = QStringLiteral("fuzz_languagefile");
    AppState state;
    ScriptedMessenger messenger;
    const std::pair<const char*, std::function<void(LanguageTables&)>> languages[] = {
        {"English.lsf", [&](LanguageTables& t) { CreateEnglishLanguage(t, state); }},
        {"Nederlands.lsf", [&](LanguageTables& t) { CreateDutchLanguage(t, state); }},
        {"default.lsf", [&](LanguageTables& t) { CreateDefaultLanguage(t, state); }},
        {"empty.lsf", [](LanguageTables&) {}},
    };
    for (const auto& [name, fill] : languages) {
        LanguageTables tables;
        fill(tables);
        if (!SaveLanguageFile(tables, seedPath(harness, QLatin1String(name)), messenger,
                              LanguageSaveFailure::dietlens()))
            ++g_failures;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    languageSeeds();
    (void)putSeed;
    return g_failures == 0 ? 0 : 1;
}
