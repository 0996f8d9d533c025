// The two lists of the main window as models, without a window: what each
// row and column holds, when the columns are there, and that the results keep
// their items while the list is emptied on a disconnect.
#include "dietlens/display/foodlists.h"
#include "dietlens/display/viewlist.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

FoodItem food(const QString& name, FoodStatus status)
{
    FoodItem item;
    item.name = name;
    item.status = status;
    return item;
}

QVariant cell(const QAbstractItemModel& model, int row, int column, int role = Qt::DisplayRole)
{
    return model.index(row, column).data(role);
}

} // namespace

class TestFoodLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resultsRowsAndColumns()
    {
        ResultsModel model;
        model.setStatusIcons(u"checked"_s, u"unchecked"_s);
        QCOMPARE(model.columnCount(), 0);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

        const QString longName(5000, u'x');
        model.show({food(u"Apple"_s, FoodStatus::Checked), food(u"Pear"_s, FoodStatus::Unchecked),
                    food(longName, FoodStatus::Unknown)});
        QCOMPARE(resets.size(), 1);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.headerData(IdColumn, Qt::Horizontal).toString(), u"ID"_s);
        QCOMPARE(model.headerData(NameColumn, Qt::Horizontal).toString(), u"NM"_s);
        QCOMPARE(cell(model, 0, NameColumn).toString(), u"Apple"_s);
        QCOMPARE(cell(model, 0, IconColumn).toString(), QString());
        QCOMPARE(cell(model, 0, IconColumn, Qt::AccessibleTextRole).toString(), u"Apple"_s);
        QCOMPARE(cell(model, 0, IconColumn, Qt::DecorationRole).toString(), u"checked"_s);
        QCOMPARE(cell(model, 1, IconColumn, Qt::DecorationRole).toString(), u"unchecked"_s);
        QVERIFY(!cell(model, 2, IconColumn, Qt::DecorationRole).isValid()); // no neighbour's icon
        QCOMPARE(cell(model, 2, NameColumn).toString().size(), ResultsModel::kMaxShownText);
        QCOMPARE(model.item(2).name.size(), 5000); // the item itself is kept whole
        QCOMPARE(model.item(3), FoodItem());

        // A disconnect empties the list and its columns; the items stay.
        model.hideRows();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 0);
        QCOMPARE(model.items().size(), 3u);
        model.clear();
        QVERIFY(model.items().empty());
        QCOMPARE(resets.size(), 3);
    }

    void bookmarkRows()
    {
        BookmarksModel model;
        model.setRowIcon(u"ribbon"_s);
        QCOMPARE(model.columnCount(), 0);
        model.show({u"Pear (150 Gram)"_s, u"Rice (100 Gram)"_s});
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(cell(model, 1, IconColumn).toString(), u"1"_s); // the position
        QCOMPARE(cell(model, 1, IconColumn, Qt::AccessibleTextRole).toString(), u"Rice (100 Gram)"_s);
        QCOMPARE(cell(model, 1, IconColumn, Qt::DecorationRole).toString(), u"ribbon"_s);
        QCOMPARE(cell(model, 1, NameColumn).toString(), u"Rice (100 Gram)"_s);
        model.show({});
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 3); // the header stays once the list was filled
    }

    void viewListLook_data()
    {
        QTest::addColumn<ViewListMode>("mode");
        QTest::addColumn<int>("resultRows");
        QTest::addColumn<int>("bookmarkRows");
        // results shown, add to bookmarks, remove bookmark
        QTest::addColumn<QList<bool>>("expected");
        QTest::newRow("results") << ViewListMode::Results << 2 << 1 << QList<bool>{true, true, false};
        QTest::newRow("no results") << ViewListMode::Results << 0 << 1 << QList<bool>{true, false, false};
        QTest::newRow("bookmarks") << ViewListMode::Bookmarks << 2 << 1 << QList<bool>{false, false, true};
        QTest::newRow("no bookmarks")
            << ViewListMode::Bookmarks << 2 << 0 << QList<bool>{false, false, false};
    }
    void viewListLook()
    {
        QFETCH(ViewListMode, mode);
        QFETCH(int, resultRows);
        QFETCH(int, bookmarkRows);
        QFETCH(QList<bool>, expected);
        QVERIFY(!ViewListLookFor(false, mode, resultRows, bookmarkRows)); // not connected: left as it is
        const std::optional<ViewListLook> look = ViewListLookFor(true, mode, resultRows, bookmarkRows);
        QVERIFY(look);
        QCOMPARE((QList<bool>{look->resultsShown, look->addToBookmarks, look->removeBookmark}), expected);
    }
};

QTEST_GUILESS_MAIN(TestFoodLists)
#include "test_foodlists.moc"
