#include "dietlens/core/appstate.h"
#include "dietlens/ui/dl_informatie.h"
#include "dietlens/ui/notices.h"
#include "tests/dietlens/ui/dialogtestutil.h"
#include "tests/support/scriptedmessenger.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace dialogtest;

class TestSmallDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppState m_state;
    ScriptedMessenger m_messenger;

    template <typename T> static T* child(const QWidget& w, const QString& name)
    {
        auto* c = w.findChild<T*>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }

    // Which notice a data row is about: the tray notice or the connect-first one.
    std::unique_ptr<NoticeWindow> makeNotice(bool tray)
    {
        if (tray)
            return std::make_unique<DL_ToTray>(m_state.settings, m_state.paths, m_state.lang, m_messenger);
        return std::make_unique<DL_Connectmelding>(m_state.settings, m_state.paths, m_state.lang,
                                                   m_messenger);
    }
    QString& noticeSetting(Settings& s, bool tray) { return tray ? s.ShowTrayNotice : s.ShowConnectNotice; }

private Q_SLOTS:
    void init()
    {
        m_state = AppState();
        prepare(m_state, m_dir);
        QFile::remove(m_state.paths.SettingsPath);
        m_messenger.clear();
    }

    void informationTexts()
    {
        DL_Informatie w(m_state.settings, m_state.lang);
        QCOMPARE(child<QLabel>(w, QStringLiteral("lbl_1"))->text(), QStringLiteral("Dietlens 2.12"));
        QVERIFY(child<QLabel>(w, QStringLiteral("lbl_2"))->text().contains(QStringLiteral("2005-2006")));
        QCOMPARE(w.windowTitle(), slot(6, 0));
        QCOMPARE(child<QGroupBox>(w, QStringLiteral("Frame_2"))->title(), slot(6, 2));
        QCOMPARE(child<QLabel>(w, QStringLiteral("lbl_nfo_1"))->text(), slot(6, 3));
        QCOMPARE(child<QLabel>(w, QStringLiteral("lbl_nfo_7"))->text(), slot(6, 9));
        QCOMPARE(child<QLabel>(w, QStringLiteral("lbl_3"))->text(), slot(6, 10));
        QCOMPARE(child<QPushButton>(w, QStringLiteral("cmd_website"))->text(), slot(6, 14));
        QCOMPARE(child<QPushButton>(w, QStringLiteral("cmd_annuleer"))->text(), slot(6, 15));
    }

    void informationLinks()
    {
        QStringList opened;
        DL_Informatie w(m_state.settings, m_state.lang);
        connect(&w, &DL_Informatie::websiteRequested, this, [&] { opened << QStringLiteral("site"); });
        connect(&w, &DL_Informatie::menuviaSiteRequested, this, [&] { opened << QStringLiteral("diet"); });
        w.show();
        QTest::mouseClick(child<QLabel>(w, QStringLiteral("lbl_3")), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("cmd_website")), Qt::LeftButton);
        QCOMPARE(opened, (QStringList{QStringLiteral("site"), QStringLiteral("diet")}));
        QVERIFY(w.isVisible());
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("cmd_annuleer")), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void topmostRule_data()
    {
        QTest::addColumn<QString>("alwaysOnTop");
        QTest::addColumn<bool>("topmost");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
    }
    void topmostRule()
    {
        QFETCH(QString, alwaysOnTop);
        QFETCH(bool, topmost);
        m_state.settings.AlwaysOnTop = alwaysOnTop;
        DL_Informatie info(m_state.settings, m_state.lang);
        DL_ToTray tray(m_state.settings, m_state.paths, m_state.lang, m_messenger);
        DL_Connectmelding connect(m_state.settings, m_state.paths, m_state.lang, m_messenger);
        for (QWidget* w :
             {static_cast<QWidget*>(&info), static_cast<QWidget*>(&tray), static_cast<QWidget*>(&connect)})
            QCOMPARE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint), topmost);
    }

    void noticeTexts()
    {
        DL_ToTray tray(m_state.settings, m_state.paths, m_state.lang, m_messenger);
        QCOMPARE(tray.windowTitle(), slot(4, 0));
        QCOMPARE(child<QLabel>(tray, QStringLiteral("lbl_1"))->text(), slot(4, 1));
        QCOMPARE(child<QCheckBox>(tray, QStringLiteral("chk_totray"))->text(), slot(4, 2));
        QCOMPARE(child<QPushButton>(tray, QStringLiteral("cmd_opslaan"))->text(), slot(4, 3));
        DL_Connectmelding connect(m_state.settings, m_state.paths, m_state.lang, m_messenger);
        QCOMPARE(connect.windowTitle(), slot(3, 0));
        QCOMPARE(child<QLabel>(connect, QStringLiteral("lbl_2"))->text(), slot(3, 2));
        QCOMPARE(child<QCheckBox>(connect, QStringLiteral("chk_connect"))->text(), slot(3, 3));
        QCOMPARE(child<QPushButton>(connect, QStringLiteral("cmd_opslaan"))->text(), slot(3, 4));
    }

    void noticeOk_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::addColumn<bool>("uncheck");
        QTest::addColumn<QString>("stored");
        QTest::newRow("tray, cleared") << true << true << "0";
        QTest::newRow("tray, kept") << true << false << "1";
        QTest::newRow("connect, cleared") << false << true << "0";
        QTest::newRow("connect, kept") << false << false << "1";
    }
    void noticeOk()
    {
        QFETCH(bool, tray);
        QFETCH(bool, uncheck);
        QFETCH(QString, stored);
        noticeSetting(m_state.settings, tray) = QStringLiteral("1");
        auto notice = makeNotice(tray);
        notice->show();
        auto* box =
            child<QCheckBox>(*notice, tray ? QStringLiteral("chk_totray") : QStringLiteral("chk_connect"));
        QVERIFY(box->isChecked());
        if (uncheck)
            QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(*notice, QStringLiteral("cmd_opslaan")), Qt::LeftButton);
        QVERIFY(!notice->isVisible());
        QCOMPARE(noticeSetting(m_state.settings, tray), stored);
        Settings file = storedSettings(m_state);
        QCOMPARE(noticeSetting(file, tray), stored);
        QCOMPARE(noticeSetting(file, !tray), QStringLiteral("1"));
    }

    void noticeClosedOtherwiseSavesNothing_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::addColumn<bool>("escape");
        QTest::newRow("tray, frame") << true << false;
        QTest::newRow("tray, Escape") << true << true;
        QTest::newRow("connect, frame") << false << false;
        QTest::newRow("connect, Escape") << false << true;
    }
    void noticeClosedOtherwiseSavesNothing()
    {
        QFETCH(bool, tray);
        QFETCH(bool, escape);
        auto notice = makeNotice(tray);
        notice->show();
        child<QCheckBox>(*notice, tray ? QStringLiteral("chk_totray") : QStringLiteral("chk_connect"))
            ->setChecked(false);
        if (escape)
            QTest::keyClick(notice.get(), Qt::Key_Escape);
        else
            notice->close();
        QVERIFY(!notice->isVisible());
        QCOMPARE(noticeSetting(m_state.settings, tray), QStringLiteral("1"));
        QVERIFY(!QFile::exists(m_state.paths.SettingsPath));
    }
};

QTEST_MAIN(TestSmallDialogs)
#include "test_small_dialogs.moc"
