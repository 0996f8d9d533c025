// The bookmarks while the program runs, without a window: adding and removing
// with the file rewritten (and the change taken back when that fails), the
// export as a food database file, and the drag texts.
#include "dietlens/core/appstate.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/display/bookmarksfile.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/ui/bookmarkcommands.h"
#include "dietlens/ui/problempresenter.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A search result: name, status 1, kJ, kcal, unsaturated and saturated fat,
// carbohydrates, protein, sodium and the checked mark.
FoodItem foodItem(const QString& name, const QString& kj, const QString& kcal)
{
    return record::ParseFoodItem(name + u"½1½"_s + kj + u"½"_s + kcal + u"½1½2½50½5.5½0.5½j½"_s);
}

QString bookmarkLine(const QString& name)
{
    return name + u"½Default½100½1½100½1½1½1½1½0.1½0½Exported with Dietlens½"_s;
}

} // namespace

class TestBookmarkBuffer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    AppState state;
    ScriptedMessenger messenger;
    std::unique_ptr<Bookmarks> buffer;

    // The window's side of the commands: what comes of them is shown on the messenger.
    ProblemPresenter presenter() { return {state.lang, messenger}; }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        CreateEnglishLanguage(state.lang, state.hosts);
    }
    void init()
    {
        state.paths.DatabaseFolder = dir.path() + QLatin1Char('/');
        state.paths.BookmarksPath = dir.filePath(u"bookmarks.dat"_s);
        QFile::remove(state.paths.BookmarksPath);
        messenger.clear();
        buffer = std::make_unique<Bookmarks>(state.paths, state.lang);
    }

    void addAndRemoveRewriteTheFile()
    {
        QVERIFY(addBookmark(*buffer, foodItem(u"Rice"_s, u"200"_s, u"48"_s), 150, presenter()));
        QCOMPARE(buffer->records().size(), 1);
        QVERIFY(buffer->records().first().startsWith(u"Rice½Default½150½300½72½"_s));
        QCOMPARE(testsupport::readAll(state.paths.BookmarksPath), *BookmarksFileBytes(buffer->records()));
        QCOMPARE(messenger.shown.last().text, u"'Rice' is added to the bookmark list."_s);
        QVERIFY(!removeBookmark(*buffer, 1, presenter())); // no such row
        QVERIFY(removeBookmark(*buffer, 0, presenter()));
        QVERIFY(buffer->records().isEmpty());
        QCOMPARE(testsupport::readAll(state.paths.BookmarksPath), *BookmarksFileBytes({}));
    }

    void failedWritesUndoTheChange()
    {
        state.paths.BookmarksPath = dir.filePath(u"missing/bookmarks.dat"_s);
        buffer->setRecords({bookmarkLine(u"A"_s)});
        QVERIFY(!addBookmark(*buffer, foodItem(u"Rice"_s, u"200"_s, u"48"_s), 100, presenter()));
        QCOMPARE(buffer->records(), QStringList{bookmarkLine(u"A"_s)});
        QCOMPARE(messenger.titles(), QStringList{u"Error #203"_s});
        QVERIFY(!removeBookmark(*buffer, 0, presenter()));
        QCOMPARE(buffer->records(), QStringList{bookmarkLine(u"A"_s)});
        QCOMPARE(messenger.titles(), (QStringList{u"Error #203"_s, u"Error #203"_s}));
    }

    void exporting_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("written");
        const QStringList one{bookmarkLine(u"A"_s)};
        QTest::newRow("no bookmarks: warning") << QStringList() << u"food.dat"_s << false;
        QTest::newRow("cancel writes nothing") << one << QString() << false;
        QTest::newRow("a star is a cancel") << one << u"*.dat"_s << false;
        QTest::newRow("chosen name, no extension added") << one << u"food"_s << true;
    }
    void exporting()
    {
        QFETCH(QStringList, records);
        QFETCH(QString, answer);
        QFETCH(bool, written);
        const QString target = answer.isEmpty() ? QString() : dir.filePath(answer);
        if (!target.isEmpty())
            QFile::remove(target);
        buffer->setRecords(records);
        messenger.fileNames = {target};
        exportBookmarks(*buffer, presenter());
        QCOMPARE(QFile::exists(target), written);
        if (records.isEmpty()) {
            QCOMPARE(messenger.titles(), QStringList{u"Dietlens"_s});
            QCOMPARE(messenger.shown[0].icon, MessageIcon::Exclamation);
            QCOMPARE(messenger.shown[0].text,
                     u"There are no food items in the bookmarks to export.\n"
                     "Search a food item, bookmark and then export the bookmarks again."_s);
            QVERIFY(messenger.fileDialogs.isEmpty());
            return;
        }
        QCOMPARE(messenger.fileDialogs.size(), 1);
        QCOMPARE(messenger.fileDialogs[0].title, u"Save bookmarks as a Menuvia FOOD database file."_s);
        QCOMPARE(messenger.fileDialogs[0].startFolder, state.paths.DatabaseFolder);
        QCOMPARE(messenger.fileDialogs[0].filter, u"Menuvia FOOD Database file (*.dat)"_s);
        QVERIFY(messenger.fileDialogs[0].defaultName.isEmpty()); // not "*.dat": the filter shows those
        if (written)
            QCOMPARE(testsupport::readAll(target), *BookmarksFileBytes(records));
        QVERIFY(!QFile::exists(state.paths.BookmarksPath));
    }

    void dragTexts()
    {
        QCOMPARE(
            presenter().take(buffer->ResultDragText(foodItem(u"Bread, white"_s, u"1000"_s, u"240"_s), 133)),
            u"DLITEM-Bread. white½Default½133½1330½319½7.32½1.33½2.66½66.5½0.665½0½"
            "Exported with Dietlens½"_s);
        buffer->setRecords({u"Bread½Mine½133½1330½319.2½7.315½1.33½2.66½66.5½0.665½0½Note½"_s});
        QCOMPARE(presenter().take(buffer->DragText(0)),
                 u"DLITEM-Bread½Mine½133½1330½319½7.32½1.33½2.66½66.5½0.665½0½Note½"_s);
        QVERIFY(messenger.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBookmarkBuffer)
#include "test_bookmarks.moc"
