#include "dietlens/core/appstate.h"
#include "dietlens/core/program.h"
#include "dietlens/net/request.h"
#include "dietlens/ui/dl_add.h"
#include "tests/dietlens/ui/dialogtestutil.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/scriptedmessenger.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

using namespace dialogtest;

namespace {

// A window whose check cannot finish.
class FailingCheckAdd : public DL_Add
{
public:
    using DL_Add::DL_Add;

protected:
    int firstBrokenRule() const override { throw std::runtime_error("check failed"); }
};

} // namespace

class TestDlAdd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppState m_state;
    ScriptedMessenger m_messenger;
    QList<QByteArray> m_sent;
    std::optional<QString> m_reply;

    DL_Add::FetchFunction fetcher()
    {
        return [this](const QByteArray& url) {
            m_sent.append(url);
            return m_reply;
        };
    }
    static QLineEdit* box(const QWidget& w, const QString& name)
    {
        auto* b = w.findChild<QLineEdit*>(name);
        if (!b)
            qFatal("no box %s", qPrintable(name));
        return b;
    }
    static QLineEdit* s(const QWidget& w, int i) { return box(w, QStringLiteral("txt_s(%1)").arg(i)); }
    static QLineEdit* d(const QWidget& w, int i) { return box(w, QStringLiteral("txt_d(%1)").arg(i)); }

    // A window filled in completely: 200 g with the given values typed.
    void fillValid(DL_Add& w)
    {
        box(w, QStringLiteral("txt_algemeen(1)"))->setText(QStringLiteral("Apple pie"));
        QLineEdit* gram = box(w, QStringLiteral("txt_gram"));
        gram->clear();
        QTest::keyClicks(gram, QStringLiteral("200"));
        const char* typed[7] = {"500", "120", "3", "4.5", "6", "20", "0.3"};
        for (int i = 0; i < 7; ++i)
            QTest::keyClicks(s(w, i), QLatin1String(typed[i]));
    }

private Q_SLOTS:
    void init()
    {
        m_state = AppState();
        prepare(m_state, m_dir);
        QFile::remove(m_state.paths.SettingsPath);
        m_messenger.clear();
        m_sent.clear();
        m_reply = QStringLiteral("OK");
    }

    void loadFillsNameAndLabels()
    {
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        QCOMPARE(box(w, QStringLiteral("txt_algemeen(0)"))->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(w.windowTitle(), slot(2, 0));
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("cmd_verzenden"))->text(), slot(2, 18));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lbl_5"))->text(), slot(2, 8));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lbl_13"))->text(), slot(2, 16));
        QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void ounceUserSeesOunceBox()
    {
        m_state.settings.WeightUnit = QStringLiteral("1");
        m_state.settings.AlwaysOnTop = QString();
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        w.show();
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lbl_5"))->text(), slot(2, 32));
        QVERIFY(box(w, QStringLiteral("txt_oz"))->isVisible());
        QVERIFY(!box(w, QStringLiteral("txt_gram"))->isVisible());
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void calculatePer100Gram_data()
    {
        QTest::addColumn<QString>("grams");
        QTest::addColumn<QString>("kj");
        QTest::addColumn<QString>("sodium");
        QTest::addColumn<QString>("expectedKj");
        QTest::addColumn<QString>("expectedSodium");
        QTest::newRow("200 g") << "200"
                               << "500"
                               << "0.3"
                               << "250"
                               << "0.1500";
        QTest::newRow("100 g") << "100"
                               << "1"
                               << "1"
                               << "1"
                               << "1.0000";
        QTest::newRow("3 g rounds") << "3"
                                    << "2"
                                    << "0.001"
                                    << "67"
                                    << "0.0333";
        QTest::newRow("empty values count 0") << "50"
                                              << ""
                                              << ""
                                              << "0"
                                              << "0.0000";
    }
    void calculatePer100Gram()
    {
        QFETCH(QString, grams);
        QFETCH(QString, kj);
        QFETCH(QString, sodium);
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        QLineEdit* gram = box(w, QStringLiteral("txt_gram"));
        gram->clear();
        QTest::keyClicks(gram, grams);
        QTest::keyClicks(s(w, 0), kj);
        QTest::keyClicks(s(w, 6), sodium);
        QTEST(d(w, 0)->text(), "expectedKj");
        QTEST(d(w, 6)->text(), "expectedSodium");
        QVERIFY(m_messenger.shown.isEmpty());
    }

    void noWeightEmptiesResults_data()
    {
        QTest::addColumn<QString>("grams");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("zeros") << "000";
    }
    void noWeightEmptiesResults()
    {
        QFETCH(QString, grams);
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        QTest::keyClicks(s(w, 0), QStringLiteral("500"));
        QCOMPARE(d(w, 0)->text(), QStringLiteral("500"));
        QLineEdit* gram = box(w, QStringLiteral("txt_gram"));
        gram->selectAll();
        QTest::keyClick(gram, Qt::Key_Backspace);
        QTest::keyClicks(gram, grams);
        QCOMPARE(d(w, 0)->text(), QString());
        QTest::keyClicks(s(w, 1), QStringLiteral("7"));
        QCOMPARE(d(w, 1)->text(), QString());
        QVERIFY(m_messenger.shown.isEmpty());
    }

    void overflowShowsError501()
    {
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        s(w, 2)->setText(QStringLiteral("9").repeated(45));
        w.txt_s_KeyUp(2);
        QCOMPARE(m_messenger.titles(), QStringList{QStringLiteral("Error #501")});
        QCOMPARE(m_messenger.shown[0].text, slot(2, 19) + u'\n' + slot(2, 20));
        QCOMPARE(d(w, 0)->text(), QString());
    }

    void keyFilters_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("gram digits only") << "txt_gram"
                                          << "1,5.x-2"
                                          << "152";
        QTest::newRow("ounce comma and period") << "txt_oz"
                                                << "1,5.a"
                                                << "1,5.";
        QTest::newRow("value comma as period") << "txt_s(3)"
                                               << "1,5"
                                               << "1.5";
        QTest::newRow("value letters swallowed") << "txt_s(0)"
                                                 << "a-b 7e"
                                                 << "7";
        QTest::newRow("name takes anything") << "txt_algemeen(1)"
                                             << "A&B, 5"
                                             << "A&B, 5";
    }
    void keyFilters()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        QLineEdit* b = box(w, boxName);
        b->clear();
        QTest::keyClicks(b, typed);
        QTEST(b->text(), "shown");
        const qsizetype before = b->text().size();
        QTest::keyClick(b, Qt::Key_Backspace);
        QCOMPARE(b->text().size(), before - 1);
    }

    void textsRefuseWhatARequestCannotCarry()
    {
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        for (int i = 0; i < 3; ++i) {
            QLineEdit* b = box(w, QStringLiteral("txt_algemeen(%1)").arg(i));
            b->setText(QStringLiteral("Pierogi"));
            typeText(b, QStringLiteral("\u0141\u20AC"));
            QCOMPARE(b->text(), QStringLiteral("Pierogi"));
        }
        QCOMPARE(m_messenger.shown.size(), 3);
        QCOMPARE(m_messenger.shown[0].text, QStringLiteral("Dietlens cannot store these characters: \u0141"));
    }

    void weightBoxesKeepInStep()
    {
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        QLineEdit* gram = box(w, QStringLiteral("txt_gram"));
        QLineEdit* oz = box(w, QStringLiteral("txt_oz"));
        QLineEdit* weight = box(w, QStringLiteral("txt_sGewicht"));
        gram->clear();
        QTest::keyClicks(gram, QStringLiteral("150"));
        QCOMPARE(weight->text(), QStringLiteral("150"));
        QCOMPARE(oz->text(), QStringLiteral("5.3"));
        QCOMPARE(gram->text(), QStringLiteral("150")); // no echo back from the ounce box

        oz->clear();
        QTest::keyClicks(oz, QStringLiteral("3,5"));
        QCOMPARE(gram->text(), QStringLiteral("99"));
        QCOMPARE(weight->text(), QStringLiteral("99"));
        QCOMPARE(oz->text(), QStringLiteral("3,5"));

        oz->selectAll();
        QTest::keyClick(oz, Qt::Key_Backspace);
        QCOMPARE(gram->text(), QString());
        QCOMPARE(weight->text(), QString());
    }

    void checkRules_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("passes");
        QTest::newRow("all filled") << ""
                                    << "" << true;
        QTest::newRow("remarks may be empty") << "txt_algemeen(2)"
                                              << "" << true;
        QTest::newRow("no sender") << "txt_algemeen(0)"
                                   << "" << false;
        QTest::newRow("no item name") << "txt_algemeen(1)"
                                      << "" << false;
        QTest::newRow("no weight") << "txt_sGewicht"
                                   << "" << false;
        QTest::newRow("weight with period") << "txt_sGewicht"
                                            << "99.5" << false;
        QTest::newRow("weight with comma") << "txt_sGewicht"
                                           << "99,5" << false;
        QTest::newRow("empty result") << "txt_d(6)"
                                      << "" << false;
        QTest::newRow("ends in period") << "txt_d(2)"
                                        << "3." << false;
        QTest::newRow("starts with comma") << "txt_d(3)"
                                           << ",5" << false;
        QTest::newRow("double period") << "txt_d(4)"
                                       << "1..5" << false;
        QTest::newRow("double comma") << "txt_d(5)"
                                      << "1,,5" << false;
        QTest::newRow("comma decimal passes") << "txt_d(5)"
                                              << "1,50" << true;
    }
    void checkRules()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, value);
        QFETCH(bool, passes);
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        fillValid(w);
        if (!boxName.isEmpty())
            box(w, boxName)->setText(value);
        w.CheckFoodItem();
        QCOMPARE(w.CheckPassed, passes ? 1.0f : 0.0f);
        if (passes) {
            QVERIFY(m_messenger.shown.isEmpty());
        } else {
            QCOMPARE(m_messenger.shown.size(), 1);
            QCOMPARE(m_messenger.shown[0].title, ProgramName());
            QCOMPARE(m_messenger.shown[0].icon, MessageIcon::Critical);
            QCOMPARE(m_messenger.shown[0].text, slot(2, 21) + u'\n' + slot(2, 22));
        }
    }

    void failedCheckSendsNothing()
    {
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        fillValid(w);
        box(w, QStringLiteral("txt_algemeen(0)"))->clear();
        w.cmd_verzenden_Click();
        QVERIFY(m_sent.isEmpty());
    }

    void checkThatCannotFinishSendsNothing()
    {
        FailingCheckAdd w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger,
                          fetcher());
        fillValid(w);
        w.cmd_verzenden_Click();
        QCOMPARE(m_messenger.titles(), QStringList{QStringLiteral("Error #502")});
        QCOMPARE(w.CheckPassed, 0.0f);
        QVERIFY(m_sent.isEmpty());
    }

    void submissionUrlBytes()
    {
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        fillValid(w);
        box(w, QStringLiteral("txt_algemeen(0)"))->setText(QStringLiteral("Jo=Jo O'Neil"));
        box(w, QStringLiteral("txt_algemeen(1)"))->setText(QStringLiteral("Salt & Pepper\u00BD"));
        box(w, QStringLiteral("txt_algemeen(2)"))->setText(QStringLiteral("caf\u00E9 50%"));
        w.cmd_verzenden_Click();
        QCOMPARE(m_sent.size(), 1);
        QCOMPARE(m_sent[0], QByteArray("http://127.0.0.1:1/modules/swadd.php?naam=Salt%20%20Pepper"
                                       "&kj=250&kcal=60&vvet=1.50&ovet=2.25&kdr=10.00&ew=3.00&nat=0.1500"
                                       "&opmerking=caf%E9%2050%25&gepost=JoJo%20ONeil"));
    }

    void reply_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("OK") << "OK" << true;
        QTest::newRow("OK more") << "OK more" << true;
        QTest::newRow("lower case") << "ok" << false;
        QTest::newRow("other text") << "NOT OK" << false;
        QTest::newRow("empty") << "" << false;
    }
    void reply()
    {
        QFETCH(QString, body);
        QFETCH(bool, accepted);
        m_state.settings.AddedCount = QStringLiteral("4");
        m_reply = body;
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        w.show();
        fillValid(w);
        w.cmd_verzenden_Click();
        QCOMPARE(m_sent.size(), 1);
        if (accepted) {
            QCOMPARE(m_state.settings.AddedCount, QStringLiteral("5"));
            QCOMPARE(storedSettings(m_state).AddedCount, QStringLiteral("5"));
            QCOMPARE(m_messenger.shown.size(), 1);
            QCOMPARE(m_messenger.shown[0].icon, MessageIcon::Information);
            QCOMPARE(m_messenger.shown[0].text,
                     slot(2, 26) + u'\n' + slot(2, 27) + u'\n' + slot(2, 28) + u'\n' + u'\n' + slot(2, 29));
            QVERIFY(!w.isVisible());
            QCOMPARE(w.result(), int(QDialog::Accepted));
        } else {
            QCOMPARE(m_state.settings.AddedCount, QStringLiteral("4"));
            QVERIFY(!QFile::exists(m_state.paths.SettingsPath));
            QVERIFY(m_messenger.shown.isEmpty());
            QVERIFY(w.isVisible());
        }
    }

    void transferFailureClosesWith504()
    {
        m_reply.reset();
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        w.show();
        fillValid(w);
        w.cmd_verzenden_Click();
        QCOMPARE(m_messenger.titles(), QStringList{QStringLiteral("Error #504")});
        QCOMPARE(m_messenger.shown[0].text, slot(2, 30) + u'\n' + slot(2, 31));
        QVERIFY(!w.isVisible());
        QCOMPARE(m_state.settings.AddedCount, QStringLiteral("0"));
    }

    void unusableAddressShows503()
    {
        m_state.food.SubmitUrl.clear();
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, fetcher());
        fillValid(w);
        w.cmd_verzenden_Click();
        QCOMPARE(m_messenger.titles(), QStringList{QStringLiteral("Error #503")});
        QVERIFY(m_sent.isEmpty());
    }

    void submitsThroughTheRequestCycle()
    {
        testsupport::ScriptedHttpServer server;
        QVERIFY(server.start());
        server.setReply("/modules/swadd.php", testsupport::ScriptedHttpServer::text("OK"));
        m_state.food.SubmitUrl = QStringLiteral("http://%1/modules/swadd.php").arg(server.hostPort());
        net::RequestCycle cycle;
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger,
                 DL_Add::fetchWith(cycle));
        w.show();
        fillValid(w);
        box(w, QStringLiteral("txt_algemeen(1)"))->setText(QStringLiteral("Fish & chips"));
        w.cmd_verzenden_Click();
        QCOMPARE(server.requestCount(), 1);
        const auto pairs = testsupport::ScriptedHttpServer::queryPairs(server.lastTarget());
        QCOMPARE(pairs.size(), 10);
        QCOMPARE(pairs[0].second, QByteArray("Fish%20%20chips"));
        QCOMPARE(pairs[5].first, QByteArray("kdr"));
        QCOMPARE(m_state.settings.AddedCount, QStringLiteral("1"));
        QVERIFY(!w.isVisible());
    }

    void refusedConnectionShows504()
    {
        m_state.food.SubmitUrl = QStringLiteral("http://%1/modules/swadd.php")
                                     .arg(testsupport::ScriptedHttpServer::refusingHostPort());
        net::RequestCycle cycle;
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger,
                 DL_Add::fetchWith(cycle));
        w.show();
        fillValid(w);
        w.cmd_verzenden_Click();
        QCOMPARE(m_messenger.titles(), QStringList{QStringLiteral("Error #504")});
        QVERIFY(!w.isVisible());
    }

    void windowCannotCloseWhileWaiting()
    {
        DL_Add* window = nullptr;
        bool buttonsLocked = false;
        bool stayedOpen = false;
        DL_Add w(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger,
                 [&](const QByteArray&) -> std::optional<QString> {
                     buttonsLocked =
                         !window->findChild<QPushButton*>(QStringLiteral("cmd_annuleer"))->isEnabled() &&
                         !window->findChild<QPushButton*>(QStringLiteral("cmd_verzenden"))->isEnabled();
                     window->close();
                     window->reject();
                     stayedOpen = window->isVisible();
                     return QStringLiteral("nope");
                 });
        window = &w;
        w.show();
        fillValid(w);
        w.cmd_verzenden_Click();
        QVERIFY(buttonsLocked);
        QVERIFY(stayedOpen);
        QVERIFY(w.findChild<QPushButton*>(QStringLiteral("cmd_verzenden"))->isEnabled());
        w.cmd_annuleer_Click();
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestDlAdd)
#include "test_dl_add.moc"
