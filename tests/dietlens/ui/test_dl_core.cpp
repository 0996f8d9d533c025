// The main window against a scripted HTTP server: the look of each connection
// state, the search box and list, the shell commands and the language of menus and tooltips.
#include "dietlens/core/appstate.h"
#include "dietlens/core/program.h"
#include "dietlens/net/checkin.h"
#include "dietlens/net/connection.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/nutritiondisplay.h"
#include "tests/support/mainwindowcontrols.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/setupuser.h"
#include "tests/support/testsupport.h"
#include "widgets/keyboardaccess.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <memory>

using namespace Qt::StringLiterals;

using testsupport::ScriptedHttpServer;
using Reply = ScriptedHttpServer::Reply;
using testsupport::kCheckinPath;
using testsupport::kSearchPath;

namespace {

class FakeHelpDesktop : public HelpDesktop
{
public:
    bool hasHandlerFor(const QString&) const override { return true; }
    bool open(const QUrl& url) override
    {
        opened << url;
        return true;
    }
    QList<QUrl> opened;
};

// Counts the hide events a widget gets while it lives.
struct HideCounter : QObject
{
    explicit HideCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        count += e->type() == QEvent::Hide;
        return false;
    }
    int count = 0;
};

} // namespace

class TestDLCore : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedHttpServer> server;
    std::unique_ptr<AppState> state;
    std::unique_ptr<ScriptedMessenger> messenger;
    std::unique_ptr<DL_Core> window;
    QStringList opened;
    FakeHelpDesktop help;
    bool ended = false;

    void makeWindow()
    {
        window = std::make_unique<DL_Core>(*state, *messenger);
        window->setMachineFacts({u"6-2400-142"_s, u"pc"_s, u"jan"_s, u"6.01"_s, u"jan@example.org"_s});
        QObject::connect(window.get(), &DL_Core::documentRequested,
                         [this](const QString& d) { opened << d; });
        QObject::connect(window.get(), &DL_Core::programEndRequested, [this] { ended = true; });
        window->setHelpDesktop(&help);
        window->FinishStartUp();
    }

    void connectWith(const Reply& reply)
    {
        server->setReply(kCheckinPath, reply);
        window->mnu_connect_Click();
    }

    void connectOk()
    {
        connectWith(ScriptedHttpServer::text("2.12"));
        QCOMPARE(window->connection().state(), 1.0f);
        messenger->clear();
        server->clearRequests();
    }

    QString F(int t, int i) const { return state->lang.at(t, i); }
    QAction* action(const char* name) const { return testsupport::menuAction(*window, QLatin1String(name)); }

    void verifyConnectedLook(bool connected)
    {
        const int col = connected ? 1 : 0;
        QCOMPARE(window->windowTitle(), ProgramName() + u' ' + F(7, connected ? 13 : 9));
        QCOMPARE(action("mnu_connect")->text(), F(7, connected ? 14 : 10));
        QCOMPARE(action("mnu_toevoegen")->isEnabled(), connected);
        QCOMPARE(testsupport::toolbarButton(*window, 2)->toolTip(), F(7, connected ? 15 : 11));
        QCOMPARE(testsupport::toolbarButton(*window, 2)->icon().cacheKey(),
                 (connected ? window->disconnectIcon() : window->connectIcon()).cacheKey());
        for (int position : {5, 6, 8})
            QCOMPARE(testsupport::toolbarButton(*window, position)->isEnabled(), connected);
        if (!connected) {
            QVERIFY(!action("mnu_del")->isEnabled());
            QVERIFY(!action("mnu_addlijst")->isEnabled());
            QVERIFY(!testsupport::toolbarButton(*window, 9)->isEnabled());
        }
        QCOMPARE(testsupport::txt_item(*window)->isEnabled(), connected);
        QCOMPARE(testsupport::txt_item(*window)->palette().color(QPalette::Base),
                 connected ? QApplication::palette().color(QPalette::Base) : QColor(224, 224, 224));
        QCOMPARE(testsupport::txt_item(*window)->text(), connected ? QString() : F(7, 12));
        QCOMPARE(testsupport::Pic_zoeken(*window)->isVisibleTo(window.get()), connected);
        QCOMPARE(testsupport::Pic_zoeken_bw(*window)->isVisibleTo(window.get()), !connected);
        QCOMPARE(testsupport::statusPanel(*window, 2)->text(), F(7, connected ? 16 : 12));
        Q_UNUSED(col);
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        server = std::make_unique<ScriptedHttpServer>();
        QVERIFY(server->start());
        state = std::make_unique<AppState>();
        testsupport::prepareSetUpUser(*state, dir->path(), server->hostPort(),
                                      ScriptedHttpServer::refusingHostPort());
        state->hosts.siteEn = u"http://site.example/"_s;
        messenger = std::make_unique<ScriptedMessenger>();
        opened.clear();
        help.opened.clear();
        ended = false;
        makeWindow();
    }
    void cleanup()
    {
        window.reset();
        messenger.reset();
        state.reset();
        server.reset();
        dir.reset();
    }

    void startsNotConnected()
    {
        QCOMPARE(window->connection().state(), 0.0f);
        verifyConnectedLook(false);
        QCOMPARE(server->requestCount(), 0);
        QCOMPARE(testsupport::statusPanel(*window, 1)->text(), u"Dietlens 2.12"_s);
        QVERIFY(testsupport::LV_browse(*window)->isVisibleTo(window.get()));
        QVERIFY(!testsupport::LV_browse_bookmarks(*window)->isVisibleTo(window.get()));
        QCOMPARE(testsupport::LV_browse_bookmarks(*window)->geometry(),
                 testsupport::LV_browse(*window)->geometry());
        QCOMPARE(testsupport::Pic_zoeken_bw(*window)->geometry(),
                 testsupport::Pic_zoeken(*window)->geometry());
        QCOMPARE(state->food.SearchUrl, u"http://"_s + server->hostPort() + u"/modules/swzoek.php"_s);
    }

    void controlsCarryTheirNames()
    {
        for (const char* name :
             {"txt_item", "Pic_zoeken", "Pic_zoeken_bw", "LV_browse", "LV_browse_bookmarks", "Slider",
              "Pic_plus", "Pic_min", "Pic_grafiek", "Toolbar", "StatusBar"})
            QVERIFY2(window->findChild<QWidget*>(QLatin1String(name)), name);
        for (const char* name :
             {"mnu_bestand", "mnu_export", "mnu_opties", "mnu_extra", "mnu_info", "mnuPopup"})
            QVERIFY2(testsupport::menu(*window, QLatin1String(name)), name);
        const struct
        {
            const char* name;
            QKeySequence key;
        } items[] = {{"mnu_settings", QKeySequence(u"Ctrl+S"_s)},
                     {"mnu_connect", QKeySequence(u"Ctrl+C"_s)},
                     {"mnu_opslaan", {}},
                     {"mnu_exit", QKeySequence(u"Ctrl+X"_s)},
                     {"mnu_toevoegen", QKeySequence(u"Ctrl+N"_s)},
                     {"mnu_addlijst", QKeySequence(u"Ctrl+B"_s)},
                     {"mnu_del", QKeySequence(Qt::Key_Delete)},
                     {"mnu_reset_taal", {}},
                     {"mnu_index", QKeySequence(Qt::Key_F1)},
                     {"mnu_informatie", {}},
                     {"mnu_website", {}},
                     {"mnu_mvfoodinfo", {}},
                     {"mnuShow", {}}};
        for (const auto& item : items) {
            QAction* a = action(item.name);
            QVERIFY2(a, item.name);
            QCOMPARE(a->shortcut(), item.key);
        }
        for (int position : {1, 4, 7, 10})
            QVERIFY(testsupport::toolbarButton(*window, position)->isSeparator());
        QCOMPARE(WithoutMnemonic(testsupport::menu(*window, u"mnu_bestand"_s)->title()), u"File"_s);
        QCOMPARE(testsupport::menu(*window, u"mnuPopup"_s)->actions().first()->text(), u"Show"_s);
    }

    // The version gate itself is tested on the connection; here the window
    // takes the look of the outcome and gives the cursor back.
    void checkinResultSetsTheLook_data()
    {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<bool>("connected");
        QTest::newRow("same version") << ScriptedHttpServer::text("2.12") << false << true;
        QTest::newRow("letters") << ScriptedHttpServer::text("abc") << false << false;
        QTest::newRow("refused") << Reply() << true << false;
    }
    void checkinResultSetsTheLook()
    {
        QFETCH(Reply, reply);
        QFETCH(bool, refuse);
        QFETCH(bool, connected);
        if (refuse)
            state->hosts.checkin = ScriptedHttpServer::refusingHostPort();
        connectWith(reply);
        QCOMPARE(messenger->shown.isEmpty(), connected);
        QCOMPARE(window->connection().state(), connected ? 1.0f : 0.0f);
        verifyConnectedLook(connected);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void waitingShowsConnectingAndLocksCommands()
    {
        Reply slow = ScriptedHttpServer::text("2.12");
        slow.delayMs = 300;
        server->setReply(kCheckinPath, slow);
        QString box, panel;
        bool connectEnabled = true, settingsEnabled = true, cursor = false;
        QTimer::singleShot(100, this, [&] {
            box = testsupport::txt_item(*window)->text();
            panel = testsupport::statusPanel(*window, 2)->text();
            connectEnabled = action("mnu_connect")->isEnabled();
            settingsEnabled = testsupport::toolbarButton(*window, 3)->isEnabled();
            cursor =
                QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            window->mnu_connect_Click(); // a second connect during the wait does nothing
        });
        window->mnu_connect_Click();
        QCOMPARE(box, F(1, 75));
        QCOMPARE(panel, F(1, 75));
        QVERIFY(!connectEnabled);
        QVERIFY(!settingsEnabled);
        QVERIFY(cursor);
        QCOMPARE(server->requestCount(), 1);
        QVERIFY(action("mnu_connect")->isEnabled());
        QVERIFY(testsupport::toolbarButton(*window, 3)->isEnabled());
        verifyConnectedLook(true);
    }

    void disconnectAndConnectAgain()
    {
        connectOk();
        testsupport::txt_item(*window)->setText(u"apple"_s);
        window->mnu_connect_Click();
        QCOMPARE(window->connection().state(), 0.0f);
        verifyConnectedLook(false);
        QCOMPARE(server->requestCount(), 0); // disconnecting sends nothing
        window->Toolbar_ButtonClick(2);
        QCOMPARE(window->connection().state(), 1.0f);
        QCOMPARE(server->requestCount(), 1);
        QVERIFY(server->lastTarget().startsWith(kCheckinPath));
    }

    void disconnectClearsTheListButKeepsRecords()
    {
        connectOk();
        server->setReply(kSearchPath, ScriptedHttpServer::text("Apple\xBD"
                                                               "1\xBD"
                                                               "2\xBD"
                                                               "3\xBD"
                                                               "4\xBD"
                                                               "5\xBD"
                                                               "6\xBD"
                                                               "7\xBD"
                                                               "8\xBDj\xBD\xBC"));
        testsupport::txt_item(*window)->setText(u"apple"_s);
        window->Pic_zoeken_Click();
        QCOMPARE(testsupport::rowCount(testsupport::LV_browse(*window)), 1);
        window->mnu_connect_Click();
        QCOMPARE(testsupport::rowCount(testsupport::LV_browse(*window)), 0);
        QCOMPARE(testsupport::LV_browse(*window)->model()->columnCount(), 0);
        QCOMPARE(window->display().results().size(), 1);
    }

    void otherConnectionStateChangesNothing()
    {
        const QString title = window->windowTitle();
        window->connection().setState(0.5f);
        window->ApplyConnectionState();
        QCOMPARE(window->windowTitle(), title);
        window->mnu_connect_Click();
        QCOMPARE(server->requestCount(), 0);
    }

    // Return in the search box runs the search command with its checks.
    void shortSearchIsRefused()
    {
        connectOk();
        testsupport::txt_item(*window)->setText(u"ap"_s);
        QTest::keyClick(testsupport::txt_item(*window), Qt::Key_Return);
        QCOMPARE(messenger->titles(), QStringList{u"Error #112"_s});
        QCOMPARE(server->requestCount(), 0);
    }

    void searchListsRecords()
    {
        connectOk();
        server->setReply(kSearchPath, ScriptedHttpServer::text("Appel\xBD"
                                                               "7\xBD"
                                                               "218\xBD"
                                                               "52\xBD"
                                                               "0.2\xBD"
                                                               "0.1\xBD"
                                                               "11.4\xBD"
                                                               "0.3\xBD"
                                                               "0.001\xBDj\xBD\xBC"
                                                               "Appelmoes\xBD"
                                                               "8\xBD"
                                                               "300\xBD"
                                                               "70\xBD"
                                                               "0\xBD"
                                                               "0\xBD"
                                                               "17\xBD"
                                                               "0.2\xBD"
                                                               "0\xBDn\xBD\xBC"));
        testsupport::txt_item(*window)->setText(u"appel & peer"_s);
        QTest::keyClick(testsupport::txt_item(*window), Qt::Key_Enter);
        QVERIFY(messenger->shown.isEmpty());
        QCOMPARE(server->lastTarget(), kSearchPath + "?item=appel%20%26%20peer");
        QTreeView* list = testsupport::LV_browse(*window);
        QCOMPARE(testsupport::rowCount(list), 2);
        QCOMPARE(list->model()->columnCount(), 3);
        QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), u"ID"_s);
        QCOMPARE(list->model()->headerData(2, Qt::Horizontal).toString(), u"NM"_s);
        QCOMPARE(testsupport::cellText(list, 0, 2), u"Appel"_s);
        QCOMPARE(testsupport::cellText(list, 1, 2), u"Appelmoes"_s);
        QCOMPARE(testsupport::cellText(list, 0, 0), QString());
        QCOMPARE(testsupport::rowIcon(list, 0).cacheKey(), window->display().checkedIcon().cacheKey());
        QCOMPARE(testsupport::rowIcon(list, 1).cacheKey(), window->display().uncheckedIcon().cacheKey());
        QCOMPARE(testsupport::statusPanel(*window, 2)->text(),
                 u"There are (2) results for 'appel & peer'."_s);
        QCOMPARE(window->display().results().size(), 2);
        QVERIFY(testsupport::txt_item(*window)->isEnabled());
        QVERIFY(testsupport::Pic_zoeken(*window)->isVisibleTo(window.get()));
        QCOMPARE(state->settings.SearchCount, u"5"_s);
    }

    void searchReplyShapes_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<bool>>("hasIcon");
        QTest::newRow("last record without terminator is dropped")
            << QByteArray("A\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBDj\xBD\xBC"
                          "B\xBD"
                          "1\xBD")
            << QStringList{u"A"_s} << QList<bool>{true};
        QTest::newRow("short record and odd status get no icon")
            << QByteArray("A\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBDj\xBD\xBC"
                          "B\xBD"
                          "1\xBD\xBC"
                          "C\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBD"
                          "1\xBDx\xBD\xBC")
            << QStringList{u"A"_s, u"B"_s, u"C"_s} << QList<bool>{true, false, false};
        QTest::newRow("empty records give empty rows")
            << QByteArray("\xBC\xBC") << QStringList{QString(), QString()} << QList<bool>{false, false};
    }
    void searchReplyShapes()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, names);
        QFETCH(QList<bool>, hasIcon);
        connectOk();
        server->setReply(kSearchPath, ScriptedHttpServer::text(body));
        testsupport::txt_item(*window)->setText(u"abc"_s);
        window->Pic_zoeken_Click();
        QCOMPARE(testsupport::rowCount(testsupport::LV_browse(*window)), names.size());
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(testsupport::cellText(testsupport::LV_browse(*window), i, 2), names.at(i));
            QCOMPARE(!testsupport::rowIcon(testsupport::LV_browse(*window), i).isNull(), hasIcon.at(i));
        }
    }

    void noResultsLeaveAnEmptyList()
    {
        connectOk();
        server->setReply(kSearchPath, ScriptedHttpServer::htmlPage(404));
        testsupport::txt_item(*window)->setText(u"zzz"_s);
        window->Pic_zoeken_Click();
        QCOMPARE(messenger->titles(), QStringList{u"Dietlens"_s});
        QCOMPARE(testsupport::statusPanel(*window, 2)->text(), F(7, 17));
        QCOMPARE(testsupport::rowCount(testsupport::LV_browse(*window)), 0);
    }

    void failedSearchGivesTheSearchBoxBack()
    {
        connectOk();
        state->food.SearchUrl =
            u"http://"_s + ScriptedHttpServer::refusingHostPort() + u"/modules/swzoek.php"_s;
        testsupport::txt_item(*window)->setText(u"apple"_s);
        window->Pic_zoeken_Click();
        QCOMPARE(messenger->titles(), (QStringList{u"Error #102"_s, u"Dietlens"_s}));
        QVERIFY(testsupport::txt_item(*window)->isEnabled());
        QVERIFY(testsupport::Pic_zoeken(*window)->isVisibleTo(window.get()));
        QVERIFY(!testsupport::Pic_zoeken_bw(*window)->isVisibleTo(window.get()));
    }

    void searchInBookmarkListIsRefused()
    {
        connectOk();
        window->display().setViewListMode(ViewListMode::Bookmarks);
        testsupport::txt_item(*window)->setText(u"apple"_s);
        QTest::keyClick(testsupport::txt_item(*window), Qt::Key_Return);
        QCOMPARE(messenger->shown.size(), 1);
        QCOMPARE(messenger->shown.first().icon, MessageIcon::Exclamation);
        QCOMPARE(server->requestCount(), 0);
    }

    void dutchRelabelsMenusAndTooltips()
    {
        CreateDutchLanguage(state->lang, state->hosts);
        window->Set_Taal();
        QVERIFY(F(1, 0) != u"File"_s);
        QCOMPARE(WithoutMnemonic(testsupport::menu(*window, u"mnu_bestand"_s)->title()), F(1, 0));
        QCOMPARE(WithoutMnemonic(testsupport::menu(*window, u"mnu_extra"_s)->title()), F(1, 67));
        QCOMPARE(action("mnu_settings")->text(), F(1, 1));
        QCOMPARE(action("mnu_index")->text(), F(1, 71));
        QCOMPARE(action("mnuShow")->text(), F(1, 14));
        const int tips[][2] = {{2, 16}, {3, 17}, {5, 18}, {6, 19}, {8, 20}, {9, 21}, {11, 22}};
        for (const auto& t : tips) {
            QAction* button = testsupport::toolbarButton(*window, t[0]);
            QCOMPARE(button->toolTip(), ToolTipWithShortcut(F(1, t[1]), button->shortcut()));
            // What a screen reader reads follows the language too, without the shortcut.
            QCOMPARE(testsupport::Toolbar(*window)->widgetForAction(button)->accessibleName(), F(1, t[1]));
        }
        QCOMPARE(testsupport::LV_browse_bookmarks(*window)->accessibleName(), F(1, 19));
        QCOMPARE(testsupport::Pic_zoeken(*window)->toolTip(), F(1, 23));
        QCOMPARE(testsupport::Pic_zoeken_bw(*window)->toolTip(), F(1, 24));
        QCOMPARE(testsupport::txt_item(*window)->toolTip(), F(1, 25));
        QCOMPARE(testsupport::Pic_plus(*window)->toolTip(), F(1, 26));
        QCOMPARE(testsupport::Pic_min(*window)->toolTip(), F(1, 27));
    }

    void emptySlotsGiveEmptyCaptions()
    {
        state->lang.clearTable(1);
        window->Set_Taal();
        QCOMPARE(testsupport::menu(*window, u"mnu_bestand"_s)->title(), QString());
        QCOMPARE(action("mnu_exit")->text(), QString());
    }

    void shortcutsWorkFromTheSearchBox()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        testsupport::LV_browse(*window)->setFocus();
        server->setReply(kCheckinPath, ScriptedHttpServer::text("2.12"));
        QTest::keyClick(testsupport::LV_browse(*window), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(window->connection().state(), 1.0f);
        QCOMPARE(QApplication::focusWidget(), testsupport::txt_item(*window)); // focus goes to the search box
        testsupport::txt_item(*window)->setText(u"apple"_s);
        testsupport::txt_item(*window)->selectAll();
        QTest::keyClick(testsupport::txt_item(*window), Qt::Key_C,
                        Qt::ControlModifier); // disconnects, does not copy
        QCOMPARE(window->connection().state(), 0.0f);
        QVERIFY(!ended);
        window->Toolbar_ButtonClick(2);
        testsupport::txt_item(*window)->setText(u"apple"_s);
        QTest::keyClick(testsupport::txt_item(*window), Qt::Key_X, Qt::ControlModifier);
        QVERIFY(ended);
        QVERIFY(!window->isVisible());
    }

    void keyboardReachesTheResults()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        connectOk();
        server->setReply(kSearchPath, ScriptedHttpServer::text("A\xBD\xBC"
                                                               "B\xBD\xBC"));
        QTest::keyClicks(testsupport::txt_item(*window), u"abc"_s);
        QTest::keyClick(testsupport::txt_item(*window), Qt::Key_Return);
        QCOMPARE(testsupport::rowCount(testsupport::LV_browse(*window)), 2);
        QWidget* next = testsupport::txt_item(*window)->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        QCOMPARE(next, testsupport::LV_browse(*window)); // Tab leads from the search box to the results
        QCOMPARE(QApplication::focusWidget(),
                 testsupport::txt_item(*window)); // the search gave the focus back
        QTest::keyClick(testsupport::txt_item(*window), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), testsupport::LV_browse(*window));
        QTest::keyClick(testsupport::LV_browse(*window), Qt::Key_Down);
        QTest::keyClick(testsupport::LV_browse(*window), Qt::Key_Down);
        QCOMPARE(testsupport::currentRow(testsupport::LV_browse(*window)), 1);

        // Down from the search box enters the list; with no row chosen yet it
        // chooses the first one, otherwise it keeps the chosen row.
        testsupport::txt_item(*window)->setFocus();
        QTest::keyClick(testsupport::txt_item(*window), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), testsupport::LV_browse(*window));
        QCOMPARE(testsupport::currentRow(testsupport::LV_browse(*window)), 1);
        testsupport::setCurrentRow(testsupport::LV_browse(*window), -1);
        testsupport::txt_item(*window)->setFocus();
        QTest::keyClick(testsupport::txt_item(*window), Qt::Key_Down);
        QCOMPARE(testsupport::currentRow(testsupport::LV_browse(*window)), 0);
        QVERIFY(testsupport::LV_browse(*window)->selectionModel()->isRowSelected(0));
    }

    void helpOpensTheFileWhenItExists()
    {
        window->Toolbar_ButtonClick(11);
        QVERIFY(help.opened.isEmpty()); // a missing help file shows nothing
        QVERIFY(messenger->shown.isEmpty());
        QVERIFY(testsupport::writeAll(state->paths.ProgramFolder + u"help.chm"_s, "x"));
        window->mnu_index_Click();
        QCOMPARE(help.opened, QList<QUrl>{QUrl::fromLocalFile(state->paths.ProgramFolder + u"help.chm"_s)});
    }

    void webSiteCommandsOpenTheLanguagesAddress()
    {
        action("mnu_website")->trigger();
        action("mnu_mvfoodinfo")->trigger();
        QCOMPARE(opened, (QStringList{F(1, 58), F(1, 58)}));
        state->lang.set(1, 58, QString());
        opened.clear();
        window->mnu_website_Click();
        QVERIFY(opened.isEmpty());
        QVERIFY(messenger->shown.isEmpty());
    }

    void topmostStartKeepsThePlace()
    {
        // Start-up shows the window, placed by the window manager, before it
        // reads the settings; making it topmost afterwards must not hide it
        // even for a moment: shown again, it is placed anew somewhere else.
        state->settings.AlwaysOnTop = u"1"_s;
        window = std::make_unique<DL_Core>(*state, *messenger);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(100);
        const QPoint place = window->geometry().topLeft();
        HideCounter hides(window.get());
        window->FinishStartUp();
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(hides.count, 0);
        QTest::qWait(100);
        QCOMPARE(window->geometry().topLeft(), place);
    }

    void closeBoxKeepsTheProgramRunning()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QApplication::sendEvent(window->windowHandle(), &close); // as the window manager's close box
        QVERIFY(!close.isAccepted());
        QVERIFY(!ended);
        QVERIFY(!window->isVisible() || window->isMinimized());
        window->mnuShow_Click();
        QVERIFY(window->isVisible());
        QVERIFY(!window->isMinimized());
    }
};

QTEST_MAIN(TestDLCore)
#include "test_dl_core.moc"
