#include "dietlens/ui/showhelp.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

class FakeDesktop : public HelpDesktop
{
public:
    QSet<QString> handlers;
    bool openSucceeds = true;
    QList<QUrl> opened;

    bool hasHandlerFor(const QString& mimeType) const override { return handlers.contains(mimeType); }
    bool open(const QUrl& url) override
    {
        opened.append(url);
        return openSucceeds;
    }
};

void touch(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestShowHelp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choosesWhatToOpen_data();
    void choosesWhatToOpen();
    void htmlWindowIsReused();
    void readsMimeAssociations_data();
    void readsMimeAssociations();
};

void TestShowHelp::choosesWhatToOpen_data()
{
    QTest::addColumn<bool>("haveChm");
    QTest::addColumn<bool>("haveHtml");
    QTest::addColumn<QStringList>("handlers");
    QTest::addColumn<bool>("openSucceeds");
    QTest::addColumn<HelpShown>("expected");
    QTest::addColumn<QStringList>("expectedOpened");

    const QStringList chmViewer{u"application/vnd.ms-htmlhelp"_s};
    const QStringList browser{u"text/html"_s};
    const QString chm = u"help.chm"_s;
    const QString html = u"help/index.html"_s;

    QTest::newRow("chm viewer opens help.chm")
        << true << true << chmViewer << true << HelpShown::CompiledHelp << QStringList{chm};
    QTest::newRow("viewer registered under the old type")
        << true << true << QStringList{u"application/x-chm"_s} << true << HelpShown::CompiledHelp
        << QStringList{chm};
    QTest::newRow("no chm viewer: browser gets the pages")
        << true << true << browser << true << HelpShown::HtmlBrowser << QStringList{html};
    QTest::newRow("no chm viewer, no browser: own window")
        << true << true << QStringList{} << true << HelpShown::HtmlWindow << QStringList{};
    QTest::newRow("desktop opens nothing: own window")
        << true << true << (chmViewer + browser) << false << HelpShown::HtmlWindow << QStringList{chm, html};
    QTest::newRow("no help.chm built: pages")
        << false << true << (chmViewer + browser) << true << HelpShown::HtmlBrowser << QStringList{html};
    QTest::newRow("only help.chm: desktop gets it anyway")
        << true << false << QStringList{} << true << HelpShown::CompiledHelp << QStringList{chm};
    QTest::newRow("no help at all shows nothing")
        << false << false << (chmViewer + browser) << true << HelpShown::Nothing << QStringList{};
}

void TestShowHelp::choosesWhatToOpen()
{
    QFETCH(bool, haveChm);
    QFETCH(bool, haveHtml);
    QFETCH(QStringList, handlers);
    QFETCH(bool, openSucceeds);
    QFETCH(HelpShown, expected);
    QFETCH(QStringList, expectedOpened);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString programFolder = folder.path() + u"/"_s;
    if (haveChm)
        touch(programFolder + u"help.chm"_s, "ITSF");
    if (haveHtml)
        touch(programFolder + u"help/index.html"_s,
              "<html><head><title>Dietlens Help</title></head><body>x</body></html>");

    FakeDesktop desktop;
    desktop.handlers = QSet<QString>(handlers.begin(), handlers.end());
    desktop.openSucceeds = openSucceeds;
    QWidget owner;

    QCOMPARE(ShowHelp(&owner, programFolder, desktop), expected);

    QStringList opened;
    for (const QUrl& url : std::as_const(desktop.opened)) {
        QVERIFY(url.isLocalFile());
        opened.append(url.toLocalFile().mid(programFolder.size()));
    }
    QCOMPARE(opened, expectedOpened);

    auto* window = owner.findChild<QDialog*>(u"HelpWindow"_s);
    QCOMPARE(window != nullptr, expected == HelpShown::HtmlWindow);
    if (window) {
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), u"Dietlens Help"_s);
    }
}

void TestShowHelp::htmlWindowIsReused()
{
    QTemporaryDir folder;
    const QString programFolder = folder.path() + u"/"_s;
    touch(programFolder + u"help/index.html"_s,
          "<html><head><title>Contents</title></head><body><a href=\"chart.html\">chart</a></body></html>");
    touch(programFolder + u"help/chart.html"_s,
          "<html><head><title>Chart</title></head><body>bars</body></html>");

    FakeDesktop desktop;
    QWidget owner;
    QCOMPARE(ShowHelp(&owner, programFolder, desktop), HelpShown::HtmlWindow);
    auto* browser = owner.findChild<QTextBrowser*>(u"HelpBrowser"_s);
    QVERIFY(browser);
    browser->setSource(QUrl::fromLocalFile(programFolder + u"help/chart.html"_s));
    QCOMPARE(browser->parentWidget()->windowTitle(), u"Chart"_s);

    // F1 again: the same window, back at the contents.
    QCOMPARE(ShowHelp(&owner, programFolder, desktop), HelpShown::HtmlWindow);
    QCOMPARE(owner.findChildren<QDialog*>(u"HelpWindow"_s).size(), 1);
    QCOMPARE(browser->parentWidget()->windowTitle(), u"Contents"_s);
}

void TestShowHelp::readsMimeAssociations_data()
{
    QTest::addColumn<QByteArray>("listText");
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<bool>("expected");

    const QByteArray cache = "[MIME Cache]\napplication/x-chm=xchm.desktop;\ntext/plain=vim.desktop;\n";
    QTest::newRow("cache names an installed viewer") << cache << u"application/x-chm"_s << true;
    QTest::newRow("other type") << cache << u"application/vnd.ms-htmlhelp"_s << false;
    QTest::newRow("prefix of another type") << cache << u"application/x-ch"_s << false;
    QTest::newRow("default application")
        << QByteArray("[Default Applications]\ntext/html=gone.desktop;browser.desktop\n") << u"text/html"_s
        << true;
    QTest::newRow("added association")
        << QByteArray("[Added Associations]\ntext/html=browser.desktop;\n") << u"text/html"_s << true;
    QTest::newRow("entry no longer installed")
        << QByteArray("[Default Applications]\ntext/html=gone.desktop\n") << u"text/html"_s << false;
    QTest::newRow("removed associations do not count")
        << QByteArray("[Removed Associations]\ntext/html=browser.desktop;\n") << u"text/html"_s << false;
    QTest::newRow("empty file") << QByteArray() << u"text/html"_s << false;
    QTest::newRow("garbage") << QByteArray("\0\xff\xfe=\n[\n=;;;\n", 12) << u"text/html"_s << false;
}

void TestShowHelp::readsMimeAssociations()
{
    QFETCH(QByteArray, listText);
    QFETCH(QString, mimeType);
    QFETCH(bool, expected);

    QTemporaryDir folder;
    const QString applications = folder.path() + u"/applications"_s;
    touch(applications + u"/xchm.desktop"_s, "[Desktop Entry]\n");
    touch(applications + u"/browser.desktop"_s, "[Desktop Entry]\n");
    touch(applications + u"/vim.desktop"_s, "[Desktop Entry]\n");
    touch(applications + u"/mimeinfo.cache"_s, listText);

    const QStringList listFiles{folder.path() + u"/missing/mimeapps.list"_s,
                                applications + u"/mimeinfo.cache"_s};
    QCOMPARE(MimeTypeHasHandler(listFiles, {folder.path() + u"/other"_s, applications}, mimeType), expected);
}

QTEST_MAIN(TestShowHelp)
#include "test_showhelp.moc"
