// The main window's nutrition part end to end: connect, search, choose a row
// with the keyboard, bookmark it, list the bookmarks, start again.
#include "dietlens/core/appstate.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/display/bookmarksfile.h"
#include "dietlens/net/connection.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/nutritiondisplay.h"
#include "tests/support/mainwindowcontrols.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/setupuser.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

using testsupport::ScriptedHttpServer;

namespace {

const QByteArray kReply = "Rice, white, boiled\xBD"
                          "1\xBD"
                          "200\xBD"
                          "48\xBD"
                          "0.6\xBD"
                          "0.2\xBD"
                          "28\xBD"
                          "2.7\xBD"
                          "0.001\xBD"
                          "j\xBD\xBC"
                          "Rice, brown\xBD"
                          "2\xBD"
                          "470\xBD"
                          "112\xBD"
                          "0.5\xBD"
                          "0.2\xBD"
                          "23\xBD"
                          "2.6\xBD"
                          "0.005\xBD"
                          "j\xBD\xBC";

} // namespace

class TestDLCoreBookmarks : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    ScriptedHttpServer server;
    AppState state;
    ScriptedMessenger messenger;

    std::unique_ptr<DL_Core> makeWindow()
    {
        auto window = std::make_unique<DL_Core>(state, messenger);
        window->setMachineFacts({QStringLiteral("6-2400-142"), QStringLiteral("pc"), QStringLiteral("jan"),
                                 QStringLiteral("6.01"), QString()});
        if (QFile::exists(state.paths.BookmarksPath))
            window->LoadBookmarks();
        window->FinishStartUp();
        window->show();
        return window;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(server.start());
        testsupport::prepareSetUpUser(state, dir.path(), server.hostPort(),
                                      ScriptedHttpServer::refusingHostPort());
        state.paths.BookmarksPath = dir.path() + QStringLiteral("/bookmarks.dat");
        server.setReply(testsupport::kCheckinPath, ScriptedHttpServer::text("2.12"));
        server.setReply("/modules/swzoek.php", ScriptedHttpServer::text(kReply));
    }

    void bookmarkByKeyboardAndFindItAgain()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* chart = qobject_cast<NutritionChartView*>(testsupport::Pic_grafiek(*window));
        QVERIFY(chart);
        QCOMPARE(chart->chart().bars[0].body.width, 540.0f);

        window->mnu_connect_Click();
        QCOMPARE(window->connection().state(), 1.0f);
        testsupport::txt_item(*window)->setText(QStringLiteral("rice"));
        window->Pic_zoeken_Click();
        QCOMPARE(testsupport::rowCount(testsupport::LV_browse(*window)), 2);

        // Into the list with Tab, then down to the second row.
        window->activateWindow();
        testsupport::txt_item(*window)->setFocus();
        QTest::keyClick(testsupport::txt_item(*window), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), testsupport::LV_browse(*window));
        QTest::keyClick(testsupport::LV_browse(*window), Qt::Key_Down);
        QTest::keyClick(testsupport::LV_browse(*window), Qt::Key_Down);
        QCOMPARE(testsupport::LV_browse(*window)->currentIndex().row(), 1);
        QCOMPARE(testsupport::statusPanel(*window, 2)->text(), QStringLiteral("Rice, brown (100 Gram)"));
        QCOMPARE(chart->chart().bars[0].labelText, QStringLiteral("470 Kj "));

        testsupport::Slider(*window)->setValue(150);
        QVERIFY(testsupport::menuAction(*window, QStringLiteral("mnu_addlijst"))->isEnabled());
        QTest::keyClick(testsupport::LV_browse(*window), Qt::Key_B, Qt::ControlModifier);
        const QString record = QStringLiteral(
            "Rice, brown½Default½150½705½168½3.9½0.75½0.3½34.5½0.0075½0½Exported with Dietlens½");
        QCOMPARE(window->bookmarks().records(), QStringList{record});
        QCOMPARE(testsupport::readAll(state.paths.BookmarksPath), *BookmarksFileBytes({record}));
        QCOMPARE(messenger.shown.last().text, QStringLiteral("'Rice, brown' is added to the bookmark list."));
        QCOMPARE(messenger.shown.last().icon, MessageIcon::NoIcon);

        testsupport::toolbarButton(*window, 6)->trigger();
        QVERIFY(testsupport::LV_browse_bookmarks(*window)->isVisible());
        QVERIFY(testsupport::toolbarButton(*window, 6)->isChecked());
        QVERIFY(!testsupport::toolbarButton(*window, 5)->isChecked());
        QCOMPARE(testsupport::cellText(testsupport::LV_browse_bookmarks(*window), 0, 2),
                 QStringLiteral("Rice, brown (150 Gram)"));

        // A second start lists it again.
        window.reset();
        auto second = makeWindow();
        QCOMPARE(second->bookmarks().records(), QStringList{record});
        second->mnu_connect_Click();
        testsupport::toolbarButton(*second, 6)->trigger();
        QCOMPARE(testsupport::rowCount(testsupport::LV_browse_bookmarks(*second)), 1);
        QTreeView* bookmarks = testsupport::LV_browse_bookmarks(*second);
        const QRect rect = testsupport::rowRect(bookmarks, 0);
        QTest::mouseClick(bookmarks->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(testsupport::Slider(*second)->value(), 150);
        chart = qobject_cast<NutritionChartView*>(testsupport::Pic_grafiek(*second));
        QCOMPARE(chart->chart().bars[0].labelText, QStringLiteral("705 Kj "));
        QCOMPARE(chart->chart().bars[0].body.width, 470.0f);

        // Del removes it; the file then holds an empty list.
        QTest::keyClick(testsupport::LV_browse_bookmarks(*second), Qt::Key_Delete);
        QCOMPARE(testsupport::rowCount(testsupport::LV_browse_bookmarks(*second)), 0);
        QCOMPARE(testsupport::readAll(state.paths.BookmarksPath), QByteArray("\x01\0\0\0\0\0", 6));
    }
};

QTEST_MAIN(TestDLCoreBookmarks)
#include "test_dl_core_bookmarks.moc"
