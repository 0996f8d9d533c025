#include "dietlens/core/appstate.h"
#include "dietlens/core/settings.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/net/connection.h"
#include "dietlens/ui/dl_add.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/nutritiondisplay.h"
#include "dietlens/ui/systemtray.h"
#include "tests/support/mainwindowcontrols.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/setupuser.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using testsupport::ScriptedHttpServer;

// The main window's dialogs and tray, with a window set up as after start-up.
class TestDLCoreDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedHttpServer> server;
    std::unique_ptr<AppState> state;
    std::unique_ptr<ScriptedMessenger> messenger;
    std::unique_ptr<DL_Core> window;
    QStringList dialogs; // objectName and modality of every dialog the window ran
    std::function<void(QDialog&)> driveDialog;
    bool trayAvailable = true;

    void makeWindow()
    {
        window = std::make_unique<DL_Core>(*state, *messenger);
        window->setMachineFacts({u"6-2400-142"_s, u"pc"_s, u"jan"_s, u"6.01"_s, QString()});
        window->setTrayAvailability([this] { return trayAvailable; });
        window->setDialogRunner([this](QDialog& dialog) {
            dialogs << dialog.objectName() + (dialog.parentWidget() == window.get() ? u" owned"_s : u""_s);
            if (driveDialog)
                driveDialog(dialog);
        });
        window->FinishStartUp();
    }
    void closeBox()
    {
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QApplication::sendEvent(window->windowHandle(), &close);
        QVERIFY(!close.isAccepted());
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        server = std::make_unique<ScriptedHttpServer>();
        QVERIFY(server->start());
        state = std::make_unique<AppState>();
        testsupport::prepareSetUpUser(*state, dir->path(), server->hostPort(),
                                      ScriptedHttpServer::refusingHostPort());
        Settings& s = state->settings;
        s.SearchCount = s.TrafficCount = s.AddedCount = u"0"_s;
        messenger = std::make_unique<ScriptedMessenger>();
        QVERIFY(EnsureDefaultLanguageFiles(state->paths.LanguageFolder, state->hosts).value);
        dialogs.clear();
        driveDialog = {};
        trayAvailable = true;
        makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        messenger.reset();
        state.reset();
        server.reset();
        dir.reset();
    }

    void connectNoticeAtStartUp_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("shown");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
    }
    void connectNoticeAtStartUp()
    {
        QFETCH(QString, setting);
        QFETCH(bool, shown);
        state->settings.ShowConnectNotice = setting;
        dialogs.clear();
        makeWindow();
        QCOMPARE(dialogs, shown ? QStringList{u"DL_Connectmelding owned"_s} : QStringList{});
        QCOMPARE(state->settings.ShowConnectNotice, shown ? u"1"_s : u"0"_s);
    }

    void menusOpenTheirDialogs()
    {
        testsupport::menuAction(*window, u"mnu_settings"_s)->trigger();
        testsupport::menuAction(*window, u"mnu_informatie"_s)->trigger();
        window->Toolbar_ButtonClick(3);
        QCOMPARE(dialogs,
                 (QStringList{u"DL_Properties owned"_s, u"DL_Informatie owned"_s, u"DL_Properties owned"_s}));
    }

    void languagePickRelabelsTheMainWindow()
    {
        driveDialog = [](QDialog& dialog) {
            auto* combo = dialog.findChild<QComboBox*>(u"Combo_taal"_s);
            const int dutch = combo->findText(u"Nederlands.lsf"_s);
            combo->setCurrentIndex(dutch);
            Q_EMIT combo->activated(dutch);
            static_cast<DL_Properties&>(dialog).cmd_annuleer_Click();
        };
        window->mnu_settings_Click();
        LanguageTables dutch;
        CreateDutchLanguage(dutch, state->hosts);
        QCOMPARE(testsupport::menuAction(*window, u"mnu_settings"_s)->text(), dutch.at(1, 1));
        QCOMPARE(state->settings.LanguageFile, u"English.lsf"_s);
    }

    void savedServerChoiceMovesTheAddresses()
    {
        driveDialog = [](QDialog& dialog) {
            dialog.findChild<QWidget*>(u"opt_db(0)"_s)->setProperty("checked", true);
            static_cast<DL_Properties&>(dialog).cmd_opslaan_Click();
        };
        window->mnu_settings_Click();
        QCOMPARE(state->settings.ServerChoice, u"0"_s);
        QVERIFY(state->food.SubmitUrl.contains(state->hosts.foodNl));
        AppState stored;
        stored.paths.SettingsPath = state->paths.SettingsPath;
        QCOMPARE(ReadSettingsFile(stored.paths.SettingsPath, stored.settings), SettingsLoad::Loaded);
        QCOMPARE(stored.settings.ServerChoice, u"0"_s);
    }

    void newFoodItemReachesTheServer()
    {
        server->setReply(testsupport::kCheckinPath, ScriptedHttpServer::text("2.12"));
        window->mnu_connect_Click();
        QCOMPARE(window->connection().state(), 1.0f);
        server->setReply("/modules/swadd.php", ScriptedHttpServer::text("OK"));
        driveDialog = [](QDialog& dialog) {
            auto box = [&](const QString& name) { return dialog.findChild<QLineEdit*>(name); };
            box(u"txt_algemeen(1)"_s)->setText(u"Rye bread"_s);
            QTest::keyClicks(box(u"txt_s(0)"_s), u"900"_s);
            for (int i = 1; i < 7; ++i)
                QTest::keyClicks(box(u"txt_s(%1)"_s.arg(i)), u"1"_s);
            static_cast<DL_Add&>(dialog).cmd_verzenden_Click();
        };
        testsupport::menuAction(*window, u"mnu_toevoegen"_s)->trigger();
        QCOMPARE(dialogs, QStringList{u"DL_Add owned"_s});
        QVERIFY(server->lastTarget().startsWith("/modules/swadd.php?naam=Rye%20bread&kj=900&"));
        QCOMPARE(state->settings.AddedCount, u"1"_s);
    }

    void trayCycle()
    {
        state->settings.ShowTrayNotice = u"1"_s;
        window->move(120, 80);
        const QPoint place = window->pos();
        const QString caption = window->windowTitle();
        closeBox();
        QVERIFY(!window->isVisible());
        QSystemTrayIcon* icon = window->tray().icon();
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->toolTip(), caption);
        QDialog* notice = window->trayNotice();
        QVERIFY(notice);
        QVERIFY(notice->isVisible());
        QVERIFY(!notice->isModal());
        QCOMPARE(notice->objectName(), u"DL_ToTray"_s);

        Q_EMIT icon->activated(QSystemTrayIcon::Trigger);
        QVERIFY(window->isVisible());
        QCOMPARE(window->pos(), place);
        QVERIFY(!icon->isVisible());
        QVERIFY(notice->isVisible()); // the notice does not follow the window

        // Closing again while the notice is open: the same notice, one icon.
        closeBox();
        QCOMPARE(window->trayNotice(), notice);
        QCOMPARE(window->findChildren<QSystemTrayIcon*>().size(), 1);
        testsupport::menuAction(*window, u"mnuShow"_s)->trigger();
        QVERIFY(window->isVisible());
        QVERIFY(!icon->isVisible());

        // The notice's OK with its box cleared: no notice at the next closing.
        notice->findChild<QCheckBox*>(u"chk_totray"_s)->setChecked(false);
        QTest::mouseClick(notice->findChild<QPushButton*>(u"cmd_opslaan"_s), Qt::LeftButton);
        QTRY_VERIFY(!window->trayNotice());
        QCOMPARE(state->settings.ShowTrayNotice, u"0"_s);
        closeBox();
        QVERIFY(icon->isVisible());
        QVERIFY(!window->trayNotice());
    }

    void withoutTrayClosingMinimises()
    {
        trayAvailable = false;
        state->settings.ShowTrayNotice = u"1"_s;
        closeBox();
        QVERIFY(window->isMinimized());
        QVERIFY(!window->tray().icon()->isVisible());
        QVERIFY(!window->trayNotice());
        window->mnuShow_Click();
        QVERIFY(!window->isMinimized());
    }
};

QTEST_MAIN(TestDLCoreDialogs)
#include "test_dl_core_dialogs.moc"
