
#include "tests/support/testsupport.h"
#include "widgets/openwith.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Recorder
{
    QList<QUrl> urls;
    QStringList chooserTargets;
    QList<QStringList> started;
    bool desktopTakesIt = false;
    QString chosen;

    OpenWithLauncher launcher()
    {
        OpenWithLauncher l;
        l.openUrl = [this](const QUrl& url) {
            urls << url;
            return desktopTakesIt;
        };
        l.chooseProgram = [this](const QString& target, QWidget*) {
            chooserTargets << target;
            return chosen;
        };
        l.startProgram = [this](const QString& program, const QStringList& args) {
            started << (QStringList{program} + args);
            return true;
        };
        return l;
    }
};

} // namespace

class TestOpenWith : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theDesktopHandlerComesFirst()
    {
        Recorder r;
        r.desktopTakesIt = true;
        QVERIFY(OpenDialog(QStringLiteral("/tmp/output.txt"), r.launcher()));
        QCOMPARE(r.urls, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/tmp/output.txt"))});
        QVERIFY(r.chooserTargets.isEmpty());
        QVERIFY(r.started.isEmpty());
    }

    void withoutAHandlerTheUserChooses()
    {
        Recorder r;
        r.chosen = QStringLiteral("mousepad --new %F");
        QVERIFY(OpenDialog(QStringLiteral("/tmp/my notes.txt"), r.launcher()));
        QCOMPARE(r.chooserTargets, QStringList{QStringLiteral("/tmp/my notes.txt")});
        QCOMPARE(r.started,
                 QList<QStringList>{(QStringList{QStringLiteral("mousepad"), QStringLiteral("--new"),
                                                 QStringLiteral("/tmp/my notes.txt")})});
    }

    void cancellingTheChooserStartsNothing()
    {
        Recorder r;
        QVERIFY(!OpenDialog(QStringLiteral("http://127.0.0.1:8080/"), r.launcher()));
        QCOMPARE(r.urls, QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:8080/"))});
        QCOMPARE(r.chooserTargets, QStringList{QStringLiteral("http://127.0.0.1:8080/")});
        QVERIFY(r.started.isEmpty());
    }

    void anEmptyAddressDoesNothing()
    {
        Recorder r;
        QVERIFY(!OpenDialog(QString(), r.launcher()));
        QVERIFY(!OpenDialog(QStringLiteral("  "), r.launcher()));
        QVERIFY(r.urls.isEmpty() && r.chooserTargets.isEmpty());
    }

    void commandLines_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("expected");
        const QString t = QStringLiteral("/tmp/a b.txt");
        QTest::newRow("plain program") << QStringLiteral("gedit") << QStringList{QStringLiteral("gedit"), t};
        QTest::newRow("file code") << QStringLiteral("gedit %U") << QStringList{QStringLiteral("gedit"), t};
        QTest::newRow("code in the middle")
            << QStringLiteral("app %f --flag")
            << QStringList{QStringLiteral("app"), t, QStringLiteral("--flag")};
        QTest::newRow("other codes dropped")
            << QStringLiteral("app %i %c %u") << QStringList{QStringLiteral("app"), t};
        QTest::newRow("quoted program")
            << QStringLiteral("\"/opt/my editor/run\" -x")
            << QStringList{QStringLiteral("/opt/my editor/run"), QStringLiteral("-x"), t};
        QTest::newRow("literal percent")
            << QStringLiteral("app 100%%") << QStringList{QStringLiteral("app"), QStringLiteral("100%"), t};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void commandLines()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, expected);
        QCOMPARE(OpenWithCommandLine(command, QStringLiteral("/tmp/a b.txt")), expected);
    }

    void chooserTakesAPickedOrTypedProgram()
    {
        OpenWithChooser chooser(QStringLiteral("/tmp/x.txt"),
                                {{QStringLiteral("Editor"), QStringLiteral("editor %F")},
                                 {QStringLiteral("Viewer"), QStringLiteral("viewer")}});
        auto* ok = chooser.findChild<QPushButton*>(QStringLiteral("cmd_ok"));
        QVERIFY(!ok->isEnabled());
        chooser.findChild<QListWidget*>(QStringLiteral("lst_programs"))->setCurrentRow(1);
        QCOMPARE(chooser.command(), QStringLiteral("viewer"));
        QVERIFY(ok->isEnabled());
        auto* command = chooser.findChild<QLineEdit*>(QStringLiteral("txt_program"));
        command->setText(QStringLiteral("  /usr/bin/less  "));
        QCOMPARE(chooser.command(), QStringLiteral("/usr/bin/less"));
        command->clear();
        QVERIFY(!ok->isEnabled());
    }

    void chooserPreselectsOnlyAProgramForTheType()
    {
        // Entries as the desktop has them: an image viewer, a browser, and dietlens itself.
        QTemporaryDir data;
        QVERIFY(QDir().mkpath(data.filePath(QStringLiteral("applications"))));
        const auto entry = [&](const char* file, const char* name, const char* exec, const char* types) {
            QVERIFY(
                testsupport::writeAll(data.filePath(QStringLiteral("applications/") + QLatin1String(file)),
                                      QByteArray("[Desktop Entry]\nType=Application\nName=") + name +
                                          "\nExec=" + exec + "\nMimeType=" + types + "\n"));
        };
        entry("viewer.desktop", "A viewer", "viewer %f", "image/png;");
        entry("dietlens.desktop", "Dietlens", "dietlens", "");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", data.path().toLocal8Bit());

        // A web address without a browser: neither program is offered, nothing is picked.
        const QString web = QStringLiteral("http://127.0.0.1:8080/");
        QList<OpenWithProgram> programs = OpenWithPrograms(OpenTargetType(web));
        QCOMPARE(programs.size(), 1);
        QCOMPARE(programs.first().name, QStringLiteral("A viewer"));
        QVERIFY(!programs.first().handlesType);
        {
            OpenWithChooser chooser(web, programs);
            chooser.show();
            QVERIFY(QTest::qWaitForWindowExposed(&chooser));
            QCOMPARE(chooser.command(), QString());
            QVERIFY(!chooser.findChild<QPushButton*>(QStringLiteral("cmd_ok"))->isEnabled());
        }

        // With a browser it comes first and is picked.
        entry("browser.desktop", "Web", "web %u", "text/html;x-scheme-handler/http;");
        programs = OpenWithPrograms(OpenTargetType(web));
        QCOMPARE(programs.first().name, QStringLiteral("Web"));
        QVERIFY(DesktopHasHandler(OpenTargetType(web)));
        OpenWithChooser chooser(web, programs);
        QCOMPARE(chooser.command(), QStringLiteral("web %u"));
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }
};

QTEST_MAIN(TestOpenWith)
#include "test_openwith.moc"
