#include "dietlens/ui/nutritiondisplay.h"

#include "dietlens/core/appstate.h"
#include "dietlens/core/numbers.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/display/units.h"
#include "dietlens/ui/kit/rowtips.h"
#include "dietlens/ui/kit/twips.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/searchboxlook.h"
#include "lang/languagefile.h"
#include "lang/messenger.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QApplication>
#include <QDrag>
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

namespace {

// The hourglass for the length of one file operation. A message shown on
// the way gets the normal pointer.
class WaitCursor : public Messenger
{
public:
    explicit WaitCursor(Messenger& inner) : m_inner(inner)
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor() override { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    MessageAnswer message(const QString& title, const QString& text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok) override
    {
        QGuiApplication::restoreOverrideCursor();
        const MessageAnswer answer = m_inner.message(title, text, icon, buttons);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return answer;
    }
    QString saveFileName(const FileDialogRequest& request) override { return m_inner.saveFileName(request); }
    QString openFileName(const FileDialogRequest& request) override { return m_inner.openFileName(request); }

private:
    Messenger& m_inner;
};

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

NutritionDisplay::NutritionDisplay(AppState& state, Messenger& messenger, const DisplayControls& controls,
                                   QObject* parent)
    : QObject(parent), m_state(state), m_messenger(messenger), m_c(controls)
{
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
        ShowCutTextsAsToolTips(list);
    };
    watchList(m_c.LV_browse, &NutritionDisplay::LV_browse_Click);
    watchList(m_c.LV_browse_bookmarks, &NutritionDisplay::LV_browse_bookmarks_Click);
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
    if (!FileExists(m_state.BookmarksPath))
        return;
    WaitCursor wait(m_messenger);
    m_state.data.lst_fooditems = ReadBookmarks(m_state.BookmarksPath, m_state.lang, wait);
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
    return m_c.Pic_grafiek->draw(per100g, weightGrams, m_state, m_messenger);
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
    if (m_c.setStatusText)
        m_c.setStatusText(text);
}

void NutritionDisplay::showWeightTexts(const QString& name)
{
    if (!m_c.Slider || WeightUnitOf(m_state.settings.WeightUnit) == WeightUnitKind::Other)
        return;
    const QString weight = WeightText(QString::number(m_c.Slider->value()), m_state, m_messenger);
    const QString word = WeightUnitWord(m_state);
    m_c.Slider->setToolTip(weight + QLatin1Char(' ') + word);
    setStatus(name + QStringLiteral(" (") + weight + QLatin1Char(' ') + word + QLatin1Char(')'));
}

void NutritionDisplay::showAnalysisError(const QString& code)
{
    m_messenger.message(code, joinLines({m_state.F(1, 46), m_state.F(1, 47)}), MessageIcon::Critical);
}

void NutritionDisplay::showDragError(const QString& code)
{
    m_messenger.message(code, joinLines({m_state.F(1, 53), m_state.F(1, 54)}), MessageIcon::Critical);
}

void NutritionDisplay::Slider_Scroll()
{
    if (m_chartLayout == Layout::None) {
        // Nothing chosen yet: only the weight texts follow the slider.
        if (m_c.Slider && WeightUnitOf(m_state.settings.WeightUnit) != WeightUnitKind::Other)
            m_c.Slider->setToolTip(WeightText(QString::number(m_c.Slider->value()), m_state, m_messenger) +
                                   QLatin1Char(' ') + WeightUnitWord(m_state));
        return;
    }
    NutritionValues per100g;
    if (m_chartLayout == Layout::FoodItem) {
        per100g = ValuesFromFoodItem(m_chartRecord);
    } else {
        const std::optional<NutritionValues> v = ValuesFromBookmark(m_chartRecord);
        if (!v) {
            showAnalysisError(QStringLiteral("Error #113"));
            return;
        }
        per100g = *v;
    }
    if (!per100g.isFinite()) {
        showAnalysisError(QStringLiteral("Error #113"));
        return;
    }
    showWeightTexts(record::field(m_chartRecord, 0));
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
    if (m_state.ConnectionState != 1.0f)
        return;
    const double mode = Val(m_state.ViewListMode);
    if (mode != 0 && mode != 1)
        return;
    const bool results = mode == 0;
    if (m_c.LV_browse)
        m_c.LV_browse->setVisible(results);
    if (m_c.LV_browse_bookmarks)
        m_c.LV_browse_bookmarks->setVisible(!results);
    if (m_c.txt_item) {
        m_c.txt_item->setEnabled(results);
        PaintSearchBox(m_c.txt_item, results);
    }
    if (m_c.Pic_zoeken)
        m_c.Pic_zoeken->setVisible(results);
    if (m_c.Pic_zoeken_bw)
        m_c.Pic_zoeken_bw->setVisible(!results);
    if (m_c.mnu_addlijst)
        m_c.mnu_addlijst->setEnabled(results && rowCount(m_c.LV_browse) > 0);
    if (m_c.mnu_toevoegen)
        m_c.mnu_toevoegen->setEnabled(results);
    if (m_c.mnu_del)
        m_c.mnu_del->setEnabled(!results && rowCount(m_c.LV_browse_bookmarks) > 0);
    if (m_c.toolbarResults)
        m_c.toolbarResults->setChecked(results);
    if (m_c.toolbarBookmarks)
        m_c.toolbarBookmarks->setChecked(!results);
    if (m_c.toolbarAddFood)
        m_c.toolbarAddFood->setEnabled(results);
    if (m_c.toolbarBookmark)
        m_c.toolbarBookmark->setEnabled(results);
}

void NutritionDisplay::Toolbar_ResultsList()
{
    m_state.ViewListMode = QStringLiteral("0");
    Set_ViewList();
}

void NutritionDisplay::Toolbar_BookmarkList()
{
    m_state.ViewListMode = QStringLiteral("1");
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
    const QStringList& lines = m_state.data.lst_fooditems;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        m_state.data.temp_filter = record::splitFields(lines.at(i));
        const QStringList& f = m_state.data.temp_filter;
        auto* item = new QTreeWidgetItem(
            {QString::number(i), QString(),
             BookmarkLabel(record::field(f, 0), record::field(f, 2), m_state, m_messenger)});
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
    m_state.data.temp_filter = record::splitFields(m_state.data.lst_data.value(row));
    const QStringList& fields = m_state.data.temp_filter;
    m_chosenResult = fields;
    // The chosen record is the slider's even when it cannot be drawn: the
    // slider then fails on it rather than drawing an earlier choice.
    m_chartRecord = fields;
    m_chartLayout = Layout::FoodItem;
    const NutritionValues per100g = ValuesFromFoodItem(fields);
    if (!per100g.isFinite()) {
        showAnalysisError(QStringLiteral("Error #109"));
        return;
    }
    showWeightTexts(record::field(fields, 0));
    DrawNutritionChart(per100g);
}

void NutritionDisplay::LV_browse_bookmarks_Click()
{
    const int row = currentRow(m_c.LV_browse_bookmarks);
    if (row < 0)
        return;
    m_state.data.temp_filter = record::splitFields(m_state.data.lst_fooditems.value(row));
    const QStringList& fields = m_state.data.temp_filter;
    m_chosenBookmarkRow = row;
    m_chartRecord = fields;
    m_chartLayout = Layout::Bookmark;
    setStatus(BookmarkLabel(record::field(fields, 0), record::field(fields, 2), m_state, m_messenger));

    const std::optional<NutritionValues> per100g = ValuesFromBookmark(fields);
    const float weight = std::nearbyint(BookmarkWeight(fields)); // halves to even
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
    m_chosenResult.clear();
}

void NutritionDisplay::mnu_addlijst_Click()
{
    const QString name = record::field(m_chosenResult, 0);
    if (name.isEmpty() || rowCount(m_c.LV_browse) == 0 || !m_c.Slider)
        return;
    const int weight = m_c.Slider->value();
    const NutritionValues atWeight = ScaledToWeight(ValuesFromFoodItem(m_chosenResult), float(weight));
    const QString bookmark =
        BookmarkRecord(name, m_state.F(1, 51), float(weight), atWeight, m_state.F(1, 52));
    if (bookmark.isEmpty()) {
        showAnalysisError(QStringLiteral("Error #110"));
        return;
    }
    QStringList& buffer = m_state.data.lst_fooditems;
    buffer.append(bookmark);
    bool written = false;
    {
        WaitCursor wait(m_messenger);
        written = WriteBookmarks(m_state.BookmarksPath, buffer, m_state.lang, wait);
    }
    if (!written) {
        buffer.removeLast(); // the file still holds the list without it
        return;
    }
    m_messenger.message(m_state.ProgramName,
                        QLatin1Char('\'') + name + QStringLiteral("' ") + m_state.F(1, 77),
                        MessageIcon::NoIcon);
}

void NutritionDisplay::mnu_del_Click()
{
    const int row = m_chosenBookmarkRow;
    QStringList& buffer = m_state.data.lst_fooditems;
    if (rowCount(m_c.LV_browse_bookmarks) == 0 || row < 0 || row >= buffer.size())
        return;
    const QString removed = buffer.takeAt(row);
    bool written = false;
    {
        WaitCursor wait(m_messenger);
        written = WriteBookmarks(m_state.BookmarksPath, buffer, m_state.lang, wait);
    }
    if (!written) {
        buffer.insert(row, removed);
        return;
    }
    Fill_BookmarkList();
    Set_ViewList();
}

void NutritionDisplay::mnu_opslaan_Click()
{
    if (m_state.data.lst_fooditems.isEmpty()) {
        m_messenger.message(m_state.ProgramName, joinLines({m_state.F(1, 55), m_state.F(1, 56)}),
                            MessageIcon::Exclamation);
        return;
    }
    FileDialogRequest request;
    request.title = m_state.F(1, 57);
    request.startFolder = m_state.DatabaseFolder;
    request.filter = QStringLiteral("Menuvia FOOD Database file (*.dat)");
    const QString path = m_messenger.saveFileName(request);
    if (path.isEmpty() || path.contains(QLatin1Char('*')))
        return;
    WaitCursor wait(m_messenger);
    WriteBookmarks(path, m_state.data.lst_fooditems, m_state.lang, wait);
}

QString NutritionDisplay::LV_browse_OLEStartDrag()
{
    const int row = currentRow(m_c.LV_browse);
    if (row < 0 || !m_c.Slider)
        return {};
    m_state.data.temp_filter = record::splitFields(m_state.data.lst_data.value(row));
    const QStringList& f = m_state.data.temp_filter;
    const int weight = m_c.Slider->value();
    const QString text = DragText(record::field(f, 0), m_state.F(1, 51), float(weight),
                                  ScaledToWeight(ValuesFromFoodItem(f), float(weight)), m_state.F(1, 52));
    if (text.isEmpty())
        showDragError(QStringLiteral("Error #107"));
    return text;
}

QString NutritionDisplay::LV_browse_bookmarks_OLEStartDrag()
{
    const int row = currentRow(m_c.LV_browse_bookmarks);
    if (row < 0)
        return {};
    m_state.data.temp_filter = record::splitFields(m_state.data.lst_fooditems.value(row));
    const QStringList& f = m_state.data.temp_filter;
    const QString text = DragText(record::field(f, 0), record::field(f, 1), BookmarkWeight(f),
                                  StoredBookmarkValues(f), record::field(f, 11));
    if (text.isEmpty())
        showDragError(QStringLiteral("Error #106"));
    return text;
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
            list->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
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
