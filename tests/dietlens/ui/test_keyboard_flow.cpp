// The main window by keyboard alone, as a user without a mouse works it: every
// key goes to the control that has the focus (or the open menu), nothing is
// clicked and no handler is called directly.
#include "dietlens/core/appstate.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/net/connection.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/nutritionchartview.h"
#include "lang/messenger.h"
#include "tests/support/mainwindowcontrols.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/setupuser.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

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

// A key as the user presses it: to the open menu, else to the focused control.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    QVERIFY2(target, "nothing has the keyboard");
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

void type(const QString& text)
{
    QVERIFY(QApplication::focusWidget());
    QTest::keyClicks(QApplication::focusWidget(), text);
}

} // namespace

class TestKeyboardFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void connectSearchBookmarkExportRemoveAndSet()
    {
        QTemporaryDir dir;
        ScriptedHttpServer server;
        QVERIFY(server.start());
        AppState state;
        testsupport::prepareSetUpUser(state, dir.path(), server.hostPort(),
                                      ScriptedHttpServer::refusingHostPort());
        state.paths.BookmarksPath = dir.filePath(QStringLiteral("bookmarks.dat"));
        server.setReply(testsupport::kCheckinPath, ScriptedHttpServer::text("2.12"));
        server.setReply("/modules/swzoek.php", ScriptedHttpServer::text(kReply));
        ScriptedMessenger messenger;
        DL_Core window(state, messenger);
        window.FinishStartUp();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto* chart = static_cast<NutritionChartView*>(testsupport::Pic_grafiek(window));

        press(Qt::Key_C, Qt::ControlModifier); // connect
        QCOMPARE(window.connection().state(), 1.0f);
        for (int tabs = 0; QApplication::focusWidget() != testsupport::txt_item(window) && tabs < 30; ++tabs)
            press(Qt::Key_Tab); // Tab reaches the search box from wherever the keyboard is
        QCOMPARE(QApplication::focusWidget(), testsupport::txt_item(window));
        type(QStringLiteral("rice"));
        press(Qt::Key_Return);
        QCOMPARE(testsupport::rowCount(testsupport::LV_browse(window)), 2);

        // Down from the search box chooses and draws the first result.
        press(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), testsupport::LV_browse(window));
        QCOMPARE(testsupport::statusPanel(window, 2)->text(),
                 QStringLiteral("Rice, white, boiled (100 Gram)"));
        QCOMPARE(chart->chart().bars[0].labelText, QStringLiteral("200 Kj "));
        press(Qt::Key_Down);
        QCOMPARE(chart->chart().bars[0].labelText, QStringLiteral("470 Kj "));

        press(Qt::Key_B, Qt::ControlModifier); // bookmark it
        QCOMPARE(window.bookmarks().records().size(), 1);

        press(Qt::Key_2, Qt::ControlModifier); // the bookmark list, with the keyboard in it
        QVERIFY(testsupport::LV_browse_bookmarks(window)->isVisible());
        QCOMPARE(QApplication::focusWidget(), testsupport::LV_browse_bookmarks(window));
        press(Qt::Key_Space); // its first row
        QCOMPARE(testsupport::statusPanel(window, 2)->text(), QStringLiteral("Rice, brown (100 Gram)"));

        // Export through the menus' mnemonics: File, Export, the one item.
        const QString exported = dir.filePath(QStringLiteral("export.dat"));
        messenger.fileNames.push_back(exported);
        press(Qt::Key_F, Qt::AltModifier);
        QVERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        press(Qt::Key_E);
        press(Qt::Key_B);
        QCOMPARE(messenger.fileDialogs.size(), 1);
        QCOMPARE(testsupport::readAll(exported), testsupport::readAll(state.paths.BookmarksPath));

        press(Qt::Key_Delete); // remove the chosen bookmark
        QVERIFY(window.bookmarks().records().isEmpty());
        QCOMPARE(testsupport::rowCount(testsupport::LV_browse_bookmarks(window)), 0);

        // A setting: the last name, saved with Enter (the language list needs its file).
        QVERIFY(testsupport::writeAll(state.paths.LanguageFolder + QStringLiteral("English.lsf"), "x"));
        bool ran = false;
        window.setDialogRunner([&](QDialog& dialog) {
            // The keys come while the dialog runs modally, as the user's would.
            QTimer::singleShot(0, &dialog, [&] {
                dialog.activateWindow(); // as the window manager does with a new dialog
                QTRY_COMPARE(QApplication::activeWindow(), &dialog);
                ran = true;
                press(Qt::Key_Tab);
                press(Qt::Key_A, Qt::ControlModifier);
                type(QStringLiteral("Keys"));
                press(Qt::Key_Return);
            });
            QTimer::singleShot(5000, &dialog, &QDialog::reject); // never hang the suite
            dialog.exec();
        });
        press(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(ran);
        QCOMPARE(state.settings.LastName, QStringLiteral("Keys"));
    }
};

QTEST_MAIN(TestKeyboardFlow)
#include "test_keyboard_flow.moc"
