#include "dietlens/core/appstate.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/display/bookmarksfile.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/net/connection.h"
#include "dietlens/ui/foodlistview.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/nutritiondisplay.h"
#include "tests/support/mainwindowcontrols.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QChar kEnd(0x00BD);

QString foodItem(const QString& name, const QString& kj, const QString& kcal, const QString& unsat,
                 const QString& sat, const QString& carbs, const QString& protein, const QString& sodium)
{
    QString r;
    for (const QString& f :
         {name, QStringLiteral("1"), kj, kcal, unsat, sat, carbs, protein, sodium, QStringLiteral("j")})
        r += f + kEnd;
    return r;
}

// A window holding the controls the display works with, as the main window lays them out.
struct Window
{
    QWidget window;
    FoodListView* results = new FoodListView(QStringLiteral("LV_browse"), &window);
    FoodListView* bookmarks = new FoodListView(QStringLiteral("LV_browse_bookmarks"), &window);
    QSlider* slider = new QSlider(&window);
    QToolButton* plus = new QToolButton(&window);
    QToolButton* min = new QToolButton(&window);
    NutritionChartView* chart = new NutritionChartView(&window);
    QLineEdit* search = new QLineEdit(&window);
    QLabel* searchPicture = new QLabel(&window);
    QLabel* searchPictureGrey = new QLabel(&window);
    QMenu* options = new QMenu(&window);
    QAction* add = options->addAction(QStringLiteral("Add new food item"));
    QAction* bookmark = options->addAction(QStringLiteral("Add to bookmarks"));
    QAction* remove = options->addAction(QStringLiteral("Remove selected bookmark"));
    QAction* button5 = new QAction(&window);
    QAction* button6 = new QAction(&window);
    QAction* button8 = new QAction(&window);
    QAction* button9 = new QAction(&window);
    QString status;

    DisplayControls controls()
    {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w :
             std::initializer_list<QWidget*>{search, results, bookmarks, plus, slider, min, chart})
            layout->addWidget(w);
        return {results,       bookmarks,         slider,  plus,     min, chart,  search,
                searchPicture, searchPictureGrey, options, bookmark, add, remove, button5,
                button6,       button8,           button9};
    }
};

} // namespace

class TestNutritionDisplay : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    AppState state;
    ScriptedMessenger messenger;
    std::unique_ptr<Window> w;
    std::unique_ptr<Bookmarks> buffer;
    std::unique_ptr<net::Connection> connection;
    std::unique_ptr<NutritionDisplay> display;

    void showResults(const QStringList& records)
    {
        std::vector<FoodItem> items;
        for (const QString& text : records)
            items.push_back(record::ParseFoodItem(text));
        display->ShowSearchResults(items);
    }

    void clickRow(QTreeView* list, int row)
    {
        const QRect rect = testsupport::rowRect(list, row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void connectAndShow()
    {
        connection->setState(1);
        w->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w->window));
    }

    QString chartLabel(std::size_t bar) const { return w->chart->chart().bars[bar].labelText; }
    QString chartCaption(std::size_t bar) const { return w->chart->chart().captionTexts[bar]; }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void init()
    {
        state = AppState();
        CreateEnglishLanguage(state.lang, state.hosts);
        state.settings.WeightUnit = QStringLiteral("0");
        state.settings.EnergyUnit = QStringLiteral("0");
        state.paths.DatabaseFolder = dir.path() + QLatin1Char('/');
        state.paths.BookmarksPath = dir.filePath(QStringLiteral("bookmarks.dat"));
        QFile::remove(state.paths.BookmarksPath);
        messenger.clear();
        w = std::make_unique<Window>();
        buffer = std::make_unique<Bookmarks>(state.paths, state.lang);
        connection = std::make_unique<net::Connection>(state.settings, state.hosts);
        display = std::make_unique<NutritionDisplay>(state.settings, state.lang, messenger, *buffer,
                                                     *connection, w->controls());
        connect(display.get(), &NutritionDisplay::statusText, this,
                [this](const QString& text) { w->status = text; });
        // The window connects the commands.
        NutritionDisplay* d = display.get();
        connect(w->bookmark, &QAction::triggered, d, &NutritionDisplay::mnu_addlijst_Click);
        connect(w->remove, &QAction::triggered, d, &NutritionDisplay::mnu_del_Click);
        connect(w->button6, &QAction::triggered, d, &NutritionDisplay::Toolbar_BookmarkList);
        w->button5->setCheckable(true);
        w->button6->setCheckable(true);
        display->DrawStartChart();
    }
    void cleanup()
    {
        display.reset();
        connection.reset();
        buffer.reset();
        w.reset();
    }

    void sliderRunsFromTopToBottom()
    {
        QCOMPARE(w->slider->orientation(), Qt::Vertical);
        QCOMPARE(w->slider->minimum(), 10);
        QCOMPARE(w->slider->maximum(), 1000);
        QCOMPARE(w->slider->value(), 100);
        QCOMPARE(w->slider->singleStep(), 10);
        QCOMPARE(w->slider->pageStep(), 10);
        QVERIFY(w->slider->invertedAppearance());
        QCOMPARE(chartLabel(0), QStringLiteral("540 Kj "));
        QCOMPARE(w->chart->chart().bars[1].body.width, 451.0f);
    }

    void oneGramButtons_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("minButton");
        QTest::addColumn<int>("after");
        QTest::newRow("min adds a gram") << 100 << true << 101;
        QTest::newRow("plus takes a gram") << 100 << false << 99;
        QTest::newRow("min stops at 1000") << 1000 << true << 1000;
        QTest::newRow("plus stops at 10") << 10 << false << 10;
        QTest::newRow("min from 999") << 999 << true << 1000;
    }
    void oneGramButtons()
    {
        QFETCH(int, start);
        QFETCH(bool, minButton);
        QFETCH(int, after);
        showResults({foodItem(QStringLiteral("Apple"), QStringLiteral("200"), QStringLiteral("48"),
                              QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("10"),
                              QStringLiteral("1"), QStringLiteral("0.01"))});
        connectAndShow();
        clickRow(w->results, 0);
        w->slider->setValue(start);
        QTest::mouseClick(minButton ? w->min : w->plus, Qt::LeftButton);
        QCOMPARE(w->slider->value(), after);
        QCOMPARE(chartCaption(1), QStringLiteral("Saturated fat per %1 Gram").arg(after));
        QCOMPARE(w->slider->toolTip(), QStringLiteral("%1 Gram").arg(after));
        QCOMPARE(w->status, QStringLiteral("Apple (%1 Gram)").arg(after));
    }

    void choosingAResultKeepsTheWeight()
    {
        showResults({foodItem(QStringLiteral("Apple"), QStringLiteral("218"), QStringLiteral("52"),
                              QStringLiteral("0.2"), QStringLiteral("0.1"), QStringLiteral("11.4"),
                              QStringLiteral("0.3"), QStringLiteral("0.001")),
                     foodItem(QStringLiteral("Butter"), QStringLiteral("3000"), QStringLiteral("717"),
                              QStringLiteral("30"), QStringLiteral("51"), QStringLiteral("0.1"),
                              QStringLiteral("0.9"), QStringLiteral("0.6"))});
        connectAndShow();
        w->slider->setValue(150);
        clickRow(w->results, 0);
        QCOMPARE(w->slider->value(), 150);
        QCOMPARE(display->chosenResult()->name, QStringLiteral("Apple"));
        QCOMPARE(w->status, QStringLiteral("Apple (150 Gram)"));
        QCOMPARE(chartLabel(0), QStringLiteral("327 Kj "));
        QCOMPARE(chartCaption(0), QStringLiteral("Kilojoules per 150 Gram"));
        QCOMPARE(w->chart->chart().bars[0].body.width, 218.0f);

        // The arrow key chooses as a click does.
        w->results->setFocus();
        QTest::keyClick(w->results, Qt::Key_Down);
        QCOMPARE(display->chosenResult()->name, QStringLiteral("Butter"));
        QCOMPARE(chartLabel(1), QStringLiteral("76.50 Gr."));
        QVERIFY(messenger.shown.isEmpty());
    }

    void slider_scrollRunsOnUserMovesOnly()
    {
        showResults({foodItem(QStringLiteral("Apple"), QStringLiteral("200"), QStringLiteral("48"),
                              QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("10"),
                              QStringLiteral("1"), QStringLiteral("0.01"))});
        connectAndShow();
        clickRow(w->results, 0);
        w->slider->setFocus();
        QTest::keyClick(w->slider, Qt::Key_Down);
        QCOMPARE(w->slider->value(), 110);
        QCOMPARE(chartLabel(0), QStringLiteral("220 Kj "));

        // A bookmark sets the slider by code: its tooltip stays.
        buffer->setRecords(
            {BookmarkLine(QStringLiteral("Pear"), QStringLiteral("250"), QStringLiteral("500"))});
        display->Fill_BookmarkList();
        clickRow(w->bookmarks, 0);
        QCOMPARE(w->slider->value(), 250);
        QCOMPARE(w->slider->toolTip(), QStringLiteral("110 Gram"));
        QCOMPARE(w->status, QStringLiteral("Pear (250 Gram)"));
        QCOMPARE(chartLabel(0), QStringLiteral("500 Kj "));
    }

    void ounceTexts()
    {
        state.settings.WeightUnit = QStringLiteral("1");
        showResults({foodItem(QStringLiteral("Apple"), QStringLiteral("200"), QStringLiteral("48"),
                              QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("10"),
                              QStringLiteral("1"), QStringLiteral("0.01"))});
        connectAndShow();
        clickRow(w->results, 0);
        QCOMPARE(w->slider->toolTip(), QStringLiteral("3.5 oz "));
        QCOMPARE(w->status, QStringLiteral("Apple (3.5 oz )"));
        QCOMPARE(chartCaption(0), QStringLiteral("Kilojoules per 3.5 oz "));
    }

    void bookmarkWeights_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("error");
        QTest::newRow("150 g, 600 kJ")
            << QStringLiteral("150") << 150 << QStringLiteral("Kilojoules per 150 Gram") << QString();
        QTest::newRow("half to even down")
            << QStringLiteral("150.5") << 150 << QStringLiteral("Kilojoules per 150 Gram") << QString();
        QTest::newRow("half to even up")
            << QStringLiteral("151.5") << 152 << QStringLiteral("Kilojoules per 152 Gram") << QString();
        QTest::newRow("above the range")
            << QStringLiteral("1500") << 1000 << QStringLiteral("Kilojoules per 1500 Gram") << QString();
        QTest::newRow("below the range")
            << QStringLiteral("5") << 10 << QStringLiteral("Kilojoules per 5 Gram") << QString();
        QTest::newRow("weight 0") << QStringLiteral("0") << 100 << QStringLiteral("Kilojoules per 100 Gram")
                                  << QStringLiteral("Error #108");
    }
    void bookmarkWeights()
    {
        QFETCH(QString, weight);
        QFETCH(int, slider);
        QFETCH(QString, caption);
        QFETCH(QString, error);
        buffer->setRecords({BookmarkLine(QStringLiteral("Pear"), weight, QStringLiteral("600"))});
        connectAndShow();
        w->button6->trigger();
        clickRow(w->bookmarks, 0);
        QCOMPARE(w->slider->value(), slider);
        QCOMPARE(chartCaption(0), caption);
        QCOMPARE(messenger.titles(), error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(display->chosenBookmarkRow(), 0);
    }

    void removingBookmarks()
    {
        buffer->setRecords({BookmarkLine(QStringLiteral("A"), QStringLiteral("100"), QStringLiteral("1")),
                            BookmarkLine(QStringLiteral("B"), QStringLiteral("100"), QStringLiteral("2"))});
        connectAndShow();
        w->button6->trigger();
        QVERIFY(w->remove->isEnabled());
        w->remove->trigger(); // no row chosen: nothing happens
        QCOMPARE(buffer->records().size(), 2);

        clickRow(w->bookmarks, 0);
        w->remove->trigger();
        QCOMPARE(buffer->records().size(), 1);
        QCOMPARE(testsupport::cellText(w->bookmarks, 0, 2), QStringLiteral("B (100 Gram)"));

        clickRow(w->bookmarks, 0);
        w->remove->trigger();
        QCOMPARE(testsupport::rowCount(w->bookmarks), 0);
        QVERIFY(!w->remove->isEnabled());
        QCOMPARE(testsupport::readAll(state.paths.BookmarksPath), QByteArray("\x01\0\0\0\0\0", 6));
        QVERIFY(messenger.shown.isEmpty());
    }

    // The buffer takes a failed change back; the list keeps showing the row.
    void failedRemoveKeepsTheRowListed()
    {
        state.paths.BookmarksPath = dir.filePath(QStringLiteral("missing/bookmarks.dat"));
        buffer->setRecords({BookmarkLine(QStringLiteral("A"), QStringLiteral("100"), QStringLiteral("1"))});
        connectAndShow();
        w->button6->trigger();
        clickRow(w->bookmarks, 0);
        w->remove->trigger();
        QCOMPARE(testsupport::rowCount(w->bookmarks), 1);
        QCOMPARE(messenger.titles(), QStringList{QStringLiteral("Error #203")});
    }

    void viewList_data()
    {
        QTest::addColumn<float>("connectionState");
        QTest::addColumn<ViewListMode>("mode");
        QTest::addColumn<bool>("resultRows");
        QTest::addColumn<bool>("bookmarkRows");
        // results visible, bookmarks visible, search enabled, add, new item, remove, button 5, button 6,
        // buttons 8/9
        QTest::addColumn<QList<bool>>("expected");
        QTest::newRow("not connected: unchanged")
            << 0.0f << ViewListMode::Bookmarks << true << true
            << QList<bool>{true, true, true, true, true, true, false, false, true};
        QTest::newRow("results, rows")
            << 1.0f << ViewListMode::Results << true << true
            << QList<bool>{true, false, true, true, true, false, true, false, true};
        QTest::newRow("results, no rows")
            << 1.0f << ViewListMode::Results << false << true
            << QList<bool>{true, false, true, false, true, false, true, false, true};
        QTest::newRow("bookmarks, rows")
            << 1.0f << ViewListMode::Bookmarks << true << true
            << QList<bool>{false, true, false, false, false, true, false, true, false};
        QTest::newRow("bookmarks, no rows")
            << 1.0f << ViewListMode::Bookmarks << true << false
            << QList<bool>{false, true, false, false, false, false, false, true, false};
    }
    void viewList()
    {
        QFETCH(float, connectionState);
        QFETCH(ViewListMode, mode);
        QFETCH(bool, resultRows);
        QFETCH(bool, bookmarkRows);
        QFETCH(QList<bool>, expected);
        w->window.show();
        if (resultRows)
            showResults({foodItem(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1"), {}, {}, {},
                                  {}, {})});
        if (bookmarkRows) {
            buffer->setRecords(
                {BookmarkLine(QStringLiteral("A"), QStringLiteral("100"), QStringLiteral("1"))});
            display->Fill_BookmarkList();
        }
        connection->setState(connectionState);
        display->setViewListMode(mode);
        display->Set_ViewList();
        const QList<bool> actual{
            w->results->isVisible(),  w->bookmarks->isVisible(), w->search->isEnabled(),
            w->bookmark->isEnabled(), w->add->isEnabled(),       w->remove->isEnabled(),
            w->button5->isChecked(),  w->button6->isChecked(),   w->button9->isEnabled()};
        QCOMPARE(actual, expected);
        QCOMPARE(w->button8->isEnabled(), expected[8]);
        QCOMPARE(w->searchPicture->isVisibleTo(&w->window),
                 mode == ViewListMode::Results || connectionState != 1);
        if (connectionState == 1 && mode == ViewListMode::Bookmarks)
            QCOMPARE(w->search->palette().color(QPalette::Base), QColor(224, 224, 224));
    }

    void rightClickChoosesTheRowAndOpensOptions()
    {
        buffer->setRecords({BookmarkLine(QStringLiteral("A"), QStringLiteral("100"), QStringLiteral("1")),
                            BookmarkLine(QStringLiteral("B"), QStringLiteral("200"), QStringLiteral("2"))});
        connectAndShow();
        w->button6->trigger();
        display->setViewListMode(ViewListMode::Bookmarks);
        const QRect rect = testsupport::rowRect(w->bookmarks, 1);
        QTest::mousePress(w->bookmarks->viewport(), Qt::RightButton, {}, rect.center());
        QCOMPARE(display->chosenBookmarkRow(), 1);
        QCOMPARE(w->slider->value(), 200);
        QTRY_VERIFY(w->options->isVisible());
        w->options->hide();
    }

    void exportCommandExportsTheBookmarks()
    {
        buffer->setRecords({BookmarkLine(QStringLiteral("A"), QStringLiteral("100"), QStringLiteral("1"))});
        messenger.fileNames = {dir.filePath(QStringLiteral("food"))};
        display->mnu_opslaan_Click();
        QCOMPARE(testsupport::readAll(dir.filePath(QStringLiteral("food"))),
                 *BookmarksFileBytes(buffer->records()));
    }

    // A drag carries the text of the current row, at the slider's weight.
    void dragTexts()
    {
        showResults({foodItem(QStringLiteral("Bread, white"), QStringLiteral("1000"), QStringLiteral("240"),
                              QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("50"),
                              QStringLiteral("5.5"), QStringLiteral("0.5"))});
        buffer->setRecords(
            {BookmarkLine(QStringLiteral("Bread"), QStringLiteral("100"), QStringLiteral("1"))});
        QCOMPARE(display->LV_browse_OLEStartDrag(), QString()); // no current row
        connectAndShow();
        w->slider->setValue(133);
        clickRow(w->results, 0);
        QVERIFY(display->LV_browse_OLEStartDrag().startsWith(
            QStringLiteral("DLITEM-Bread. white½Default½133½1330½")));
        w->button6->trigger();
        clickRow(w->bookmarks, 0);
        QCOMPARE(display->LV_browse_bookmarks_OLEStartDrag(), u"DLITEM-"_s + buffer->records().first());
    }

    void valuesBeyondSinglePrecisionAreRefused()
    {
        showResults({foodItem(QStringLiteral("Huge"), QStringLiteral("1E+39"), QStringLiteral("1"), {}, {},
                              {}, {}, {}),
                     foodItem(QStringLiteral("Big"), QStringLiteral("3E+38"), QStringLiteral("1"), {}, {}, {},
                              {}, {})});
        connectAndShow();
        const NutritionChart before = w->chart->chart();
        clickRow(w->results, 0);
        QCOMPARE(messenger.titles(), QStringList{QStringLiteral("Error #109")});
        QVERIFY(w->chart->chart() == before);

        // Drawn at 100 g, it overflows at 1000 g: no bookmark, no drag text.
        clickRow(w->results, 1);
        w->slider->setValue(1000);
        messenger.clear();
        w->bookmark->trigger();
        QCOMPARE(display->LV_browse_OLEStartDrag(), QString());
        QCOMPARE(messenger.titles(),
                 (QStringList{QStringLiteral("Error #110"), QStringLiteral("Error #107")}));
        QVERIFY(buffer->records().isEmpty());
        QVERIFY(!QFile::exists(state.paths.BookmarksPath));
    }

    void sliderStaysWithAChoiceThatCannotBeDrawn_data()
    {
        QTest::addColumn<bool>("bookmarks");
        QTest::addColumn<QString>("unusable");
        QTest::addColumn<QString>("error");
        QTest::newRow("bookmark of weight 0")
            << true << BookmarkLine(QStringLiteral("Zero"), QStringLiteral("0"), QStringLiteral("600"))
            << QStringLiteral("Error #108");
        QTest::newRow("result beyond single precision")
            << false
            << foodItem(QStringLiteral("Huge"), QStringLiteral("1E+999"), QStringLiteral("1"), {}, {}, {}, {},
                        {})
            << QStringLiteral("Error #109");
    }
    void sliderStaysWithAChoiceThatCannotBeDrawn()
    {
        QFETCH(bool, bookmarks);
        QFETCH(QString, unusable);
        QFETCH(QString, error);
        const QString good =
            bookmarks ? BookmarkLine(QStringLiteral("Pear"), QStringLiteral("150"), QStringLiteral("600"))
                      : foodItem(QStringLiteral("Pear"), QStringLiteral("400"), QStringLiteral("96"), {}, {},
                                 {}, {}, {});
        QTreeView* list = bookmarks ? w->bookmarks : w->results;
        if (bookmarks)
            buffer->setRecords({good, unusable});
        else
            showResults({good, unusable});
        connectAndShow();
        if (bookmarks)
            w->button6->trigger();
        clickRow(list, 0);
        clickRow(list, 1);
        const NutritionChart drawn = w->chart->chart();
        const QString status = w->status;
        bookmarks ? w->min->click() : w->plus->click();
        QCOMPARE(messenger.titles(), (QStringList{error, QStringLiteral("Error #113")}));
        QVERIFY(w->chart->chart() == drawn);
        QCOMPARE(w->status, status);
        QCOMPARE(list->currentIndex().row(), 1);
    }

    void startUpReadsAnExistingFileOnly()
    {
        display->ReadBookmarksAtStartup();
        QVERIFY(messenger.shown.isEmpty());
        QVERIFY(buffer->records().isEmpty());
        const QStringList one{BookmarkLine(QStringLiteral("A"), QStringLiteral("100"), QStringLiteral("1"))};
        QVERIFY(testsupport::writeAll(state.paths.BookmarksPath, *BookmarksFileBytes(one)));
        display->ReadBookmarksAtStartup();
        QCOMPARE(buffer->records(), one);
    }

private:
    static QString BookmarkLine(const QString& name, const QString& weight, const QString& kj)
    {
        return name + QStringLiteral("½Default½") + weight + QChar(0x00BD) + kj +
               QStringLiteral("½100½1½1½1½1½0.1½0½Exported with Dietlens½");
    }
};

QTEST_MAIN(TestNutritionDisplay)
#include "test_nutritiondisplay.moc"
