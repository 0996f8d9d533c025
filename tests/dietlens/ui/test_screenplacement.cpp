// Dialogs open fully on the screen that holds their owner, wherever the owner stands.
#include "dietlens/core/appstate.h"
#include "dietlens/ui/dl_informatie.h"
#include "tests/dietlens/ui/dialogtestutil.h"
#include "widgets/screenplacement.h"

#include <QScreen>
#include <QTest>
#include <QWidget>

class TestScreenPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dialogsStayOnTheScreen_data()
    {
        QTest::addColumn<QPoint>("ownerAt");
        QTest::newRow("owner at the top") << QPoint(0, 0);
        QTest::newRow("owner at the bottom right") << QPoint(600, 520);
        QTest::newRow("owner partly off the screen") << QPoint(-200, -50);
    }
    void dialogsStayOnTheScreen()
    {
        QFETCH(QPoint, ownerAt);
        QTemporaryDir dir;
        AppState state;
        dialogtest::prepare(state, dir);
        QWidget owner;
        owner.resize(300, 120); // lower than the information window
        owner.move(ownerAt);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        const QRect area = owner.screen()->availableGeometry();

        DL_Informatie dialog(state.settings, state.lang, &owner);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(500); // the check once the frame is known
        QVERIFY(dialog.height() > owner.height());
        QVERIFY2(area.contains(dialog.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(dialog.x())
                                .arg(dialog.y())
                                .arg(dialog.frameGeometry().width())
                                .arg(dialog.frameGeometry().height())));
    }

    void aFrameLargerThanTheAreaKeepsItsTitleBarInside()
    {
        const QRect area(0, 30, 800, 570);
        QCOMPARE(FitInto(area, QPoint(100, -300), QSize(400, 900)), QPoint(100, 30));
        QCOMPARE(FitInto(area, QPoint(700, 500), QSize(200, 200)), QPoint(600, 400));
    }
};

QTEST_MAIN(TestScreenPlacement)
#include "test_screenplacement.moc"
