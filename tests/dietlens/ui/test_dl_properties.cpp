#include "dietlens/core/appstate.h"
#include "dietlens/core/program.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/languagereset.h"
#include "dietlens/ui/problempresenter.h"
#include "lang/language.h"
#include "lang/languagefile.h"
#include "tests/dietlens/ui/dialogtestutil.h"
#include "tests/support/languagefiles.h"
#include "tests/support/scriptedmessenger.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

using namespace dialogtest;
using namespace Qt::StringLiterals;

class TestDlProperties : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppState m_state;
    Language m_language{m_state.lang};
    ScriptedMessenger m_messenger;
    std::function<void()> m_reset; // what the main window does on the reset button
    int m_mainRelabelled = 0;
    QStringList m_events;

    template <typename T> static T* child(const QWidget& w, const QString& name)
    {
        auto* c = w.findChild<T*>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    static QComboBox* combo(const QWidget& w) { return child<QComboBox>(w, QStringLiteral("Combo_taal")); }

    // A language file whose settings-dialog caption and main-menu text carry the given word.
    void writeLanguage(const QString& name, const QString& word)
    {
        LanguageTables tables;
        fillMarkers(tables);
        tables.set(5, 0, word + QStringLiteral(" settings"));
        tables.set(1, 0, word + QStringLiteral(" file"));
        QVERIFY(testsupport::saveLanguageFile(tables, m_state.paths.LanguageFolder + name, m_messenger,
                                              LanguageSaveFailure::dietlens()));
    }
    // The main window's side of the dialog's signals.
    void watch(DL_Properties& w)
    {
        connect(&m_language, &Language::changed, &w, [this](LanguageChange why) {
            if (why != LanguageChange::Picked)
                return;
            ++m_mainRelabelled;
            m_events << QStringLiteral("main:") + m_state.lang.at(1, 0);
        });
        connect(&w, &DL_Properties::serverChoiceStored, this, [this] {
            m_events << QStringLiteral("select:") + m_state.settings.ServerChoice +
                            (QFile::exists(m_state.paths.SettingsPath) ? QStringLiteral(" saved")
                                                                       : QString());
        });
        connect(&w, &DL_Properties::resetRequested, this, [this] {
            if (m_reset)
                m_reset();
        });
    }
    void pick(DL_Properties& w, const QString& name)
    {
        QComboBox* c = combo(w);
        const int index = c->findText(name);
        QVERIFY(index >= 0);
        c->setCurrentIndex(index);
        Q_EMIT c->activated(index);
    }

private Q_SLOTS:
    void init()
    {
        m_state = AppState();
        prepare(m_state, m_dir);
        QDir(m_state.paths.LanguageFolder).removeRecursively();
        QDir().mkpath(m_state.paths.LanguageFolder);
        QFile::remove(m_state.paths.SettingsPath);
        writeLanguage(QStringLiteral("default.lsf"), QStringLiteral("Default"));
        writeLanguage(QStringLiteral("English.lsf"), QStringLiteral("English"));
        writeLanguage(QStringLiteral("Nederlands.lsf"), QStringLiteral("Dutch"));
        m_messenger.clear();
        m_events.clear();
        m_mainRelabelled = 0;
        m_reset = {};
    }

    void opensWithStoredSettings()
    {
        Settings& s = m_state.settings;
        s.ServerChoice = QStringLiteral("1");
        s.ShowTrayNotice = QStringLiteral("0");
        s.EnergyUnit = QStringLiteral("0");
        s.WeightUnit = QStringLiteral("1");
        s.AlwaysOnTop = QStringLiteral("1");
        s.MailOptIn = QStringLiteral("0");
        s.LanguageFile = QStringLiteral("Nederlands.lsf");
        s.TrafficCount = QStringLiteral("2048");
        s.SearchCount = QStringLiteral("17");
        s.AddedCount = QString();
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("txt_voornaam"))->text(), QStringLiteral("Ann"));
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("txt_achternaam"))->text(), QStringLiteral("Lee"));
        QCOMPARE(combo(w)->currentText(), QStringLiteral("Nederlands.lsf"));
        QVERIFY(child<QRadioButton>(w, QStringLiteral("opt_db(1)"))->isChecked());
        QVERIFY(child<QRadioButton>(w, QStringLiteral("opt_kjkcal(0)"))->isChecked());
        QVERIFY(child<QRadioButton>(w, QStringLiteral("opt_systeem(1)"))->isChecked());
        QVERIFY(!child<QCheckBox>(w, QStringLiteral("chk_totray"))->isChecked());
        QVERIFY(child<QCheckBox>(w, QStringLiteral("chk_connect"))->isChecked());
        QVERIFY(child<QCheckBox>(w, QStringLiteral("chk_ontop"))->isChecked());
        QVERIFY(!child<QCheckBox>(w, QStringLiteral("chk_mail"))->isChecked());
        QCOMPARE(child<QLabel>(w, QStringLiteral("lbl_traffic"))->text(), QStringLiteral("2.00 KB"));
        QCOMPARE(child<QLabel>(w, QStringLiteral("lbl_opdrachten"))->text(), QStringLiteral("17"));
        QCOMPARE(child<QLabel>(w, QStringLiteral("lbl_toegevoegd"))->text(), QStringLiteral("0"));
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(m_messenger.shown.isEmpty());
        QCOMPARE(m_mainRelabelled, 0); // opening previews nothing
    }

    void texts()
    {
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        QCOMPARE(w.windowTitle(), slot(5, 0));
        auto* tabs = child<QTabBar>(w, QStringLiteral("TabStrip1"));
        QCOMPARE(tabs->tabText(2), slot(5, 4));
        QCOMPARE(tabs->tabToolTip(0), slot(5, 5));
        QCOMPARE(child<QGroupBox>(w, QStringLiteral("Frame_7"))->title(), slot(6, 2));
        QCOMPARE(child<QGroupBox>(w, QStringLiteral("Frame_6"))->title(), slot(5, 42));
        QCOMPARE(child<QLabel>(w, QStringLiteral("lbl_6"))->text(), slot(5, 41));
        QCOMPARE(child<QRadioButton>(w, QStringLiteral("opt_systeem(1)"))->text(), slot(5, 47));
        QCOMPARE(child<QPushButton>(w, QStringLiteral("cmd_website"))->text(), slot(1, 12));
        QCOMPARE(child<QPushButton>(w, QStringLiteral("cmd_reset"))->toolTip(), slot(5, 19));
        QCOMPARE(child<QLabel>(w, QStringLiteral("lbl_nfo_2"))->text(), slot(6, 4));
        QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void exactlyOnePageShown()
    {
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        w.show();
        auto visiblePages = [&w] {
            QList<int> shown;
            for (int i = 0; i < 3; ++i)
                if (child<QWidget>(w, QStringLiteral("ChoiceFrame(%1)").arg(i))->isVisible())
                    shown << i;
            return shown;
        };
        QCOMPARE(visiblePages(), QList<int>{0});
        QCOMPARE(w.currentTab(), 1);
        auto* tabs = child<QTabBar>(w, QStringLiteral("TabStrip1"));
        for (int tab : {2, 1, 0}) {
            tabs->setCurrentIndex(tab);
            QCOMPARE(visiblePages(), QList<int>{tab});
            QCOMPARE(w.currentTab(), tab + 1);
        }
    }

    void saveChecksInOrder_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("warning");
        QTest::newRow("all empty: first name only") << ""
                                                    << ""
                                                    << "" << 32;
        QTest::newRow("no last name") << "Bo"
                                      << ""
                                      << "" << 34;
        QTest::newRow("no language") << "Bo"
                                     << "Bay"
                                     << "" << 36;
        QTest::newRow("blanks pass") << " "
                                     << " "
                                     << "English.lsf" << 0;
    }
    void saveChecksInOrder()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, language);
        QFETCH(int, warning);
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        w.show();
        child<QLineEdit>(w, QStringLiteral("txt_voornaam"))->setText(first);
        child<QLineEdit>(w, QStringLiteral("txt_achternaam"))->setText(last);
        combo(w)->setCurrentIndex(combo(w)->findText(language));
        w.cmd_opslaan_Click();
        if (warning) {
            QCOMPARE(m_messenger.shown.size(), 1);
            QCOMPARE(m_messenger.shown[0].title, ProgramName());
            QCOMPARE(m_messenger.shown[0].icon, MessageIcon::Exclamation);
            QCOMPARE(m_messenger.shown[0].text, slot(5, warning) + u'\n' + slot(5, warning + 1));
            QVERIFY(w.isVisible());
            QCOMPARE(m_state.settings.FirstName, QStringLiteral("Ann"));
            QVERIFY(!QFile::exists(m_state.paths.SettingsPath));
        } else {
            QVERIFY(m_messenger.shown.isEmpty());
            QVERIFY(!w.isVisible());
            QCOMPARE(m_state.settings.FirstName, first);
        }
    }

    void saveStoresEverySetting()
    {
        m_state.settings.Reserved3 = QStringLiteral("keep me");
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        w.show();
        child<QLineEdit>(w, QStringLiteral("txt_voornaam"))->setText(QStringLiteral("Bo"));
        child<QLineEdit>(w, QStringLiteral("txt_achternaam"))->setText(QStringLiteral("Bay"));
        combo(w)->setCurrentIndex(combo(w)->findText(QStringLiteral("English.lsf")));
        child<QRadioButton>(w, QStringLiteral("opt_db(1)"))->setChecked(true);
        child<QRadioButton>(w, QStringLiteral("opt_kjkcal(0)"))->setChecked(true);
        child<QRadioButton>(w, QStringLiteral("opt_systeem(1)"))->setChecked(true);
        child<QCheckBox>(w, QStringLiteral("chk_totray"))->setChecked(false);
        child<QCheckBox>(w, QStringLiteral("chk_connect"))->setChecked(false);
        child<QCheckBox>(w, QStringLiteral("chk_ontop"))->setChecked(true);
        child<QCheckBox>(w, QStringLiteral("chk_mail"))->setChecked(false);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("cmd_opslaan")), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(m_events, QStringList{QStringLiteral("select:1")}); // server chosen before the save

        Settings expected = m_state.settings;
        expected.FirstName = QStringLiteral("Bo");
        expected.LastName = QStringLiteral("Bay");
        expected.LanguageFile = QStringLiteral("English.lsf");
        expected.ServerChoice = QStringLiteral("1");
        expected.EnergyUnit = QStringLiteral("0");
        expected.WeightUnit = QStringLiteral("1");
        expected.ShowTrayNotice = QStringLiteral("0");
        expected.ShowConnectNotice = QStringLiteral("0");
        expected.AlwaysOnTop = QStringLiteral("1");
        expected.MailOptIn = QStringLiteral("0");
        QCOMPARE(m_state.settings, expected);
        const Settings stored = storedSettings(m_state);
        QCOMPARE(stored, expected);
        QCOMPARE(stored.Reserved3, QStringLiteral("keep me"));
    }

    void unknownValuesStayUnchanged()
    {
        m_state.settings.ServerChoice = QStringLiteral("7");
        m_state.settings.EnergyUnit = QStringLiteral("x");
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        w.cmd_opslaan_Click();
        QCOMPARE(m_state.settings.ServerChoice, QStringLiteral("7"));
        QCOMPARE(m_state.settings.EnergyUnit, QStringLiteral("x"));
    }

    void cancel_data()
    {
        QTest::addColumn<int>("emptyField");
        QTest::addColumn<bool>("closes");
        QTest::newRow("complete") << 0 << true;
        QTest::newRow("no first name") << 9 << false;
        QTest::newRow("no language") << 3 << false;
        QTest::newRow("no mail choice") << 8 << false;
        QTest::newRow("no last name is fine") << 10 << true;
    }
    void cancel()
    {
        QFETCH(int, emptyField);
        QFETCH(bool, closes);
        if (emptyField)
            m_state.settings.field(emptyField).clear();
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        w.show();
        // What the dialog shows does not count: the stored settings do.
        child<QLineEdit>(w, QStringLiteral("txt_voornaam"))->setText(QStringLiteral("Typed"));
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(!w.isVisible(), closes);
        if (closes) {
            QVERIFY(m_messenger.shown.isEmpty());
            QCOMPARE(w.result(), int(QDialog::Rejected));
        } else {
            QCOMPARE(m_messenger.shown.size(), 1);
            QCOMPARE(m_messenger.shown[0].text, slot(5, 48) + u'\n' + slot(5, 49));
            QCOMPARE(m_messenger.shown[0].icon, MessageIcon::Exclamation);
            // The window frame closes without the check.
            w.close();
            QVERIFY(!w.isVisible());
        }
        QVERIFY(!QFile::exists(m_state.paths.SettingsPath));
    }

    void languagePreviewThenCancel()
    {
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        w.show();
        pick(w, QStringLiteral("Nederlands.lsf"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Dutch settings"));
        QCOMPARE(m_events, QStringList{QStringLiteral("main:Dutch file")});
        w.cmd_annuleer_Click();
        QVERIFY(!w.isVisible());
        QCOMPARE(m_state.lang.at(5, 0), QStringLiteral("Dutch settings")); // texts stay
        QCOMPARE(m_state.settings.LanguageFile, QStringLiteral("default.lsf"));
        QVERIFY(!QFile::exists(m_state.paths.SettingsPath));
    }

    void resetKeepsUsersFile()
    {
        writeLanguage(QStringLiteral("Mine.lsf"), QStringLiteral("Mine"));
        int resets = 0;
        m_reset = [&] {
            ++resets;
            askAndResetLanguageFiles(m_state.paths.LanguageFolder, m_state.settings.LanguageFile,
                                     m_state.hosts, m_state.lang,
                                     ProblemPresenter(m_state.lang, m_messenger));
        };
        m_messenger.answers = {MessageAnswer::Yes};
        m_state.settings.LanguageFile = QStringLiteral("Nederlands.lsf");
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        QFile::remove(m_state.paths.LanguageFolder + QStringLiteral("Nederlands.lsf"));
        w.FillLanguageList();
        combo(w)->setCurrentIndex(combo(w)->findText(QStringLiteral("Mine.lsf")));
        w.cmd_reset_Click();
        QCOMPARE(resets, 1);
        QStringList listed;
        for (int i = 0; i < combo(w)->count(); ++i)
            listed << combo(w)->itemText(i);
        QCOMPARE(listed,
                 (QStringList{u"English.lsf"_s, u"Mine.lsf"_s, u"Nederlands.lsf"_s, u"default.lsf"_s}));
        QCOMPARE(combo(w)->currentText(), QStringLiteral("Mine.lsf"));
        QCOMPARE(m_mainRelabelled, 0);
        QVERIFY(FileExists(m_state.paths.LanguageFolder + QStringLiteral("Nederlands.lsf")));
    }

    void namesRefuseWhatTheSettingsFileCannotHold_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("first name") << u"txt_voornaam"_s;
        QTest::newRow("last name") << u"txt_achternaam"_s;
    }
    void namesRefuseWhatTheSettingsFileCannotHold()
    {
        QFETCH(QString, box);
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        auto* name = child<QLineEdit>(w, box);
        name->clear();
        QTest::keyClicks(name, u"ukasz"_s);
        name->setCursorPosition(0);
        typeText(name, u"\u0141"_s);
        QCOMPARE(name->text(), u"ukasz"_s);
        QCOMPARE(name->cursorPosition(), 0);
        QCOMPARE(m_messenger.titles(), QStringList{u"Dietlens"_s});
        QCOMPARE(m_messenger.shown[0].text, u"Dietlens cannot store these characters: \u0141"_s);
        QCOMPARE(m_messenger.shown[0].icon, MessageIcon::Exclamation);
        typeText(name, u"\u00C9"_s);
        QCOMPARE(name->text(), u"\u00C9ukasz"_s);
        QCOMPARE(m_messenger.shown.size(), 1);
    }

    void missingLanguageFolderShows601()
    {
        QDir(m_state.paths.LanguageFolder).removeRecursively();
        DL_Properties w(m_state.settings, m_state.paths, m_language, m_messenger);
        watch(w);
        QCOMPARE(m_messenger.titles(), QStringList{QStringLiteral("Error #601")});
        QCOMPARE(m_messenger.shown[0].text, slot(5, 30) + u'\n' + slot(5, 31));
        QCOMPARE(combo(w)->count(), 0);
    }
};

QTEST_MAIN(TestDlProperties)
#include "test_dl_properties.moc"
