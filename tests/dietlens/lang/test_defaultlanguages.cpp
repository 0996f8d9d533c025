#include "dietlens/core/appstate.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/ui/languagereset.h"
#include "dietlens/ui/problempresenter.h"
#include "files/cp1252.h"
#include "lang/languagefile.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testsupport::readAll;
using testsupport::writeAll;

namespace {

const ServerHosts kHosts{u"check.test:8000"_s, u"en.test:8001"_s, u"nl.test:8002"_s,
                         u"http://site-en.test/"_s, u"http://site-nl.test/"_s};

const QStringList kDefaultNames{u"English.lsf"_s, u"Nederlands.lsf"_s, u"default.lsf"_s};

// Slots each built-in language fills in tables 1 to 7.
const int kSlotCount[8] = {0, 78, 33, 5, 4, 50, 16, 41};

LanguageTables english()
{
    LanguageTables t;
    CreateEnglishLanguage(t, u"2.12"_s, kHosts);
    return t;
}

LanguageTables dutch()
{
    LanguageTables t;
    CreateDutchLanguage(t, u"2.12"_s, kHosts);
    return t;
}

// Start-up's check of the default files and the reset command, as the
// windows run them: what goes wrong is shown on the messenger.
bool ensureDefaultLanguageFiles(const QString& folder, const ServerHosts& hosts, const LanguageTables& lang,
                                Messenger& messenger)
{
    return ProblemPresenter(lang, messenger).take(EnsureDefaultLanguageFiles(folder, hosts));
}

bool resetLanguageFiles(const QString& folder, const QString& languageFile, const ServerHosts& hosts,
                        LanguageTables& lang, Messenger& messenger)
{
    return askAndResetLanguageFiles(folder, languageFile, hosts, lang, ProblemPresenter(lang, messenger));
}

// A dietlens state whose language folder is a fresh temporary folder and
// whose tables hold the built-in English texts, as at start-up.
struct Fixture
{
    QTemporaryDir dir;
    AppState state;
    ScriptedMessenger messenger;

    Fixture()
    {
        state.paths.LanguageFolder = dir.path() + u"/"_s;
        state.hosts = kHosts;
        CreateEnglishLanguage(state.lang, state.hosts);
        state.settings.LanguageFile = u"default.lsf"_s;
    }
    QString path(const QString& name) const { return state.paths.LanguageFolder + name; }
    QByteArray bytes(const QString& name) const { return readAll(path(name)); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    // A language file of the user's own, in the same folder.
    QByteArray writeOwnFile(const QString& name, const QString& firstText)
    {
        LanguageTables own = english();
        own.set(1, 0, firstText);
        SaveLanguageFile(own, path(name));
        return bytes(name);
    }
    // Rewrites a file with one entry changed, as a translator edit would.
    void edit(const QString& name, int table, int index, const QString& text)
    {
        LanguageTables t;
        QVERIFY(LoadLanguageFile(t, path(name)).value);
        t.set(table, index, text);
        QVERIFY(SaveLanguageFile(t, path(name)).ok());
    }
    LanguageTables load(const QString& name) const
    {
        LanguageTables t;
        LoadLanguageFile(t, path(name));
        return t;
    }
};

} // namespace

class TestDefaultLanguages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void generatorsFillExactlyTheirSlots_data()
    {
        QTest::addColumn<bool>("isDutch");
        QTest::newRow("English") << false;
        QTest::newRow("Dutch") << true;
    }
    void generatorsFillExactlyTheirSlots()
    {
        QFETCH(bool, isDutch);
        const LanguageTables t = isDutch ? dutch() : english();
        for (int table = 1; table <= 7; ++table) {
            for (int i = 0; i <= 200; ++i) {
                const QString& text = t.at(table, i);
                if (i < kSlotCount[table]) {
                    QVERIFY2(!text.isEmpty(), qPrintable(u"F%1(%2) is empty"_s.arg(table).arg(i)));
                    QVERIFY2(cp1252::canEncode(text), qPrintable(text));
                    QVERIFY(!text.contains(LanguageTables::kSeparator));
                } else {
                    QVERIFY2(text.isEmpty(), qPrintable(u"F%1(%2) is set"_s.arg(table).arg(i)));
                }
            }
        }
        for (int table = 8; table <= 24; ++table)
            QCOMPARE(t.tableText(table), QString(201, LanguageTables::kSeparator));
        QCOMPARE(t.at(0, 1), u"Main screen"_s);
        QCOMPARE(t.at(0, 7), u"Functions"_s);
        for (int i = 8; i <= 24; ++i)
            QCOMPARE(t.at(0, i), u"- EMPTY FORM -"_s);
        QCOMPARE(t.at(0, 25), QString());
        QCOMPARE((QStringList{t.at(25, 0), t.at(25, 1), t.at(25, 2), t.at(25, 3), t.at(25, 4), t.at(25, 5)}),
                 (QStringList{u"Dietlens"_s, u"2.12"_s, u"Quelmar"_s, u"01-06-2005"_s, u"1"_s, QString()}));
        // Texts the translator would hide when shorter than two characters.
        QVERIFY(t.at(1, 48).size() >= 2 && t.at(1, 49).size() >= 2);
    }

    void generatorsLeaveOtherSlotsAlone()
    {
        LanguageTables t;
        t.set(1, 78, u"keep 1"_s);
        t.set(8, 0, u"keep 2"_s);
        t.set(0, 25, u"keep 3"_s);
        t.set(25, 5, u"keep 4"_s);
        t.set(1, 0, u"overwritten"_s);
        CreateDutchLanguage(t, u"9.99"_s, kHosts);
        CreateEnglishLanguage(t, u"9.99"_s, kHosts);
        QCOMPARE(t.at(1, 78), u"keep 1"_s);
        QCOMPARE(t.at(8, 0), u"keep 2"_s);
        QCOMPARE(t.at(0, 25), u"keep 3"_s);
        QCOMPARE(t.at(25, 5), u"keep 4"_s);
        QCOMPARE(t.at(1, 0), u"File"_s);
        QCOMPARE(t.at(25, 1), u"9.99"_s);
        LanguageTables d;
        CreateDefaultLanguage(d, u"9.99"_s, kHosts);
        d.set(25, 1, u"2.12"_s);
        QVERIFY(d == english());
    }

    void exactTexts_data()
    {
        QTest::addColumn<bool>("isDutch");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("oz with blank") << false << 1 << 76 << u"oz "_s;
        QTest::newRow("Oz in settings") << false << 5 << 47 << u"Oz "_s;
        QTest::newRow("Kj with blank") << false << 7 << 33 << u"Kj "_s;
        QTest::newRow("OK with blanks") << false << 3 << 4 << u" OK "_s;
        QTest::newRow("OK with blanks, Dutch") << true << 4 << 3 << u" OK "_s;
        QTest::newRow("trailing blank")
            << false << 6 << 6 << u"+ See if you consume the recommended daily nutrition. "_s;
        QTest::newRow("odd spelling")
            << false << 7 << 21 << u"Please contact Quelmar when this error occurs more then onces."_s;
        QTest::newRow("barchart button")
            << false << 1 << 60 << u"Press the ' barchart/Internet ' button to search for food items."_s;
        QTest::newRow("search colon")
            << false << 5 << 11 << u"Total internet traffic and internet search :"_s;
        QTest::newRow("placeholder") << false << 1 << 73 << u"-EMPTY-"_s;
        QTest::newRow("placeholder, Dutch") << true << 6 << 13 << u"-LEEG-"_s;
        QTest::newRow("diaeresis") << true << 7 << 26 << u"Kilocalori\u00EBn per"_s;
        QTest::newRow("exported") << true << 1 << 52 << u"Ge\u00EBxporteerd met Dietlens"_s;
        QTest::newRow("results for") << true << 7 << 19 << u") resultaten gevonden voor."_s;
        QTest::newRow("reset question")
            << false << 1 << 65 << u"Are you sure you want to reset the language files?"_s;
        QTest::newRow("last F07") << true << 7 << 40 << u"oz "_s;
        QTest::newRow("site, English") << false << 1 << 58 << u"http://site-en.test/"_s;
        QTest::newRow("site, Dutch") << true << 1 << 58 << u"http://site-nl.test/"_s;
        QTest::newRow("Dutch database") << false << 5 << 20 << u"Use the Dutch database (nl.test:8002)"_s;
        QTest::newRow("English database, Dutch")
            << true << 5 << 21 << u"Gebruik de Engelse database (en.test:8001)"_s;
        QTest::newRow("contact") << false << 7 << 39
                                 << u"You can contact us at our website http://site-en.test/"_s;
        QTest::newRow("contact, Dutch")
            << true << 7 << 39 << u"U kunt ons bereiken via http://site-nl.test/"_s;
        QTest::newRow("submit window, Dutch")
            << true << 2 << 1
            << u"Met dit venster kun je snel nieuwe voedingsmiddelen toevoegen aan de database van "
               u"nl.test:8002. "
               "Vul de voedingswaarden in en druk op verzenden om het voedingsmiddel te versturen."_s;
    }
    void exactTexts()
    {
        QFETCH(bool, isDutch);
        QFETCH(int, table);
        QFETCH(int, index);
        QFETCH(QString, expected);
        QCOMPARE((isDutch ? dutch() : english()).at(table, index), expected);
    }

    void emptyFolderGetsTheThreeFiles()
    {
        Fixture f;
        const LanguageTables before = f.state.lang;
        QVERIFY(ensureDefaultLanguageFiles(f.state.paths.LanguageFolder, f.state.hosts, f.state.lang,
                                           f.messenger));
        QVERIFY(f.messenger.shown.isEmpty());
        QCOMPARE(f.files(), (QStringList{u"English.lsf"_s, u"Nederlands.lsf"_s, u"default.lsf"_s}));
        QCOMPARE(f.bytes(u"default.lsf"_s), f.bytes(u"English.lsf"_s));
        QVERIFY(f.state.lang == before); // generators work on their own tables

        // Each file holds exactly the built-in texts and nothing else.
        QVERIFY(f.load(u"English.lsf"_s) == english());
        QVERIFY(f.load(u"Nederlands.lsf"_s) == dutch());
        // Text is stored in Windows-1252: one byte 0xEB for the e with diaeresis.
        QVERIFY(f.bytes(u"Nederlands.lsf"_s).contains("Kilocalori\xEBn per\xBE"));
        QVERIFY(f.bytes(u"English.lsf"_s)
                    .contains("\xBE"
                              "Kj \xBE"
                              "Kj \xBE"
                              "Kcal\xBE"));
    }

    void onlyOutdatedOrMissingFilesAreRewritten()
    {
        Fixture f;
        QVERIFY(ensureDefaultLanguageFiles(f.state.paths.LanguageFolder, f.state.hosts, f.state.lang,
                                           f.messenger));
        f.edit(u"English.lsf"_s, 1, 0, u"Edited in the translator"_s);                      // current: kept
        f.edit(u"Nederlands.lsf"_s, 25, 1, u"2.11"_s);                                      // outdated
        QVERIFY(writeAll(f.path(u"default.lsf"_s), QByteArray("\x01\x00\x00\x00\x19", 5))); // unreadable
        const QByteArray own = f.writeOwnFile(u"Mine.lsf"_s, u"My own"_s);
        const QByteArray edited = f.bytes(u"English.lsf"_s);

        QVERIFY(ensureDefaultLanguageFiles(f.state.paths.LanguageFolder, f.state.hosts, f.state.lang,
                                           f.messenger));
        QCOMPARE(f.bytes(u"English.lsf"_s), edited);
        QVERIFY(f.load(u"Nederlands.lsf"_s) == dutch());
        QVERIFY(f.load(u"default.lsf"_s) == english());
        QCOMPARE(f.bytes(u"Mine.lsf"_s), own);
        // The unreadable file was reported by the version reader, then rewritten.
        QCOMPARE(f.messenger.titles(), QStringList{u"Error #402"_s});

        // A deleted file comes back; the others stay as they are.
        QVERIFY(QFile::remove(f.path(u"Nederlands.lsf"_s)));
        f.messenger.clear();
        QVERIFY(ensureDefaultLanguageFiles(f.state.paths.LanguageFolder, f.state.hosts, f.state.lang,
                                           f.messenger));
        QVERIFY(f.messenger.shown.isEmpty());
        QVERIFY(f.load(u"Nederlands.lsf"_s) == dutch());
        QCOMPARE(f.bytes(u"English.lsf"_s), edited);
    }

    void aMissingFolderIsReported()
    {
        Fixture f;
        f.state.paths.LanguageFolder = f.dir.filePath(u"gone/"_s);
        QVERIFY(!ensureDefaultLanguageFiles(f.state.paths.LanguageFolder, f.state.hosts, f.state.lang,
                                            f.messenger));
        QCOMPARE(f.messenger.shown.size(), 1);
        QCOMPARE(f.messenger.shown[0].title, u"Error #305"_s);
        QCOMPARE(f.messenger.shown[0].icon, MessageIcon::Critical);
        QCOMPARE(f.messenger.shown[0].text,
                 u"An error occurred while running an internal function.\n"
                 "Please contact Quelmar when this error occurs more then onces."_s);
    }

    void resetAnsweredNoChangesNothing()
    {
        Fixture f;
        QVERIFY(ensureDefaultLanguageFiles(f.state.paths.LanguageFolder, f.state.hosts, f.state.lang,
                                           f.messenger));
        f.edit(u"English.lsf"_s, 1, 5, u"Edited"_s);
        const QByteArray edited = f.bytes(u"English.lsf"_s);
        f.state.lang.set(1, 0, u"live text"_s);
        const LanguageTables before = f.state.lang;
        f.messenger.answers = {MessageAnswer::No};

        QVERIFY(!resetLanguageFiles(f.state.paths.LanguageFolder, f.state.settings.LanguageFile,
                                    f.state.hosts, f.state.lang, f.messenger));
        QCOMPARE(f.messenger.shown.size(), 1);
        const auto& q = f.messenger.shown[0];
        QCOMPARE(q.title, u"Dietlens"_s);
        QCOMPARE(q.icon, MessageIcon::Question);
        QCOMPARE(q.buttons, MessageButtons::YesNo);
        QCOMPARE(q.text, u"You are going to reset the default language files.\n\n"
                         "All the language files will be overwritten with the default files.\n"
                         "Are you sure you want to reset the language files?"_s);
        QCOMPARE(f.bytes(u"English.lsf"_s), edited);
        QVERIFY(f.state.lang == before);
    }

    void resetRewritesAndLoadsTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("languageFile");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<QString>("confirmation");
        QTest::newRow("Dutch") << u"Nederlands.lsf"_s << u"Bestand"_s
                               << u"Alle taalbestanden zijn hersteld."_s;
        QTest::newRow("default") << u"default.lsf"_s << u"File"_s
                                 << u"All the language files have been overwritten."_s;
        QTest::newRow("own file") << u"Mine.lsf"_s << u"My own"_s
                                  << u"All the language files have been overwritten."_s;
    }
    void resetRewritesAndLoadsTheChosenLanguage()
    {
        QFETCH(QString, languageFile);
        QFETCH(QString, firstText);
        QFETCH(QString, confirmation);
        Fixture f;
        QVERIFY(ensureDefaultLanguageFiles(f.state.paths.LanguageFolder, f.state.hosts, f.state.lang,
                                           f.messenger));
        f.edit(u"English.lsf"_s, 1, 5, u"Edited"_s);
        f.edit(u"Nederlands.lsf"_s, 1, 5, u"Bewerkt"_s);
        const QByteArray own = f.writeOwnFile(u"Mine.lsf"_s, u"My own"_s);
        f.state.settings.LanguageFile = languageFile;
        f.messenger.answers = {MessageAnswer::Yes};

        QVERIFY(resetLanguageFiles(f.state.paths.LanguageFolder, f.state.settings.LanguageFile, f.state.hosts,
                                   f.state.lang, f.messenger));
        QVERIFY(f.load(u"English.lsf"_s) == english());
        QVERIFY(f.load(u"Nederlands.lsf"_s) == dutch());
        QCOMPARE(f.bytes(u"default.lsf"_s), f.bytes(u"English.lsf"_s));
        QCOMPARE(f.bytes(u"Mine.lsf"_s), own);
        QCOMPARE(f.state.lang.at(1, 0), firstText);
        QCOMPARE(f.messenger.shown.size(), 2);
        QCOMPARE(f.messenger.shown[1].icon, MessageIcon::Information);
        QCOMPARE(f.messenger.shown[1].title, u"Dietlens"_s);
        QCOMPARE(f.messenger.shown[1].text, confirmation);
    }

    void aFailedResetIsNotReportedAsDone()
    {
        Fixture f;
        QVERIFY(ensureDefaultLanguageFiles(f.state.paths.LanguageFolder, f.state.hosts, f.state.lang,
                                           f.messenger));
        // A folder in the way of one file: that write fails, the others go on.
        QVERIFY(QFile::remove(f.path(u"Nederlands.lsf"_s)));
        QVERIFY(QDir(f.dir.path()).mkdir(u"Nederlands.lsf"_s));
        f.edit(u"English.lsf"_s, 1, 5, u"Edited"_s);
        f.messenger.clear();
        f.messenger.answers = {MessageAnswer::Yes};

        QVERIFY(!resetLanguageFiles(f.state.paths.LanguageFolder, f.state.settings.LanguageFile,
                                    f.state.hosts, f.state.lang, f.messenger));
        QCOMPARE(f.messenger.titles(), (QStringList{u"Dietlens"_s, u"Error #401"_s}));
        QCOMPARE(f.messenger.shown[1].text,
                 u"An error occured while saving the languagefile"_s + f.path(u"Nederlands.lsf"_s));
        QVERIFY(f.load(u"English.lsf"_s) == english());
        QVERIFY(f.load(u"default.lsf"_s) == english());
    }
};

QTEST_APPLESS_MAIN(TestDefaultLanguages)
#include "test_defaultlanguages.moc"
