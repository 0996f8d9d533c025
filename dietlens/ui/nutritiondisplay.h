#pragma once
// The nutrition part of the main window: the weight slider and its two
// buttons, the chart, the results and bookmark lists with the view switch,
// and the commands on their rows (bookmarking, removing, exporting and
// dragging food items, which the bookmarks carry out). The window hands over
// its controls; the slider, the two buttons, the lists and the Down key of the
// search box (into the shown list) are connected here, the menu and toolbar
// commands by the window. The handlers carry the names
// of the controls and events they serve.
#include "dietlens/display/foodlists.h"
#include "dietlens/display/nutritionchart.h"
#include "dietlens/display/viewlist.h"
#include "dietlens/record/fooditem.h"
#include "dietlens/ui/problempresenter.h"

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

class FoodListView;
class NutritionChartView;
class QAbstractButton;
class QAction;
class QLineEdit;
class QMenu;
class QSlider;
class QWidget;
class Bookmarks;
class LanguageTables;
class Messenger;
struct Settings;
namespace net {
class Connection;
}

struct DisplayControls
{
    FoodListView* LV_browse = nullptr;
    FoodListView* LV_browse_bookmarks = nullptr;
    QSlider* Slider = nullptr;
    QAbstractButton* Pic_plus = nullptr;
    QAbstractButton* Pic_min = nullptr;
    NutritionChartView* Pic_grafiek = nullptr;
    QLineEdit* txt_item = nullptr;
    QWidget* Pic_zoeken = nullptr;
    QWidget* Pic_zoeken_bw = nullptr;
    QMenu* mnu_opties = nullptr;
    QAction* mnu_addlijst = nullptr;
    QAction* mnu_toevoegen = nullptr;
    QAction* mnu_del = nullptr;
    QAction* toolbarResults = nullptr;   // toolbar button 5
    QAction* toolbarBookmarks = nullptr; // toolbar button 6
    QAction* toolbarAddFood = nullptr;   // toolbar button 8
    QAction* toolbarBookmark = nullptr;  // toolbar button 9
};

class NutritionDisplay : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMinWeight = 10;
    static constexpr int kMaxWeight = 1000;
    static constexpr int kStartWeight = 100;

    NutritionDisplay(const Settings& settings, const LanguageTables& lang, Messenger& messenger,
                     Bookmarks& bookmarks, const net::Connection& connection, const DisplayControls& controls,
                     QObject* parent = nullptr);

    // Start-up: read the bookmarks file when there is one; the first chart.
    void ReadBookmarksAtStartup();
    void DrawStartChart();

    // The list shown; Set_ViewList applies it.
    ViewListMode viewListMode() const { return m_viewListMode; }
    void setViewListMode(ViewListMode mode) { m_viewListMode = mode; }

    // The food items of the last search, one per row of the results list.
    const std::vector<FoodItem>& results() const { return m_results.items(); }
    const ResultsModel& resultsModel() const { return m_results; }
    const BookmarksModel& bookmarksModel() const { return m_bookmarkRows; }
    // Lists the food items of a search reply.
    void ShowSearchResults(const std::vector<FoodItem>& items);
    // Empties the results list; ClearResults forgets the records as well.
    void ClearResultsList();
    void ClearResults();

    // Row icons of the results list: image 1 green (checked), image 2 red.
    QIcon checkedIcon() const { return m_checkedIcon; }
    QIcon uncheckedIcon() const { return m_uncheckedIcon; }

    // The chart at the slider's weight (or at a weight given).
    ChartDrawing DrawNutritionChart(const NutritionValues& per100g);
    ChartDrawing DrawNutritionChart(const NutritionValues& per100g, int weightGrams);

    void Slider_Scroll();
    void Pic_plus_Click();
    void Pic_min_Click();

    void Set_ViewList();
    void Fill_BookmarkList();
    void Toolbar_ResultsList();  // button 5
    void Toolbar_BookmarkList(); // button 6

    void LV_browse_Click();
    void LV_browse_bookmarks_Click();
    void LV_browse_MouseDown(Qt::MouseButton button, QPoint globalPos);
    void LV_browse_bookmarks_MouseDown(Qt::MouseButton button, QPoint globalPos);

    void mnu_addlijst_Click();
    void mnu_del_Click();
    void mnu_opslaan_Click();

    // The text a drag of the current row carries, "" when there is nothing to drag.
    QString LV_browse_OLEStartDrag();
    QString LV_browse_bookmarks_OLEStartDrag();

    const std::optional<FoodItem>& chosenResult() const { return m_chosenResult; }
    int chosenBookmarkRow() const { return m_chosenBookmarkRow; }

Q_SIGNALS:
    // A text for panel 2 of the status bar.
    void statusText(const QString& text);

protected:
    // Down in the search box goes on into the shown list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setSliderValue(int value);
    void stepWeight(int grams);
    void showWeightTexts(const QString& name);
    void setStatus(const QString& text);
    void showAnalysisError(const QString& code);

    const Settings& m_settings;
    const LanguageTables& m_lang;
    Messenger& m_messenger;
    ProblemPresenter m_problems;
    Bookmarks& m_bookmarks;
    const net::Connection& m_connection;
    DisplayControls m_c;
    ViewListMode m_viewListMode = ViewListMode::Results;
    ResultsModel m_results;
    BookmarksModel m_bookmarkRows;
    QIcon m_checkedIcon, m_uncheckedIcon;

    // The item last chosen in either list, also when it could not be drawn;
    // the slider redraws it.
    std::variant<std::monostate, FoodItem, Bookmark> m_chartItem;
    // The chosen row of each list, the item commands act on.
    std::optional<FoodItem> m_chosenResult;
    int m_chosenBookmarkRow = -1;

    bool m_settingSlider = false;
};
