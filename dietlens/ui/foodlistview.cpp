#include "dietlens/ui/foodlistview.h"

#include "dietlens/display/foodlists.h"
#include "widgets/rowtips.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

FoodListView::FoodListView(const QString& objectName, QWidget* parent) : QTreeView(parent)
{
    setObjectName(objectName);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setDragEnabled(false); // drags start here, with the row's text
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    // The icon column holds a bookmark's position as its text: painted only
    // where it fits whole beside the icon.
    ShowCutTextsAsToolTips(this, IconColumn);
}

void FoodListView::setModel(QAbstractItemModel* model)
{
    QTreeView::setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, &FoodListView::layOutColumns);
    connect(this, &QTreeView::clicked, this, &FoodListView::rowChosen);
    // A row made current and selected by the keyboard (or by code) is chosen
    // as a click would; a mouse press makes its row current before selecting
    // it and is handled by the click.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && selectionModel()->isSelected(current))
                    Q_EMIT rowChosen();
            });
}

void FoodListView::setNameColumnWidth(std::function<int(int listWidth)> width)
{
    m_nameColumnWidth = std::move(width);
}

void FoodListView::layOutColumns()
{
    if (model()->columnCount() < FoodListColumns)
        return;
    header()->resizeSection(IconColumn, Twips(320));
    header()->resizeSection(IdColumn, 0);
    header()->setSectionHidden(IdColumn, true);
    if (m_nameColumnWidth)
        header()->resizeSection(NameColumn, m_nameColumnWidth(width()));
}

int FoodListView::currentRow() const
{
    const QModelIndex current = currentIndex();
    return model() && model()->rowCount() > 0 && current.isValid() ? current.row() : -1;
}

bool FoodListView::enterFromSearchBox()
{
    if (!model() || model()->rowCount() == 0)
        return false;
    // Entering the list by focus alone marks its first row without choosing
    // it; what counts is a selected row.
    if (!selectionModel()->hasSelection()) {
        const QModelIndex first = model()->index(0, 0);
        const bool markedAlready = currentIndex().isValid() && currentIndex().row() == 0;
        setCurrentIndex(first);
        if (markedAlready) // no change of row, so nothing chose it yet
            Q_EMIT rowChosen();
    }
    setFocus(Qt::OtherFocusReason);
    return true;
}

void FoodListView::startDrag()
{
    const QString text = m_dragText ? m_dragText() : QString();
    if (text.isEmpty())
        return;
    auto* mime = new QMimeData;
    mime->setText(text);
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
}

bool FoodListView::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        // A key counts as a press of a mouse button: the commands follow the
        // list's rows before a row is chosen with the keys.
        Q_EMIT pressed(Qt::NoButton, {});
        // Space or Enter on the current row (one the keyboard reached without
        // moving, such as the first row on entering the list) chooses it.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = currentIndex();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && current.isValid() &&
            !selectionModel()->isSelected(current)) {
            selectionModel()->select(current,
                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            Q_EMIT rowChosen();
            return true;
        }
    } else if (event->type() == QEvent::ContextMenu &&
               static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        // The menu key (or Shift+F10) opens the Options menu at the current row.
        const QRect row = visualRect(currentIndex());
        Q_EMIT pressed(Qt::RightButton,
                       viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0)));
        return true;
    }
    return QTreeView::event(event);
}

bool FoodListView::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ContextMenu:
        return true; // the right button's press opens the Options menu
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QModelIndex index = indexAt(e->position().toPoint());
        if (e->button() == Qt::RightButton) {
            // The row under the pointer becomes the chosen one, so the menu
            // acts on the row the user sees selected.
            if (index.isValid() && index.row() != currentRow())
                setCurrentIndex(index);
            else if (index.isValid())
                Q_EMIT rowChosen();
            Q_EMIT pressed(Qt::RightButton, e->globalPosition().toPoint());
            return true;
        }
        Q_EMIT pressed(e->button(), e->globalPosition().toPoint());
        m_pressedOnRow = e->button() == Qt::LeftButton && index.isValid();
        m_pressPos = e->position().toPoint();
        break;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (!m_pressedOnRow || !(e->buttons() & Qt::LeftButton))
            break;
        if ((e->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_pressedOnRow = false;
            startDrag();
        }
        return true; // a press on a row drags it, it does not sweep the selection
    }
    case QEvent::MouseButtonRelease:
        m_pressedOnRow = false;
        break;
    default:
        break;
    }
    return QTreeView::viewportEvent(event);
}
