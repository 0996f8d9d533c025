#include "dietlens/core/appstate.h"
#include "dietlens/core/program.h"
#include "dietlens/core/settings.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/startup.h"
#include "lang/language.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kFirstRunText =
    u"The file 'dl2set.dat' has not been found on this computer.\n"
    u"This is probably this is the first time that you have started up Dietlens.\n\n"
    u"Fill in all the required fields in the settings window.\n"
    u"Press 'OK' to open the settings window."_s;

const QStringList kDefaultFiles = {u"English.lsf"_s, u"Nederlands.lsf"_s, u"default.lsf"_s};

// The whole sequence with the desktop's folders and no window parts.
void runStartup(QWidget& window, AppState& state, Messenger& messenger)
{
    Language language(state.lang);
    Startup(state.paths, state.settings, state.hosts, language, messenger).run(window);
}

} // namespace

// Start-up in a home folder of its own: HOME and XDG_CONFIG_HOME point into
// a temporary folder for the whole run (set before the application exists).
class TestStartup : public QObject
{
    Q_OBJECT
public:
    explicit TestStartup(QString home) : m_home(std::move(home)) {}

private Q_SLOTS:
    void init();
    void firstStartInEmptyHome();
    void secondStartLeavesCurrentFilesAlone();
    void firstStartKeepsTheNamesSaved();
    void savedSettingsChooseLanguage();
    void hooksRunInOrder();
    void blockedFolderIsNamedOnceAndStartupGoesOn();

private:
    QString languageFolder() const { return m_home + u"/Documents/Dietlens/My Language/"_s; }
    QString settingsPath() const { return m_home + u"/.config/Quelmar/dl2set.dat"_s; }
    QString m_home;
};

void TestStartup::init()
{
    QDir(m_home).removeRecursively();
    QVERIFY(QDir().mkpath(m_home));
}

void TestStartup::firstStartInEmptyHome()
{
    AppState state;
    ScriptedMessenger messenger;
    DL_Core window(state, messenger);
    // The first-run settings dialog and the connect-first notice, closed unseen.
    QStringList dialogs;
    window.setDialogRunner([&](QDialog& dialog) {
        dialogs << dialog.objectName();
        QCOMPARE(messenger.shown.size(), 1); // after the first-run message
    });
    window.Form_Load();
    QCOMPARE(dialogs, (QStringList{u"DL_Properties"_s, u"DL_Connectmelding"_s}));

    QVERIFY(QFileInfo(m_home + u"/.config/Quelmar"_s).isDir());
    QVERIFY(QFileInfo(m_home + u"/Documents/Dietlens/My Database"_s).isDir());
    for (const QString& name : kDefaultFiles)
        QVERIFY2(QFileInfo(languageFolder() + name).isFile(), qPrintable(name));
    QCOMPARE(testsupport::readAll(languageFolder() + u"default.lsf"_s),
             testsupport::readAll(languageFolder() + u"English.lsf"_s));
    QVERIFY(!QFile::exists(settingsPath()));

    QCOMPARE(messenger.shown.size(), 1);
    QCOMPARE(messenger.shown[0].title, u"Dietlens"_s);
    QCOMPARE(messenger.shown[0].icon, MessageIcon::Information);
    QCOMPARE(messenger.shown[0].text, kFirstRunText);

    QCOMPARE(state.paths.AppDataFolder, m_home + u"/.config/"_s);
    QCOMPARE(state.paths.DocumentsFolder, m_home + u"/Documents/"_s);
    QCOMPARE(state.paths.LanguageFolder, languageFolder());
    QCOMPARE(state.paths.DatabaseFolder, m_home + u"/Documents/Dietlens/My Database/"_s);
    QCOMPARE(state.paths.SettingsPath, settingsPath());
    QCOMPARE(state.paths.BookmarksPath, state.paths.DatabaseFolder + u"bookmarks.dat"_s);
    QCOMPARE(state.paths.ProgramFolder, QCoreApplication::applicationDirPath() + u"/"_s);
    QCOMPARE(state.paths.HelpFile, state.paths.ProgramFolder + u"help.chm"_s);
    QCOMPARE(ProgramName(), u"Dietlens"_s);
    QCOMPARE(ProgramVersion(), u"2.12"_s);
    QCOMPARE(state.settings.LanguageFile, u"default.lsf"_s);
    QCOMPARE(state.settings.ServerChoice, u"0"_s);
    QCOMPARE(state.lang.at(7, 3), u"The file 'dl2set.dat' has not been found on this computer."_s);
    QVERIFY(window.isVisible());
}

void TestStartup::firstStartKeepsTheNamesSaved()
{
    AppState state;
    ScriptedMessenger messenger;
    DL_Core window(state, messenger);
    window.setDialogRunner([&](QDialog& dialog) {
        auto* settings = qobject_cast<DL_Properties*>(&dialog);
        if (!settings)
            return;
        // Cancel is refused until a first name has been saved.
        settings->cmd_annuleer_Click();
        QCOMPARE(messenger.shown.size(), 2);
        QCOMPARE(messenger.shown[1].icon, MessageIcon::Exclamation);
        settings->findChild<QLineEdit*>(u"txt_voornaam"_s)->setText(u"Ann"_s);
        settings->findChild<QLineEdit*>(u"txt_achternaam"_s)->setText(u"Lee"_s);
        settings->cmd_opslaan_Click();
    });
    window.Form_Load();
    QVERIFY(QFile::exists(settingsPath()));
    AppState stored;
    stored.paths.SettingsPath = settingsPath();
    QCOMPARE(ReadSettingsFile(stored.paths.SettingsPath, stored.settings), SettingsLoad::Loaded);
    QCOMPARE(stored.settings.FirstName, u"Ann"_s);
    QCOMPARE(stored.settings.LastName, u"Lee"_s);
    QCOMPARE(stored.settings.LanguageFile, u"default.lsf"_s);
    QCOMPARE(stored.settings.ServerChoice, u"0"_s);
    QCOMPARE(window.windowTitle(), u"Dietlens (not connected)"_s);
    QVERIFY(window.isVisible());
}

void TestStartup::secondStartLeavesCurrentFilesAlone()
{
    {
        AppState state;
        ScriptedMessenger messenger;
        DL_Core window(state, messenger);
        window.setDialogRunner([](QDialog&) {});
        window.Form_Load();
    }
    // Date the files back, so that any rewrite would show.
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    QHash<QString, QByteArray> bytes;
    for (const QString& name : kDefaultFiles) {
        QFile f(languageFolder() + name);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(past, QFileDevice::FileModificationTime));
        bytes[name] = testsupport::readAll(languageFolder() + name);
    }
    QVERIFY(testsupport::writeAll(languageFolder() + u"Mine.lsf"_s, "my own"));

    AppState state;
    ScriptedMessenger messenger;
    DL_Core window(state, messenger);
    window.setDialogRunner([](QDialog&) {});
    window.Form_Load();
    for (const QString& name : kDefaultFiles) {
        QCOMPARE(QFileInfo(languageFolder() + name).lastModified(), past);
        QCOMPARE(testsupport::readAll(languageFolder() + name), bytes[name]);
    }
    QCOMPARE(testsupport::readAll(languageFolder() + u"Mine.lsf"_s), QByteArray("my own"));
    QCOMPARE(messenger.titles(), QStringList{u"Dietlens"_s}); // still a first run
    QVERIFY(!QFile::exists(settingsPath()));

    // An outdated file is written again.
    QVERIFY(testsupport::writeAll(languageFolder() + u"Nederlands.lsf"_s, "old"));
    AppState third;
    DL_Core thirdWindow(third, messenger);
    thirdWindow.setDialogRunner([](QDialog&) {});
    thirdWindow.Form_Load();
    QCOMPARE(testsupport::readAll(languageFolder() + u"Nederlands.lsf"_s), bytes[u"Nederlands.lsf"_s]);
}

void TestStartup::savedSettingsChooseLanguage()
{
    QWidget first;
    AppState setup;
    ScriptedMessenger messenger;
    runStartup(first, setup, messenger);
    setup.settings.LanguageFile = u"Nederlands.lsf"_s;
    setup.settings.FirstName = u"Ann"_s;
    QVERIFY(SaveSettings(setup.settings, setup.paths.SettingsPath).ok());
    messenger.clear();

    QWidget window;
    AppState state;
    runStartup(window, state, messenger);
    QVERIFY(messenger.shown.isEmpty());
    QCOMPARE(state.settings.FirstName, u"Ann"_s);
    QCOMPARE(state.settings.LanguageFile, u"Nederlands.lsf"_s);
    LanguageTables dutch;
    CreateDutchLanguage(dutch, state.hosts);
    QCOMPARE(state.lang.at(7, 3), dutch.at(7, 3));
    QVERIFY(state.lang.at(7, 3) != u"The file 'dl2set.dat' has not been found on this computer."_s);

    // A language file that is gone falls back to the default one.
    setup.settings.LanguageFile = u"Gone.lsf"_s;
    QVERIFY(SaveSettings(setup.settings, setup.paths.SettingsPath).ok());
    AppState fallback;
    QWidget third;
    runStartup(third, fallback, messenger);
    QVERIFY(messenger.shown.isEmpty());
    QCOMPARE(fallback.settings.LanguageFile, u"default.lsf"_s);
    QCOMPARE(fallback.lang.at(7, 3), u"The file 'dl2set.dat' has not been found on this computer."_s);
}

void TestStartup::hooksRunInOrder()
{
    const QString other = m_home + u"/elsewhere"_s;
    QVERIFY(QDir().mkpath(other + u"/docs/Dietlens/My Database"_s));
    QVERIFY(testsupport::writeAll(other + u"/docs/Dietlens/My Database/bookmarks.dat"_s, "x"));

    QWidget window;
    AppState state;
    ScriptedMessenger messenger;
    QStringList calls;
    StartupServices services;
    services.specialFolder = [&](int number) {
        return number == 26 ? other + u"/cfg/"_s : other + u"/docs/"_s;
    };
    services.firstRunSettingsDialog = [&] {
        calls << u"settings dialog"_s;
        // Shown over the visible window, whose caption is still the fixed one.
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), u"Dietlens (niet verbonden)"_s);
        QCOMPARE(messenger.shown.size(), 1);
    };
    Language language(state.lang);
    Startup startup(state.paths, state.settings, state.hosts, language, messenger, services);
    QObject::connect(&startup, &Startup::bookmarksFileFound, [&] {
        calls << u"bookmarks"_s;
        QCOMPARE(state.paths.BookmarksPath, other + u"/docs/Dietlens/My Database/bookmarks.dat"_s);
    });
    QObject::connect(&startup, &Startup::mainWindowDue, [&] {
        calls << u"arrange"_s;
        QVERIFY(!window.isVisible());
    });
    startup.run(window);
    QCOMPARE(calls, (QStringList{u"bookmarks"_s, u"arrange"_s, u"settings dialog"_s}));
    QVERIFY(QFileInfo(other + u"/cfg/Quelmar"_s).isDir());
    QVERIFY(QFileInfo(other + u"/docs/Dietlens/My Language/English.lsf"_s).isFile());
    QVERIFY(!QFileInfo::exists(m_home + u"/Documents"_s));
}

void TestStartup::blockedFolderIsNamedOnceAndStartupGoesOn()
{
    QVERIFY(QDir().mkpath(m_home + u"/Documents"_s));
    QVERIFY(testsupport::writeAll(m_home + u"/Documents/Dietlens"_s, "a file in the way"));
    AppState state;
    ScriptedMessenger messenger;
    DL_Core window(state, messenger);
    window.setDialogRunner([](QDialog&) {}); // the first-run settings dialog lists no languages
    window.Form_Load();
    // No "Error #302" (nothing failed unexpectedly), no message from the
    // language files or the settings dialog about the missing folder.
    QCOMPARE(messenger.titles(), (QStringList{u"Dietlens"_s, u"Dietlens"_s}));
    QCOMPARE(messenger.shown[0].icon, MessageIcon::Exclamation);
    QCOMPARE(messenger.shown[0].text, u"An error occurred while making a directory.\n"_s + m_home +
                                          u"/Documents/Dietlens/My Language/\n"_s + m_home +
                                          u"/Documents/Dietlens/My Database/"_s);
    QCOMPARE(messenger.shown[1].text, kFirstRunText);
    QVERIFY(window.isVisible());
    QVERIFY(QFileInfo(m_home + u"/.config/Quelmar"_s).isDir());
}

int main(int argc, char* argv[])
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString home = dir.filePath(u"home"_s);
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + u"/.config"_s).toLocal8Bit());
    QApplication app(argc, argv);
    TestStartup test(home);
    return QTest::qExec(&test, argc, argv);
}

#include "test_startup.moc"
