#include "dietlens/core/appstate.h"
#include "dietlens/core/folders.h"
#include "dietlens/ui/problempresenter.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The folder functions as start-up uses them: what goes wrong is shown.
QString getSpecialFolder(int number, const LanguageTables& lang, Messenger& messenger)
{
    return ProblemPresenter(lang, messenger).take(GetSpecialFolder(number));
}

bool makeFolder(const QString& path, const LanguageTables& lang, Messenger& messenger)
{
    return ProblemPresenter(lang, messenger).take(EnsureFolder(path));
}

} // namespace

class TestFolders : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void specialFolders();
    void ensureFolder_data();
    void ensureFolder();
    void ensureFolderBlockedByFile();

private:
    QTemporaryDir m_dir;
    AppState m_state;
    ScriptedMessenger m_messenger;
};

void TestFolders::specialFolders()
{
    const QString home = m_dir.filePath(u"home"_s);
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + u"/cfg"_s).toLocal8Bit());
    QCOMPARE(getSpecialFolder(kAppDataFolderNumber, m_state.lang, m_messenger), home + u"/cfg/"_s);
    QCOMPARE(getSpecialFolder(kDocumentsFolderNumber, m_state.lang, m_messenger), home + u"/Documents/"_s);
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(getSpecialFolder(kAppDataFolderNumber, m_state.lang, m_messenger), home + u"/.config/"_s);
    QCOMPARE(getSpecialFolder(7, m_state.lang, m_messenger), QString());
    QVERIFY(m_messenger.shown.isEmpty());
}

void TestFolders::ensureFolder_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("several levels") << u"a/b/c"_s;
    QTest::newRow("trailing separator") << u"d/e/"_s;
    QTest::newRow("blank in a name") << u"Dietlens/My Language"_s;
    QTest::newRow("existing") << u"a/b"_s;
}

void TestFolders::ensureFolder()
{
    QFETCH(QString, relative);
    QVERIFY(makeFolder(m_dir.filePath(relative), m_state.lang, m_messenger));
    QVERIFY(QFileInfo(m_dir.filePath(relative)).isDir());
    QVERIFY(m_messenger.shown.isEmpty());
}

void TestFolders::ensureFolderBlockedByFile()
{
    // The caller names the folder; nothing failed unexpectedly, so no "Error #302".
    QVERIFY(testsupport::writeAll(m_dir.filePath(u"file"_s), "x"));
    QVERIFY(!makeFolder(m_dir.filePath(u"file/sub"_s), m_state.lang, m_messenger));
    QVERIFY(!makeFolder(m_dir.filePath(u"file"_s), m_state.lang, m_messenger));
    QVERIFY(m_messenger.shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestFolders)
#include "test_folders.moc"
