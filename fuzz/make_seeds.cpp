// Writes the seed corpora of the fuzz harnesses with the programs' own
// writers, so the seeds always follow the current file layouts.
// Usage: fuzz_make_seeds <folder>; writes <folder>/<harness>/<seed>.
#include "dietlens/core/serverhosts.h"
#include "dietlens/core/settings.h"
#include "dietlens/display/bookmarksfile.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/record/fooditem.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"

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
    const ServerHosts hosts = ServerHosts::configured();
    const std::pair<const char*, std::function<void(LanguageTables&)>> languages[] = {
        {"English.lsf", [&](LanguageTables& t) { CreateEnglishLanguage(t, hosts); }},
        {"Nederlands.lsf", [&](LanguageTables& t) { CreateDutchLanguage(t, hosts); }},
        {"default.lsf", [&](LanguageTables& t) { CreateDefaultLanguage(t, hosts); }},
        {"empty.lsf", [](LanguageTables&) {}},
    };
    for (const auto& [name, fill] : languages) {
        LanguageTables tables;
        fill(tables);
        if (!SaveLanguageFile(tables, seedPath(harness, QLatin1String(name))).ok())
            ++g_failures;
    }
}

void settingsSeeds()
{
    const QString harness = QStringLiteral("fuzz_settings");
    Settings settings;
    ApplySettingDefaults(settings, QString());
    putSeed(harness, QStringLiteral("defaults.dat"), SettingsFileBytes(settings));
    settings.FirstName = QStringLiteral("Ren\u00E9e");
    settings.LastName = QStringLiteral("de Vries");
    settings.LanguageFile = QStringLiteral("Nederlands.lsf");
    settings.SearchCount = QStringLiteral("1234");
    settings.TrafficCount = QStringLiteral("9876543210");
    settings.Reserved3 = QStringLiteral("kept");
    putSeed(harness, QStringLiteral("used.dat"), SettingsFileBytes(settings));
    // Two records, as another tool may write them.
    const QByteArray one = SettingsFileBytes(settings);
    putSeed(harness, QStringLiteral("two-records.dat"),
            QByteArray("\x02\x00\x00\x00", 4) + one.mid(4) + one.mid(4));
}

// Search replies in the layout the food servers send.
void searchReplySeeds()
{
    const QString harness = QStringLiteral("fuzz_searchreply");
    const QByteArray apple = "Apple\xBD"
                             "7\xBD"
                             "218\xBD"
                             "52\xBD"
                             "0.2\xBD"
                             "0.1\xBD"
                             "11.4\xBD"
                             "0.3\xBD"
                             "0.001\xBD"
                             "j\xBD";
    const QByteArray pear = "Pear, raw\xBD"
                            "8\xBD"
                            "242\xBD"
                            "58\xBD"
                            "0.1\xBD"
                            "0\xBD"
                            "12.1\xBD"
                            "0.4\xBD"
                            "1E-05\xBD"
                            "n\xBD";
    putSeed(harness, QStringLiteral("one"), apple + "\xBC");
    putSeed(harness, QStringLiteral("two"), apple + "\xBC" + pear + "\xBC");
    putSeed(harness, QStringLiteral("unterminated"), apple + "\xBC" + pear);
    putSeed(harness, QStringLiteral("empty-records"), "\xBC\xBC" + apple + "\xBC");
    putSeed(harness, QStringLiteral("error-page"),
            "<html><body><h1>500 Internal Server Error</h1></body></html>");
}

void checkinSeeds()
{
    const QString harness = QStringLiteral("fuzz_checkin");
    const char* replies[] = {"2.12", "2,13", " 2.12\r\n",       "2", ".5", "1E+01",
                             "-0",   "abc",  "<html>500</html>"};
    int n = 0;
    for (const char* reply : replies)
        putSeed(harness, QStringLiteral("reply%1").arg(n++), QByteArray(reply));
}

void numberSeeds()
{
    const QString harness = QStringLiteral("fuzz_numbers");
    const char* texts[] = {"1E-05", "2.5E+07", "12,5", " -7abc", "", "0.0001", "3.4028235E+38", "1e999",
                           // seven digits that do not name the float they were written from
                           "10000000570600000000007154268"};
    int n = 0;
    for (const char* text : texts)
        putSeed(harness, QStringLiteral("val%1").arg(n++), QByteArray(1, '\0') + text);
    const float floats[] = {7.315f, 1e-5f, 12345678.f, -0.5f};
    for (float f : floats)
        putSeed(harness, QStringLiteral("general%1").arg(n++),
                QByteArray(1, '\1') + QByteArray(reinterpret_cast<const char*>(&f), 4));
    const double values[] = {7.315, 0.2, 1234.5678, -0.004};
    for (double v : values)
        putSeed(harness, QStringLiteral("pattern%1").arg(n++),
                QByteArray(1, '\2') + QByteArray(reinterpret_cast<const char*>(&v), 8) +
                    QByteArray("\0\0\0\1\2\1\1", 7));
    const qint64 amount = 1;
    putSeed(harness, QStringLiteral("counter"),
            QByteArray(1, '\3') + QByteArray(reinterpret_cast<const char*>(&amount), 8) +
                "9223372036854775807");
}

// Bookmarks files as the program writes them: empty, and with real records.
void bookmarkSeeds()
{
    const QString harness = QStringLiteral("fuzz_bookmarks");
    putSeed(harness, QStringLiteral("empty.dat"), *BookmarksFileBytes({}));
    const NutritionValues apple{218, 52, 0.2f, 0.1f, 11.4f, 0.3f, 0.001f};
    QStringList records;
    for (float weight : {150.0f, 133.0f, 1.0f})
        records << record::MakeBookmark(QStringLiteral("Apple, raw"), QStringLiteral("Default"), weight,
                                        ScaledToWeight(apple, weight),
                                        QStringLiteral("Exported with Dietlens"))
                       ->text;
    putSeed(harness, QStringLiteral("three.dat"), *BookmarksFileBytes(records));
}

// Request targets as the client sends them.
void serverQuerySeeds()
{
    const QString harness = QStringLiteral("fuzz_serverquery");
    putSeed(harness, QStringLiteral("search"), "/modules/swzoek.php?item=appel%20rauw");
    putSeed(harness, QStringLiteral("terms"), "rasberries goat chees soy milk kaas volkoren brood cr\xE8me");
    // About 10 kB of words, blanks, commas and every byte value: the search must stay quick.
    QByteArray longTerm;
    for (int i = 0; longTerm.size() < 10000; ++i)
        longTerm += QByteArray("rice chicken ") + char(i % 256) + " milk, beans%20";
    putSeed(harness, QStringLiteral("terms-long"), longTerm);
    putSeed(harness, QStringLiteral("submit"),
            "/modules/"
            "swadd.php?naam=Appel%20%26%20peer&kj=218&kcal=52&vvet=0.1&ovet=0.2&kdr=11.4&ew=0.3&nat=0.001"
            "&opmerking=zelf%20gemaakt&gepost=Ren%E9e%20de%20Vries");
    putSeed(
        harness, QStringLiteral("submit-empty-kcal"),
        "/modules/swadd.php?naam=Brood&kj=1000&kcal=&vvet=1&ovet=2&kdr=40&ew=8&nat=0.5&opmerking=&gepost=x");
    putSeed(harness, QStringLiteral("checkin"),
            "/modules/controle/dietlens_controle.php?&code=6-2400-142&naam=%20&email=&comnaam=pc&winuser=me"
            "&opdrachten=0&traffic=0&appver=2.12&taal=English.lsf&toevoegingen=0&winver=6.01");
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
    settingsSeeds();
    searchReplySeeds();
    checkinSeeds();
    numberSeeds();
    serverQuerySeeds();
    bookmarkSeeds();
    return g_failures == 0 ? 0 : 1;
}
