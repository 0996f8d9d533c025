#include "dietlens/core/appstate.h"
#include "dietlens/core/settings.h"
#include "dietlens/ui/problempresenter.h"
#include "dietlens/ui/startup.h"
#include "lang/language.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

QByteArray le32(qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray field(const QByteArray& text)
{
    char b[2];
    qToLittleEndian(quint16(text.size()), b);
    return QByteArray(b, 2) + text;
}

// One record of 21 fields, field n holding "vn" unless given.
QByteArray record(QList<QByteArray> texts = {})
{
    QByteArray out;
    for (int f = 1; f <= 21; ++f)
        out += field(f <= texts.size() ? texts[f - 1] : "v" + QByteArray::number(f));
    return out;
}

// Saving as the windows do: a failure is shown.
bool saveSettings(const Settings& settings, const QString& path, const LanguageTables& lang,
                  Messenger& messenger)
{
    return ProblemPresenter(lang, messenger).passed(SaveSettings(settings, path));
}

Settings numberedSettings()
{
    Settings s;
    for (int f = 1; f <= 21; ++f)
        s.field(f) = QStringLiteral("v%1").arg(f);
    return s;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void unusable_data();
    void unusable();
    void readsOneRecord();
    void readsAllRecordsUsesFirst();
    void laterDamagedRecordIgnored();
    void savesExactBytes();
    void roundTripKeepsReservedFields();
    void failingWrites_data();
    void failingWrites();
    void oversizedFieldKeepsOldFile();
    void readOnlyFolderKeepsOldFile();
    void defaults();
    void defaultLanguageFallback();
    void firstRunHandling();
    void loadedFileSkipsFirstRun();

private:
    QTemporaryDir m_dir;
    AppState m_state;
    ScriptedMessenger m_messenger;
    QString path() const { return m_dir.filePath(QStringLiteral("dl2set.dat")); }
};

void TestSettings::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    m_state = AppState();
    m_state.paths.SettingsPath = path();
    m_state.paths.LanguageFolder = m_dir.path() + QLatin1Char('/');
    m_state.lang.set(7, 0, QStringLiteral("Cannot create the file 'dl2set.dat'."));
    m_state.lang.set(7, 1, QStringLiteral("Is the disk write protected?"));
    m_state.lang.set(7, 2, QStringLiteral("Make sure the disk is not write protected."));
    m_messenger.clear();
}

void TestSettings::unusable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    const QByteArray one = record();
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("short count") << QByteArray("\x01\x00", 2) << true;
    QTest::newRow("count 0") << le32(0) + one << true;
    QTest::newRow("negative count") << le32(-1) + one << true;
    QTest::newRow("count only") << le32(1) << true;
    QTest::newRow("record cut in a length") << le32(1) + one.left(1) << true;
    QTest::newRow("record cut in a text") << le32(1) + one.left(3) << true;
    QTest::newRow("last field missing") << le32(1) + one.left(one.size() - 5) << true;
    QTest::newRow("last byte missing") << le32(1) + one.chopped(1) << true;
    QTest::newRow("length beyond end") << le32(1) + QByteArray("\xff\xff"
                                                               "abc",
                                                               5)
                                       << true;
    QTest::newRow("huge count, nothing behind") << le32(0x7fffffff) << true;
}

void TestSettings::unusable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    if (exists)
        QVERIFY(testsupport::writeAll(path(), bytes));
    m_state.settings.FirstName = QStringLiteral("kept");
    const Settings before = m_state.settings;
    QCOMPARE(ReadSettingsFile(m_state.paths.SettingsPath, m_state.settings), SettingsLoad::FirstRun);
    QCOMPARE(m_state.settings, before);
    // Reading never repairs the file.
    QCOMPARE(QFile::exists(path()), exists);
    if (exists)
        QCOMPARE(testsupport::readAll(path()), bytes);
}

void TestSettings::readsOneRecord()
{
    QVERIFY(
        testsupport::writeAll(path(), le32(1) + record({"", "r2", "Nederlands.lsf", "1", "0", "0", "0", "0",
                                                        "J\xe9r\xf4me", "", "17", "123456", "2", "1", "1"})));
    QCOMPARE(ReadSettingsFile(m_state.paths.SettingsPath, m_state.settings), SettingsLoad::Loaded);
    const Settings& s = m_state.settings;
    QCOMPARE(s.Reserved1, QString());
    QCOMPARE(s.Reserved2, u"r2"_s);
    QCOMPARE(s.LanguageFile, u"Nederlands.lsf"_s);
    QCOMPARE(s.ServerChoice, u"1"_s);
    QCOMPARE(s.FirstName, u"J\u00e9r\u00f4me"_s);
    QCOMPARE(s.LastName, QString());
    QCOMPARE(s.SearchCount, u"17"_s);
    QCOMPARE(s.TrafficCount, u"123456"_s);
    QCOMPARE(s.AddedCount, u"2"_s);
    QCOMPARE(s.AlwaysOnTop, u"1"_s);
    QCOMPARE(s.WeightUnit, u"1"_s);
    QCOMPARE(s.Reserved3, u"v16"_s);
    QCOMPARE(s.Reserved8, u"v21"_s);
}

void TestSettings::readsAllRecordsUsesFirst()
{
    QList<QByteArray> second(21, "other");
    QVERIFY(testsupport::writeAll(path(), le32(2) + record() + record(second)));
    QCOMPARE(ReadSettingsFile(m_state.paths.SettingsPath, m_state.settings), SettingsLoad::Loaded);
    QCOMPARE(m_state.settings, numberedSettings());
    // The next save writes one record.
    QVERIFY(saveSettings(m_state.settings, m_state.paths.SettingsPath, m_state.lang, m_messenger));
    QCOMPARE(testsupport::readAll(path()), le32(1) + record());
}

void TestSettings::laterDamagedRecordIgnored()
{
    QVERIFY(testsupport::writeAll(path(), le32(3) + record() + record().left(7)));
    QCOMPARE(ReadSettingsFile(m_state.paths.SettingsPath, m_state.settings), SettingsLoad::Loaded);
    QCOMPARE(m_state.settings, numberedSettings());
}

void TestSettings::savesExactBytes()
{
    m_state.settings = numberedSettings();
    m_state.settings.FirstName = u"Ren\u00e9e \u20ac"_s; // Windows-1252: é = E9, € = 80
    m_state.settings.LastName.clear();
    m_state.settings.Reserved8 = u"\u4e2d"_s; // not in Windows-1252
    QVERIFY(saveSettings(m_state.settings, m_state.paths.SettingsPath, m_state.lang, m_messenger));
    QVERIFY(m_messenger.shown.isEmpty());
    QList<QByteArray> texts;
    for (int f = 1; f <= 21; ++f)
        texts << "v" + QByteArray::number(f);
    texts[8] = "Ren\xe9"
               "e \x80";
    texts[9] = "";
    texts[20] = "?";
    const QByteArray expected = le32(1) + record(texts);
    QCOMPARE(testsupport::readAll(path()), expected);
    // 4 + 21 x 2 + the texts.
    QCOMPARE(expected.size(), 4 + 21 * 2 + (8 * 2 + 7 + 0 + 10 * 3 + 1));
}

void TestSettings::roundTripKeepsReservedFields()
{
    // Written by another tool: reserved fields hold data, some fields empty.
    const QByteArray original =
        le32(1) + record({"tool-1", "tool-2", "English.lsf", "",  "",  "",  "",  "", "", "", "", "", "",
                          "",       "",       "a",           "b", "c", "d", "e", "f"});
    QVERIFY(testsupport::writeAll(path(), original));
    QCOMPARE(ReadSettingsFile(m_state.paths.SettingsPath, m_state.settings), SettingsLoad::Loaded);
    QVERIFY(saveSettings(m_state.settings, m_state.paths.SettingsPath, m_state.lang, m_messenger));
    QCOMPARE(testsupport::readAll(path()), original);

    m_state.settings.SearchCount = u"1"_s;
    QVERIFY(saveSettings(m_state.settings, m_state.paths.SettingsPath, m_state.lang, m_messenger));
    AppState reread;
    reread.paths.SettingsPath = path();
    QCOMPARE(ReadSettingsFile(reread.paths.SettingsPath, reread.settings), SettingsLoad::Loaded);
    QCOMPARE(reread.settings, m_state.settings);
    QCOMPARE(reread.settings.Reserved1, u"tool-1"_s);
    QCOMPARE(reread.settings.Reserved8, u"f"_s);
}

void TestSettings::failingWrites_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("folder missing") << u"missing/dl2set.dat"_s;
    QTest::newRow("target is a folder") << u"dl2set.dat"_s;
}

void TestSettings::failingWrites()
{
    QFETCH(QString, target);
    QVERIFY(QDir(m_dir.path()).mkdir(u"dl2set.dat"_s));
    m_state.paths.SettingsPath = m_dir.filePath(target);
    m_state.settings = numberedSettings();
    QVERIFY(!saveSettings(m_state.settings, m_state.paths.SettingsPath, m_state.lang, m_messenger));
    QCOMPARE(m_messenger.shown.size(), 1);
    const auto& shown = m_messenger.shown.first();
    QCOMPARE(shown.title, u"Error #201"_s);
    QCOMPARE(shown.icon, MessageIcon::Critical);
    QCOMPARE(shown.text, u"Cannot create the file 'dl2set.dat'.\nIs the disk write protected?\n\n"
                         u"Make sure the disk is not write protected."_s);
    QCOMPARE(m_state.settings, numberedSettings()); // the values stay in memory
    QVERIFY(QFileInfo(m_dir.filePath(u"dl2set.dat"_s)).isDir());
}

void TestSettings::oversizedFieldKeepsOldFile()
{
    const QByteArray old = le32(1) + record();
    QVERIFY(testsupport::writeAll(path(), old));
    m_state.settings = numberedSettings();
    m_state.settings.LastName = QString(65535, QLatin1Char('x'));
    QVERIFY(saveSettings(m_state.settings, m_state.paths.SettingsPath, m_state.lang,
                         m_messenger)); // exactly the limit fits
    QCOMPARE(testsupport::readAll(path()).size(), old.size() - 3 + 65535);
    QVERIFY(testsupport::writeAll(path(), old));
    m_state.settings.LastName += QLatin1Char('x');
    QVERIFY(!saveSettings(m_state.settings, m_state.paths.SettingsPath, m_state.lang, m_messenger));
    QCOMPARE(m_messenger.titles(), QStringList{u"Error #201"_s});
    QCOMPARE(testsupport::readAll(path()), old);
}

void TestSettings::readOnlyFolderKeepsOldFile()
{
    const QByteArray old = le32(1) + record();
    QVERIFY(testsupport::writeAll(path(), old));
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(m_dir.filePath(u"probe"_s));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("folder permissions do not apply to this user");
    }
    m_state.settings = numberedSettings();
    m_state.settings.FirstName = u"new"_s;
    const bool saved = saveSettings(m_state.settings, m_state.paths.SettingsPath, m_state.lang, m_messenger);
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(m_messenger.titles(), QStringList{u"Error #201"_s});
    QCOMPARE(testsupport::readAll(path()), old);
}

void TestSettings::defaults()
{
    QVERIFY(testsupport::writeAll(m_dir.filePath(u"English.lsf"_s), "x"));
    Settings& s = m_state.settings;
    s.Reserved1 = u"r1"_s;
    s.LanguageFile = u"English.lsf"_s;
    s.EnergyUnit = u"0"_s;
    s.FirstName = u"Ann"_s;
    s.SearchCount = u"5"_s;
    ApplySettingDefaults(m_state.settings, m_state.paths.LanguageFolder);
    Settings expected;
    expected.Reserved1 = u"r1"_s;
    expected.LanguageFile = u"English.lsf"_s;
    expected.ServerChoice = u"0"_s;
    expected.ShowTrayNotice = u"1"_s;
    expected.ShowConnectNotice = u"1"_s;
    expected.EnergyUnit = u"0"_s;
    expected.MailOptIn = u"1"_s;
    expected.FirstName = u"Ann"_s;
    expected.SearchCount = u"5"_s;
    expected.TrafficCount = u"0"_s;
    expected.AddedCount = u"0"_s;
    expected.AlwaysOnTop = u"0"_s;
    expected.WeightUnit = u"0"_s;
    QCOMPARE(s, expected);
}

void TestSettings::defaultLanguageFallback()
{
    m_state.settings.LanguageFile = u"Klingon.lsf"_s;
    ApplySettingDefaults(m_state.settings, m_state.paths.LanguageFolder);
    QCOMPARE(m_state.settings.LanguageFile, u"default.lsf"_s);
    ApplySettingDefaults(m_state.settings,
                         m_state.paths.LanguageFolder); // even when default.lsf itself is missing
    QCOMPARE(m_state.settings.LanguageFile, u"default.lsf"_s);
}

void TestSettings::firstRunHandling()
{
    m_state.lang.set(7, 3, u"a3"_s);
    m_state.lang.set(7, 4, u"a4"_s);
    m_state.lang.set(7, 5, u"a5"_s);
    m_state.lang.set(7, 6, u"a6"_s);
    int dialogs = 0;
    Language language(m_state.lang);
    QCOMPARE(loadSettingsOrRunFirstRun(m_state.settings, m_state.paths.SettingsPath,
                                       m_state.paths.LanguageFolder, language,
                                       ProblemPresenter(m_state.lang, m_messenger),
                                       [&] {
                                           ++dialogs;
                                           QCOMPARE(m_messenger.shown.size(), 1); // the message comes first
                                       }),
             SettingsLoad::FirstRun);
    QCOMPARE(dialogs, 1);
    QCOMPARE(m_messenger.shown.size(), 1);
    QCOMPARE(m_messenger.shown[0].title, u"Dietlens"_s);
    QCOMPARE(m_messenger.shown[0].icon, MessageIcon::Information);
    QCOMPARE(m_messenger.shown[0].buttons, MessageButtons::Ok);
    QCOMPARE(m_messenger.shown[0].text, u"a3\na4\n\na5\na6"_s);
    QCOMPARE(m_state.settings.LanguageFile, u"default.lsf"_s);
    QCOMPARE(m_state.settings.ShowTrayNotice, u"1"_s);
    QVERIFY(!QFile::exists(path())); // nothing is written until something changes

    // Without a dialog the program goes on with the defaults.
    m_messenger.clear();
    QVERIFY(testsupport::writeAll(path(), le32(0)));
    QCOMPARE(loadSettingsOrRunFirstRun(m_state.settings, m_state.paths.SettingsPath,
                                       m_state.paths.LanguageFolder, language,
                                       ProblemPresenter(m_state.lang, m_messenger)),
             SettingsLoad::FirstRun);
    QCOMPARE(m_messenger.shown.size(), 1);
    QCOMPARE(testsupport::readAll(path()), le32(0));
}

void TestSettings::loadedFileSkipsFirstRun()
{
    QVERIFY(testsupport::writeAll(path(), le32(1) + record()));
    bool dialog = false;
    Language language(m_state.lang);
    QCOMPARE(loadSettingsOrRunFirstRun(m_state.settings, m_state.paths.SettingsPath,
                                       m_state.paths.LanguageFolder, language,
                                       ProblemPresenter(m_state.lang, m_messenger), [&] { dialog = true; }),
             SettingsLoad::Loaded);
    QVERIFY(!dialog);
    QVERIFY(m_messenger.shown.isEmpty());
    QCOMPARE(m_state.settings, numberedSettings());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
