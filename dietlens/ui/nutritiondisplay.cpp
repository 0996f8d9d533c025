#include "dietlens/ui/nutritiondisplay.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/settings.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/display/units.h"
#include "dietlens/display/viewlist.h"
#include "dietlens/net/connection.h"
#include "dietlens/ui/bookmarkcommands.h"
#include "dietlens/ui/coreicons.h"
#include "dietlens/ui/foodlistview.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/problempresenter.h"
#include "dietlens/ui/searchboxlook.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "lang/messenger.h"
#include "widgets/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <exception>

NutritionDisplay::NutritionDisplay(const Settings& settings, const LanguageTables& lang, Messenger& messenger,
                                   Bookmarks& bookmarks, const net::Connection& connection,
                                   const DisplayControls& controls, QObject* parent)
    : QObject(parent), m_settings(settings), m_lang(lang), m_messenger(messenger),
      m_problems(lang, messenger), m_bookmarks(bookmarks), m_connection(connection), m_c(controls),
      m_checkedIcon(StatusSquare(QColor(40, 180, 40))), m_uncheckedIcon(StatusSquare(QColor(220, 40, 40)))
{
    // The hourglass while the bookmarks read or write a file.
    connect(&m_bookmarks, &Bookmarks::fileWorkStarted, this,
            [] { QGuiApplication::setOverrideCursor(Qt::WaitCursor); });
    connect(&m_bookmarks, &Bookmarks::fileWorkEnded, this, [] { QGuiApplication::restoreOverrideCursor(); });
    if (QSlider* slider = m_c.Slider) {
        // Vertical with the lightest weight at the top: the thumb moves down
        // as the weight grows, and the Down key adds weight.
        slider->setOrientation(Qt::Vertical);
        slider->setInvertedAppearance(true);
        slider->setInvertedControls(true);
        slider->setTickPosition(QSlider::NoTicks);
        slider->setSingleStep(10);
        slider->setPageStep(10);
        slider->setRange(kMinWeight, kMaxWeight);
        setSliderValue(kStartWeight);
        // Only the user's moves redraw; values set by code do not.
        connect(slider, &QSlider::valueChanged, this, [this] {
            if (!m_settingSlider)
                Slider_Scroll();
        });
    }
    if (m_c.Pic_plus)
        connect(m_c.Pic_plus, &QAbstractButton::clicked, this, &NutritionDisplay::Pic_plus_Click);
    if (m_c.Pic_min)
        connect(m_c.Pic_min, &QAbstractButton::clicked, this, &NutritionDisplay::Pic_min_Click);

    m_results.setStatusIcons(m_checkedIcon, m_uncheckedIcon);
    m_bookmarkRows.setRowIcon(BookmarkRowIcon());
    // The chosen search result goes with the rows it came from.
    connect(&m_results, &QAbstractItemModel::modelReset, this, [this] { m_chosenResult.reset(); });
    const auto watchList = [this](FoodListView* list, QAbstractItemModel& model,
                                  void (NutritionDisplay::*choose)(),
                                  void (NutritionDisplay::*pressed)(Qt::MouseButton, QPoint),
                                  QString (NutritionDisplay::*dragText)()) {
        if (!list)
            return;
        list->setModel(&model);
        connect(list, &FoodListView::rowChosen, this, choose);
        connect(list, &FoodListView::pressed, this, pressed);
        list->setDragText([this, dragText] { return (this->*dragText)(); });
    };
    watchList(m_c.LV_browse, m_results, &NutritionDisplay::LV_browse_Click,
              &NutritionDisplay::LV_browse_MouseDown, &NutritionDisplay::LV_browse_OLEStartDrag);
    watchList(m_c.LV_browse_bookmarks, m_bookmarkRows, &NutritionDisplay::LV_browse_bookmarks_Click,
              &NutritionDisplay::LV_browse_bookmarks_MouseDown,
              &NutritionDisplay::LV_browse_bookmarks_OLEStartDrag);
    if (m_c.LV_browse)
        m_c.LV_browse->setNameColumnWidth(
            [](int listWidth) { return Twips(PixelsToTwips(listWidth) - 320 - 320); });
    if (m_c.LV_browse_bookmarks)
        m_c.LV_browse_bookmarks->setNameColumnWidth(
            [](int listWidth) { return std::max(0, listWidth - 2 * Twips(320)); });
    if (m_c.txt_item && m_c.LV_browse && m_c.LV_browse_bookmarks)
        m_c.txt_item->installEventFilter(this);
}

void NutritionDisplay::ReadBookmarksAtStartup()
{
    m_problems.show(m_bookmarks.ReadBookmarks().problems);
}

void NutritionDisplay::DrawStartChart()
{
    DrawNutritionChart(NutritionValues{540, 540, 1, 1, 1, 1, 1});
}

ChartDrawing NutritionDisplay::DrawNutritionChart(const NutritionValues& per100g)
{
    return DrawNutritionChart(per100g, m_c.Slider ? m_c.Slider->value() : kStartWeight);
}

ChartDrawing NutritionDisplay::DrawNutritionChart(const NutritionValues& per100g, int weightGrams)
{
    if (!m_c.Pic_grafiek)
        return ChartDrawing::Skipped;
    return m_c.Pic_grafiek->draw(per100g, weightGrams, m_settings, m_lang, m_messenger);
}

void NutritionDisplay::setSliderValue(int value)
{
    if (!m_c.Slider)
        return;
    m_settingSlider = true;
    m_c.Slider->setValue(value);
    m_settingSlider = false;
}

void NutritionDisplay::setStatus(const QString& text)
{
    Q_EMIT statusText(text.left(ResultsModel::kMaxShownText));
}

void NutritionDisplay::showWeightTexts(const QString& name)
{
    if (!m_c.Slider || WeightUnitOf(m_settings.WeightUnit) == WeightUnitKind::Other)
        return;
    const QString weight = m_problems.take(WeightText(QString::number(m_c.Slider->value()), m_settings));
    const QString word = WeightUnitWord(m_settings, m_lang);
    m_c.Slider->setToolTip(weight + QLatin1Char(' ') + word);
    setStatus(name + QStringLiteral(" (") + weight + QLatin1Char(' ') + word + QLatin1Char(')'));
}

void NutritionDisplay::showAnalysisError(const QString& code)
{
    m_problems.show(Problem{ProblemKind::AnalysisFailed, code});
}

void NutritionDisplay::Slider_Scroll()
{
    if (std::holds_alternative<std::monostate>(m_chartItem)) {
        // Nothing chosen yet: only the weight texts follow the slider.
        if (m_c.Slider && WeightUnitOf(m_settings.WeightUnit) != WeightUnitKind::Other)
            m_c.Slider->setToolTip(
                m_problems.take(WeightText(QString::number(m_c.Slider->value()), m_settings)) +
                QLatin1Char(' ') + WeightUnitWord(m_settings, m_lang));
        return;
    }
    NutritionValues per100g;
    QString name;
    if (const auto* food = std::get_if<FoodItem>(&m_chartItem)) {
        per100g = food->per100g;
        name = food->name;
    } else {
        const Bookmark& bookmark = std::get<Bookmark>(m_chartItem);
        const std::optional<NutritionValues> v = bookmark.per100g();
        if (!v) {
            showAnalysisError(QStringLiteral("Error #113"));
            return;
        }
        per100g = *v;
        name = bookmark.name;
    }
    if (!per100g.isFinite()) {
        showAnalysisError(QStringLiteral("Error #113"));
        return;
    }
    showWeightTexts(name);
    DrawNutritionChart(per100g);
}

void NutritionDisplay::stepWeight(int grams)
{
    if (!m_c.Slider)
        return;
    const int before = m_c.Slider->value();
    setSliderValue(std::clamp(before + grams, kMinWeight, kMaxWeight));
    if (m_c.Slider->value() != before)
        Slider_Scroll();
}

void NutritionDisplay::Pic_plus_Click()
{
    stepWeight(-1);
}

void NutritionDisplay::Pic_min_Click()
{
    stepWeight(+1);
}

void NutritionDisplay::Set_ViewList()
{
    const std::optional<ViewListLook> look = ViewListLookFor(m_connection.isConnected(), m_viewListMode,
                                                             m_results.rowCount(), m_bookmarkRows.rowCount());
    if (!look)
        return;
    if (m_c.LV_browse)
        m_c.LV_browse->setVisible(look->resultsShown);
    if (m_c.LV_browse_bookmarks)
        m_c.LV_browse_bookmarks->setVisible(!look->resultsShown);
    if (m_c.txt_item) {
        m_c.txt_item->setEnabled(look->searchEnabled);
        PaintSearchBox(m_c.txt_item, look->searchEnabled);
    }
    if (m_c.Pic_zoeken)
        m_c.Pic_zoeken->setVisible(look->searchEnabled);
    if (m_c.Pic_zoeken_bw)
        m_c.Pic_zoeken_bw->setVisible(!look->searchEnabled);
    if (m_c.mnu_addlijst)
        m_c.mnu_addlijst->setEnabled(look->addToBookmarks);
    if (m_c.mnu_toevoegen)
        m_c.mnu_toevoegen->setEnabled(look->addFoodItem);
    if (m_c.mnu_del)
        m_c.mnu_del->setEnabled(look->removeBookmark);
    if (m_c.toolbarResults)
        m_c.toolbarResults->setChecked(look->resultsShown);
    if (m_c.toolbarBookmarks)
        m_c.toolbarBookmarks->setChecked(!look->resultsShown);
    if (m_c.toolbarAddFood)
        m_c.toolbarAddFood->setEnabled(look->addButtons);
    if (m_c.toolbarBookmark)
        m_c.toolbarBookmark->setEnabled(look->addButtons);
}

void NutritionDisplay::Toolbar_ResultsList()
{
    m_viewListMode = ViewListMode::Results;
    Set_ViewList();
}

void NutritionDisplay::Toolbar_BookmarkList()
{
    m_viewListMode = ViewListMode::Bookmarks;
    Fill_BookmarkList();
    Set_ViewList();
}

void NutritionDisplay::Fill_BookmarkList()
{
    m_chosenBookmarkRow = -1;
    QStringList labels;
    const qsizetype count = m_bookmarks.records().size();
    for (qsizetype i = 0; i < count; ++i) {
        const Bookmark bookmark = m_bookmarks.bookmark(int(i));
        labels.append(m_problems.take(BookmarkLabel(bookmark.name, bookmark.weight, m_settings, m_lang)));
    }
    m_bookmarkRows.show(labels);
}

void NutritionDisplay::LV_browse_Click()
{
    const int row = m_c.LV_browse ? m_c.LV_browse->currentRow() : -1;
    if (row < 0)
        return;
    const FoodItem item = m_results.item(row);
    m_chosenResult = item;
    // The chosen item is the slider's even when it cannot be drawn: the
    // slider then fails on it rather than drawing an earlier choice.
    m_chartItem = item;
    if (!item.per100g.isFinite()) {
        showAnalysisError(QStringLiteral("Error #109"));
        return;
    }
    showWeightTexts(item.name);
    DrawNutritionChart(item.per100g);
}

void NutritionDisplay::LV_browse_bookmarks_Click()
{
    const int row = m_c.LV_browse_bookmarks ? m_c.LV_browse_bookmarks->currentRow() : -1;
    if (row < 0)
        return;
    const Bookmark bookmark = m_bookmarks.bookmark(row);
    m_chosenBookmarkRow = row;
    m_chartItem = bookmark;
    setStatus(m_problems.take(BookmarkLabel(bookmark.name, bookmark.weight, m_settings, m_lang)));

    const std::optional<NutritionValues> per100g = bookmark.per100g();
    const float weight = std::nearbyint(bookmark.weightGrams()); // halves to even
    if (!per100g || !(std::fabs(weight) < 1.0e9f)) {
        showAnalysisError(QStringLiteral("Error #108"));
        return;
    }
    // The slider shows the stored weight; one it cannot take puts the thumb
    // at the nearest end while the chart shows the stored amount.
    const int grams = int(weight);
    setSliderValue(std::clamp(grams, kMinWeight, kMaxWeight));
    DrawNutritionChart(*per100g, grams);
}

void NutritionDisplay::LV_browse_MouseDown(Qt::MouseButton button, QPoint globalPos)
{
    Set_ViewList();
    if (button == Qt::RightButton && m_c.mnu_opties)
        m_c.mnu_opties->popup(globalPos);
}

void NutritionDisplay::LV_browse_bookmarks_MouseDown(Qt::MouseButton button, QPoint globalPos)
{
    LV_browse_MouseDown(button, globalPos);
}

void NutritionDisplay::mnu_addlijst_Click()
{
    if (m_results.rowCount() == 0 || !m_c.Slider)
        return;
    addBookmark(m_bookmarks, m_chosenResult.value_or(FoodItem()), m_c.Slider->value(), m_problems);
}

void NutritionDisplay::mnu_del_Click()
{
    if (m_bookmarkRows.rowCount() == 0 || !removeBookmark(m_bookmarks, m_chosenBookmarkRow, m_problems))
        return;
    Fill_BookmarkList();
    Set_ViewList();
}

void NutritionDisplay::mnu_opslaan_Click()
{
    exportBookmarks(m_bookmarks, m_problems);
}

QString NutritionDisplay::LV_browse_OLEStartDrag()
{
    const int row = m_c.LV_browse ? m_c.LV_browse->currentRow() : -1;
    if (row < 0 || !m_c.Slider)
        return {};
    return m_problems.take(m_bookmarks.ResultDragText(m_results.item(row), m_c.Slider->value()));
}

QString NutritionDisplay::LV_browse_bookmarks_OLEStartDrag()
{
    const int row = m_c.LV_browse_bookmarks ? m_c.LV_browse_bookmarks->currentRow() : -1;
    if (row < 0)
        return {};
    return m_problems.take(m_bookmarks.DragText(row));
}

void NutritionDisplay::ClearResultsList()
{
    m_results.hideRows();
}

void NutritionDisplay::ClearResults()
{
    m_results.clear();
}

void NutritionDisplay::ShowSearchResults(const std::vector<FoodItem>& items)
{
    try {
        m_results.show(items);
    } catch (const std::exception&) {
        showAnalysisError(QStringLiteral("Error #103"));
    }
}

bool NutritionDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_c.txt_item || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    // Down from the search box goes on into the shown list, choosing its
    // first row when none is chosen yet, so the results can be read by
    // keyboard right after a search.
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Down || key->modifiers() != Qt::NoModifier)
        return false;
    FoodListView* list = m_c.LV_browse->isVisible() || !m_c.LV_browse_bookmarks->isVisible()
                             ? m_c.LV_browse
                             : m_c.LV_browse_bookmarks;
    return list->enterFromSearchBox();
}
