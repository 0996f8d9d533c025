// The main window's nutrition part end to end: connect, search, choose a row
// with the keyboard, bookmark it, list the bookmarks, start again.
#include "dietlens/core/appstate.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/nutritionchartview.h"
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
#include <QTreeWidget>

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
        if (QFile::exists(state.BookmarksPath))
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
        state.BookmarksPath = dir.path() + QStringLiteral("/bookmarks.dat");
        server.setReply("/modules/controle/dietlens_controle.php", ScriptedHttpServer::text("2.12"));
        server.setReply("/modules/swzoek.php", ScriptedHttpServer::text(kReply));
    }

    void bookmarkByKeyboardAndFindItAgain()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* chart = qobject_cast<NutritionChartView*>(window->Pic_grafiek);
        QVERIFY(chart);
        QCOMPARE(chart->chart().bars[0].body.width, 540.0f);

        window->mnu_connect_Click();
        QCOMPARE(state.ConnectionState, 1.0f);
        window->txt_item->setText(QStringLiteral("rice"));
        window->Pic_zoeken_Click();
        QCOMPARE(window->LV_browse->topLevelItemCount(), 2);

        // Into the list with Tab, then down to the second row.
        window->activateWindow();
        window->txt_item->setFocus();
        QTest::keyClick(window->txt_item, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->LV_browse);
        QTest::keyClick(window->LV_browse, Qt::Key_Down);
        QTest::keyClick(window->LV_browse, Qt::Key_Down);
        QCOMPARE(window->LV_browse->currentIndex().row(), 1);
        QCOMPARE(window->statusPanel(2)->text(), QStringLiteral("Rice, brown (100 Gram)"));
        QCOMPARE(chart->chart().bars[0].labelText, QStringLiteral("470 Kj "));

        window->Slider->setValue(150);
        QVERIFY(window->menuAction(QStringLiteral("mnu_addlijst"))->isEnabled());
        QTest::keyClick(window->LV_browse, Qt::Key_B, Qt::ControlModifier);
        const QString record = QStringLiteral(
            "Rice, brown½Default½150½705½168½3.9½0.75½0.3½34.5½0.0075½0½Exported with Dietlens½");
        QCOMPARE(state.data.lst_fooditems, QStringList{record});
        QCOMPARE(testsupport::readAll(state.BookmarksPath), *BookmarksFileBytes({record}));
        QCOMPARE(messenger.shown.last().text, QStringLiteral("'Rice, brown' is added to the bookmark list."));
        QCOMPARE(messenger.shown.last().icon, MessageIcon::NoIcon);

        window->toolbarButton(6)->trigger();
        QVERIFY(window->LV_browse_bookmarks->isVisible());
        QVERIFY(window->toolbarButton(6)->isChecked());
        QVERIFY(!window->toolbarButton(5)->isChecked());
        QCOMPARE(window->LV_browse_bookmarks->topLevelItem(0)->text(2),
                 QStringLiteral("Rice, brown (150 Gram)"));

        // A second start lists it again.
        window.reset();
        state.data = DataBuffers();
        state.ConnectionState = 0;
        auto second = makeWindow();
        QCOMPARE(state.data.lst_fooditems, QStringList{record});
        second->mnu_connect_Click();
        second->toolbarButton(6)->trigger();
        QCOMPARE(second->LV_browse_bookmarks->topLevelItemCount(), 1);
        const QRect rect =
            second->LV_browse_bookmarks->visualItemRect(second->LV_browse_bookmarks->topLevelItem(0));
        QTest::mouseClick(second->LV_browse_bookmarks->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(second->Slider->value(), 150);
        chart = qobject_cast<NutritionChartView*>(second->Pic_grafiek);
        QCOMPARE(chart->chart().bars[0].labelText, QStringLiteral("705 Kj "));
        QCOMPARE(chart->chart().bars[0].body.width, 470.0f);

        // Del removes it; the file then holds an empty list.
        QTest::keyClick(second->LV_browse_bookmarks, Qt::Key_Delete);
        QCOMPARE(second->LV_browse_bookmarks->topLevelItemCount(), 0);
        QCOMPARE(testsupport::readAll(state.BookmarksPath), QByteArray("\x01\0\0\0\0\0", 6));
    }
};

QTEST_MAIN(TestDLCoreBookmarks)
#include "test_dl_core_bookmarks.moc"
