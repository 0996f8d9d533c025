#include "dietlens/ui/nutritiondisplay.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/settings.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/display/units.h"
#include "dietlens/display/viewlist.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/net/connection.h"
#include "dietlens/ui/bookmarkcommands.h"
#include "dietlens/ui/coreicons.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/problempresenter.h"
#include "dietlens/ui/searchboxlook.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "lang/messenger.h"
#include "widgets/rowtips.h"
#include "widgets/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSlider>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

int rowCount(const QTreeWidget* list)
{
    return list ? list->topLevelItemCount() : 0;
}

// The row icon of a bookmark: a small ribbon.
QIcon bookmarkIcon()
{
    static const QIcon icon = [] {
        QPixmap pixmap(32, 32);
        pixmap.setDevicePixelRatio(2);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath ribbon;
        ribbon.moveTo(4, 1.5);
        ribbon.lineTo(12, 1.5);
        ribbon.lineTo(12, 14.5);
        ribbon.lineTo(8, 10.5);
        ribbon.lineTo(4, 14.5);
        ribbon.closeSubpath();
        p.setPen(QPen(QColor(20, 60, 140), 1));
        p.setBrush(QColor(60, 120, 220));
        p.drawPath(ribbon);
        return QIcon(pixmap);
    }();
    return icon;
}

} // namespace

NutritionDisplay::NutritionDisplay(const Settings& settings, const LanguageTables& lang, Messenger& messenger,
                                   Bookmarks& bookmarks, const net::Connection& connection,
                                   const DisplayControls& controls, QObject* parent)
    : QObject(parent), m_settings(settings), m_lang(lang), m_messenger(messenger), m_bookmarks(bookmarks),
      m_connection(connection), m_c(controls), m_checkedIcon(StatusSquare(QColor(40, 180, 40))),
      m_uncheckedIcon(StatusSquare(QColor(220, 40, 40)))
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

    const auto watchList = [this](QTreeWidget* list, void (NutritionDisplay::*choose)()) {
        if (!list)
            return;
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setDragEnabled(false); // drags start here, with the row's text
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        connect(list, &QTreeWidget::clicked, this, [this, choose] { (this->*choose)(); });
        // A row made current and selected by the keyboard (or by code) is
        // chosen as a click would; a mouse press makes its row current before
        // selecting it and is handled by the click.
        connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, list, choose](const QModelIndex& current) {
                    if (current.isValid() && list->selectionModel()->isSelected(current))
                        (this->*choose)();
                });
        // The 320-twip icon column holds the bookmark's position as its
        // text: painted only where it fits whole beside the icon.
        ShowCutTextsAsToolTips(list, 0);
    };
    watchList(m_c.LV_browse, &NutritionDisplay::LV_browse_Click);
    watchList(m_c.LV_browse_bookmarks, &NutritionDisplay::LV_browse_bookmarks_Click);
    if (m_c.txt_item && m_c.LV_browse && m_c.LV_browse_bookmarks)
        m_c.txt_item->installEventFilter(this);
    if (m_c.LV_browse)
        m_resultsViewport = m_c.LV_browse->viewport();
    if (m_c.LV_browse_bookmarks)
        m_bookmarksViewport = m_c.LV_browse_bookmarks->viewport();
    if (m_c.LV_browse) {
        QAbstractItemModel* model = m_c.LV_browse->model();
        connect(model, &QAbstractItemModel::modelReset, this, &NutritionDisplay::ResultsListRebuilt);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &NutritionDisplay::ResultsListRebuilt);
    }
}

void NutritionDisplay::ReadBookmarksAtStartup()
{
    ProblemPresenter(m_lang, m_messenger).show(m_bookmarks.ReadBookmarks().problems);
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
    Q_EMIT statusText(text.left(kMaxShownText));
}

void NutritionDisplay::showWeightTexts(const QString& name)
{
    if (!m_c.Slider || WeightUnitOf(m_settings.WeightUnit) == WeightUnitKind::Other)
        return;
    const QString weight = ProblemPresenter(m_lang, m_messenger)
                               .take(WeightText(QString::number(m_c.Slider->value()), m_settings));
    const QString word = WeightUnitWord(m_settings, m_lang);
    m_c.Slider->setToolTip(weight + QLatin1Char(' ') + word);
    setStatus(name + QStringLiteral(" (") + weight + QLatin1Char(' ') + word + QLatin1Char(')'));
}

void NutritionDisplay::showAnalysisError(const QString& code)
{
    m_messenger.message(code,
                        joinLines({m_lang.at(text::Main::AnErrorOccurredWhileAnalysing),
                                   m_lang.at(text::Main::PleaseContactQuelmarWhenThis47)}),
                        MessageIcon::Critical);
}

void NutritionDisplay::Slider_Scroll()
{
    if (std::holds_alternative<std::monostate>(m_chartItem)) {
        // Nothing chosen yet: only the weight texts follow the slider.
        if (m_c.Slider && WeightUnitOf(m_settings.WeightUnit) != WeightUnitKind::Other)
            m_c.Slider->setToolTip(ProblemPresenter(m_lang, m_messenger)
                                       .take(WeightText(QString::number(m_c.Slider->value()), m_settings)) +
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
    const std::optional<ViewListLook> look =
        ViewListLookFor(m_connection.isConnected(), m_viewListMode, rowCount(m_c.LV_browse),
                        rowCount(m_c.LV_browse_bookmarks));
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
    m_viewListMode = QStringLiteral("0");
    Set_ViewList();
}

void NutritionDisplay::Toolbar_BookmarkList()
{
    m_viewListMode = QStringLiteral("1");
    Fill_BookmarkList();
    Set_ViewList();
}

void NutritionDisplay::Fill_BookmarkList()
{
    QTreeWidget* list = m_c.LV_browse_bookmarks;
    if (!list)
        return;
    m_chosenBookmarkRow = -1;
    list->clear();
    list->setColumnCount(3);
    list->setHeaderLabels({QString(), QStringLiteral("ID"), QStringLiteral("NM")});
    const int iconColumn = Twips(320);
    list->setColumnWidth(0, iconColumn);
    list->setColumnWidth(1, 0);
    list->setColumnHidden(1, true);
    list->setColumnWidth(2, std::max(0, list->width() - 2 * iconColumn));

    QList<QTreeWidgetItem*> items;
    const qsizetype count = m_bookmarks.records().size();
    for (qsizetype i = 0; i < count; ++i) {
        const Bookmark bookmark = m_bookmarks.bookmark(int(i));
        auto* item = new QTreeWidgetItem(
            {QString::number(i), QString(),
             ProblemPresenter(m_lang, m_messenger)
                 .take(BookmarkLabel(bookmark.name, bookmark.weight, m_settings, m_lang))});
        item->setIcon(0, bookmarkIcon());
        items.append(item);
    }
    list->addTopLevelItems(items);
}

int NutritionDisplay::currentRow(QTreeWidget* list) const
{
    if (!list || list->topLevelItemCount() == 0)
        return -1;
    const QModelIndex current = list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void NutritionDisplay::LV_browse_Click()
{
    const int row = currentRow(m_c.LV_browse);
    if (row < 0)
        return;
    const FoodItem item = size_t(row) < m_results.size() ? m_results[size_t(row)] : FoodItem();
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
    const int row = currentRow(m_c.LV_browse_bookmarks);
    if (row < 0)
        return;
    const Bookmark bookmark = m_bookmarks.bookmark(row);
    m_chosenBookmarkRow = row;
    m_chartItem = bookmark;
    setStatus(ProblemPresenter(m_lang, m_messenger)
                  .take(BookmarkLabel(bookmark.name, bookmark.weight, m_settings, m_lang)));

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

void NutritionDisplay::ResultsListRebuilt()
{
    m_chosenResult.reset();
}

void NutritionDisplay::mnu_addlijst_Click()
{
    if (rowCount(m_c.LV_browse) == 0 || !m_c.Slider)
        return;
    addBookmark(m_bookmarks, m_chosenResult.value_or(FoodItem()), m_c.Slider->value(),
                ProblemPresenter(m_lang, m_messenger));
}

void NutritionDisplay::mnu_del_Click()
{
    if (rowCount(m_c.LV_browse_bookmarks) == 0 ||
        !removeBookmark(m_bookmarks, m_chosenBookmarkRow, ProblemPresenter(m_lang, m_messenger)))
        return;
    Fill_BookmarkList();
    Set_ViewList();
}

void NutritionDisplay::mnu_opslaan_Click()
{
    exportBookmarks(m_bookmarks, ProblemPresenter(m_lang, m_messenger));
}

QString NutritionDisplay::LV_browse_OLEStartDrag()
{
    const int row = currentRow(m_c.LV_browse);
    if (row < 0 || !m_c.Slider)
        return {};
    return ProblemPresenter(m_lang, m_messenger)
        .take(m_bookmarks.ResultDragText(size_t(row) < m_results.size() ? m_results[size_t(row)] : FoodItem(),
                                         m_c.Slider->value()));
}

QString NutritionDisplay::LV_browse_bookmarks_OLEStartDrag()
{
    const int row = currentRow(m_c.LV_browse_bookmarks);
    if (row < 0)
        return {};
    return ProblemPresenter(m_lang, m_messenger).take(m_bookmarks.DragText(row));
}

void NutritionDisplay::ClearResultsList()
{
    if (m_c.LV_browse) {
        m_c.LV_browse->clear();
        m_c.LV_browse->setColumnCount(0);
    }
}

void NutritionDisplay::ClearResults()
{
    m_results.clear();
    ClearResultsList();
}

void NutritionDisplay::ShowSearchResults(const std::vector<FoodItem>& items)
{
    QTreeWidget* list = m_c.LV_browse;
    m_results = items;
    if (!list)
        return;
    try {
        list->clear();
        list->setColumnCount(0);
        list->setHeaderLabels({QString(), QStringLiteral("ID"), QStringLiteral("NM")});
        list->header()->resizeSection(0, Twips(320));
        list->header()->resizeSection(1, 0);
        list->header()->setSectionHidden(1, true);
        list->header()->resizeSection(2, Twips(PixelsToTwips(list->width()) - 320 - 320));

        QList<QTreeWidgetItem*> rows;
        rows.reserve(qsizetype(items.size()));
        for (const FoodItem& item : items) {
            auto* row = new QTreeWidgetItem;
            switch (item.status) {
            case FoodStatus::Checked:
                row->setIcon(0, m_checkedIcon);
                break;
            case FoodStatus::Unchecked:
                row->setIcon(0, m_uncheckedIcon);
                break;
            case FoodStatus::Unknown:
                break; // no icon rather than a neighbour's
            }
            row->setText(2, item.name.left(kMaxShownText));
            rows.append(row);
        }
        list->addTopLevelItems(rows);
    } catch (const std::exception&) {
        showAnalysisError(QStringLiteral("Error #103"));
    }
}

void NutritionDisplay::startDrag(QTreeWidget* list)
{
    const QString text =
        list == m_c.LV_browse ? LV_browse_OLEStartDrag() : LV_browse_bookmarks_OLEStartDrag();
    if (text.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setText(text);
    auto* drag = new QDrag(list);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

bool NutritionDisplay::isResultsViewport(QObject* o) const
{
    return m_resultsViewport && o == m_resultsViewport;
}

bool NutritionDisplay::isBookmarksViewport(QObject* o) const
{
    return m_bookmarksViewport && o == m_bookmarksViewport;
}

bool NutritionDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_c.txt_item && event->type() == QEvent::KeyPress) {
        // Down from the search box goes on into the shown list, choosing its
        // first row when none is chosen yet, so the results can be read by
        // keyboard right after a search.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Down || key->modifiers() != Qt::NoModifier)
            return false;
        QTreeWidget* list = m_c.LV_browse->isVisible() || !m_c.LV_browse_bookmarks->isVisible()
                                ? m_c.LV_browse
                                : m_c.LV_browse_bookmarks;
        if (list->topLevelItemCount() == 0)
            return false;
        // Entering the list by focus alone marks its first row without
        // choosing it; what counts is a selected row.
        if (list->selectedItems().isEmpty()) {
            QTreeWidgetItem* first = list->topLevelItem(0);
            const bool markedAlready = list->currentItem() == first;
            list->setCurrentItem(first);
            if (markedAlready) // no change of row, so nothing chose it yet
                list == m_c.LV_browse ? LV_browse_Click() : LV_browse_bookmarks_Click();
        }
        list->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // A key pressed in a list counts as a press of a mouse button there: the
    // commands follow the list's rows before a row is chosen with the keys.
    if (event->type() == QEvent::KeyPress &&
        (watched == m_c.LV_browse || watched == m_c.LV_browse_bookmarks)) {
        Set_ViewList();
        // Space or Enter on the current row (one the keyboard reached without
        // moving, such as the first row on entering the list) chooses it.
        auto* list = static_cast<QTreeWidget*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = list->currentIndex();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && current.isValid() &&
            !list->selectionModel()->isSelected(current)) {
            list->selectionModel()->select(current,
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            list == m_c.LV_browse ? LV_browse_Click() : LV_browse_bookmarks_Click();
            return true;
        }
        return false;
    }
    // The menu key (or Shift+F10) in a list opens the Options menu at its
    // current row, as the right button does at the pointer.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard &&
        (watched == m_c.LV_browse || watched == m_c.LV_browse_bookmarks)) {
        auto* list = static_cast<QTreeWidget*>(watched);
        const QRect row = list->visualRect(list->currentIndex());
        const QPoint at = list->viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0));
        list == m_c.LV_browse ? LV_browse_MouseDown(Qt::RightButton, at)
                              : LV_browse_bookmarks_MouseDown(Qt::RightButton, at);
        return true;
    }
    const bool results = isResultsViewport(watched);
    if (!results && !isBookmarksViewport(watched))
        return QObject::eventFilter(watched, event);
    QTreeWidget* list = results ? m_c.LV_browse : m_c.LV_browse_bookmarks;

    switch (event->type()) {
    case QEvent::ContextMenu:
        return true; // the right button's press opens the Options menu
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QModelIndex index = list->indexAt(e->position().toPoint());
        if (e->button() == Qt::RightButton) {
            // The row under the pointer becomes the chosen one, so the menu
            // acts on the row the user sees selected.
            if (index.isValid() && index.row() != currentRow(list))
                list->setCurrentIndex(index);
            else if (index.isValid())
                results ? LV_browse_Click() : LV_browse_bookmarks_Click();
            results ? LV_browse_MouseDown(Qt::RightButton, e->globalPosition().toPoint())
                    : LV_browse_bookmarks_MouseDown(Qt::RightButton, e->globalPosition().toPoint());
            return true;
        }
        results ? LV_browse_MouseDown(e->button(), e->globalPosition().toPoint())
                : LV_browse_bookmarks_MouseDown(e->button(), e->globalPosition().toPoint());
        if (e->button() == Qt::LeftButton && index.isValid()) {
            m_pressedViewport = list->viewport();
            m_pressPos = e->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (m_pressedViewport != watched || !(e->buttons() & Qt::LeftButton))
            return false;
        if ((e->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_pressedViewport = nullptr;
            startDrag(list);
        }
        return true; // a press on a row drags it, it does not sweep the selection
    }
    case QEvent::MouseButtonRelease:
        m_pressedViewport = nullptr;
        return false;
    default:
        return false;
    }
}
