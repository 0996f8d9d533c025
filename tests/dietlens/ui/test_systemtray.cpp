#include "dietlens/ui/systemtray.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>

class TestSystemTray : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closeRestoreCloseAgain()
    {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Dietlens (not connected)"));
        window.resize(300, 200);
        window.move(140, 90);
        window.show();
        QMenu popup;
        SystemTray tray(&window, &popup, [] { return true; });
        QCOMPARE(tray.icon()->contextMenu(), &popup);
        QVERIFY(!tray.icon()->isVisible());

        const QPoint before = window.pos();
        QVERIFY(tray.SendToTray());
        QVERIFY(tray.icon()->isVisible());
        QVERIFY(!window.isVisible());
        QCOMPARE(tray.icon()->toolTip(), QStringLiteral("Dietlens (not connected)"));
        QCOMPARE(tray.savedPosition(), before);

        // A double click: the click restores, the double click that follows does nothing.
        Q_EMIT tray.icon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!tray.icon()->isVisible());
        QVERIFY(window.isVisible());
        QCOMPARE(window.pos(), before);
        Q_EMIT tray.icon()->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isVisible());
        QVERIFY(!tray.isInTray());

        // Each closing takes the caption of that moment; one icon at most.
        window.setWindowTitle(QStringLiteral("Dietlens (connected)"));
        QVERIFY(tray.SendToTray());
        QCOMPARE(tray.icon()->toolTip(), QStringLiteral("Dietlens (connected)"));
        QCOMPARE(
            window.findChildren<QSystemTrayIcon*>().size() + tray.findChildren<QSystemTrayIcon*>().size(), 1);
        tray.ShowFromTray(); // the menu's "Show"
        QVERIFY(window.isVisible());
        QVERIFY(!tray.icon()->isVisible());
    }

    void rightClickOnlyOpensMenu()
    {
        QWidget window;
        window.show();
        SystemTray tray(&window, nullptr, [] { return true; });
        tray.SendToTray();
        Q_EMIT tray.icon()->activated(QSystemTrayIcon::Context);
        Q_EMIT tray.icon()->activated(QSystemTrayIcon::MiddleClick);
        QVERIFY(!window.isVisible());
        QVERIFY(tray.isInTray());
    }

    void withoutTrayTheWindowIsMinimised()
    {
        QWidget window;
        window.show();
        SystemTray tray(&window, nullptr, [] { return false; });
        QVERIFY(!tray.SendToTray());
        QVERIFY(!tray.icon()->isVisible());
        QVERIFY(!tray.isInTray());
        QVERIFY(window.isMinimized());
    }
};

QTEST_MAIN(TestSystemTray)
#include "test_systemtray.moc"
