#pragma once
// One of the main window's two food lists (LV_browse, LV_browse_bookmarks)
// over its model: a row is chosen by a click, by the keyboard, or by Space or
// Enter on the current row; any key or mouse button pressed in the list
// counts as a press there; the right button chooses the row under the pointer
// and, like the menu key at the current row, asks for the Options menu; a
// press on a row and a move drags the row's text.
#include <QPoint>
#include <QTreeView>

#include <functional>

class FoodListView : public QTreeView
{
    Q_OBJECT
public:
    explicit FoodListView(const QString& objectName, QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    // The width of the name column for a list width in pixels; the icon
    // column is 320 twips, the ID column hidden. Applied whenever the model
    // lists its columns anew.
    void setNameColumnWidth(std::function<int(int listWidth)> width);
    // The text a drag of the current row carries; "" drags nothing.
    void setDragText(std::function<QString()> text) { m_dragText = std::move(text); }

    int currentRow() const;
    // Down from the search box: the list takes the keyboard, choosing its
    // first row when none is chosen yet. False when it has no rows.
    bool enterFromSearchBox();

Q_SIGNALS:
    // The current row was chosen.
    void rowChosen();
    // A key or mouse button was pressed in the list; the right button and the
    // menu key ask for the Options menu at `globalPos`.
    void pressed(Qt::MouseButton button, QPoint globalPos);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void layOutColumns();
    void startDrag();

    std::function<int(int)> m_nameColumnWidth;
    std::function<QString()> m_dragText;
    bool m_pressedOnRow = false;
    QPoint m_pressPos;
};
