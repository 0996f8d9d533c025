#pragma once
// The controls of dietlens' main window, found by their names, for the tests
// that drive the window. Header only, like the window it serves.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

namespace testsupport {

template <typename T> T* control(const QObject& window, const char* name)
{
    auto* c = window.findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

inline QLineEdit* txt_item(const QWidget& w)
{
    return control<QLineEdit>(w, "txt_item");
}
inline QToolButton* Pic_zoeken(const QWidget& w)
{
    return control<QToolButton>(w, "Pic_zoeken");
}
inline QLabel* Pic_zoeken_bw(const QWidget& w)
{
    return control<QLabel>(w, "Pic_zoeken_bw");
}
inline QTreeView* LV_browse(const QWidget& w)
{
    return control<QTreeView>(w, "LV_browse");
}
inline QTreeView* LV_browse_bookmarks(const QWidget& w)
{
    return control<QTreeView>(w, "LV_browse_bookmarks");
}
inline QSlider* Slider(const QWidget& w)
{
    return control<QSlider>(w, "Slider");
}
inline QToolButton* Pic_plus(const QWidget& w)
{
    return control<QToolButton>(w, "Pic_plus");
}
inline QToolButton* Pic_min(const QWidget& w)
{
    return control<QToolButton>(w, "Pic_min");
}
inline QToolBar* Toolbar(const QWidget& w)
{
    return control<QToolBar>(w, "Toolbar");
}
inline QWidget* Pic_grafiek(const QWidget& w)
{
    return control<QWidget>(w, "Pic_grafiek");
}

// Toolbar positions 1 to 11 (1, 4, 7 and 10 are separators), status panels 1 to 3.
inline QAction* toolbarButton(const QWidget& w, int position)
{
    return control<QAction>(w, QStringLiteral("Toolbar_Button%1").arg(position).toLatin1().constData());
}
inline QLabel* statusPanel(const QWidget& w, int panel)
{
    return control<QLabel>(w, QStringLiteral("StatusBar_Panel%1").arg(panel).toLatin1().constData());
}
inline QAction* menuAction(const QWidget& w, const QString& name)
{
    return control<QAction>(w, name.toLatin1().constData());
}
inline QMenu* menu(const QWidget& w, const QString& name)
{
    return control<QMenu>(w, name.toLatin1().constData());
}

// A list's rows, read through its model.
inline int rowCount(const QTreeView* list)
{
    return list->model() ? list->model()->rowCount() : 0;
}
inline QString cellText(const QTreeView* list, int row, int column)
{
    return list->model()->index(row, column).data().toString();
}
inline QIcon rowIcon(const QTreeView* list, int row)
{
    return list->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
}
// The row across all its columns, in viewport coordinates.
inline QRect rowRect(const QTreeView* list, int row)
{
    const QAbstractItemModel* model = list->model();
    return list->visualRect(model->index(row, 0))
        .united(list->visualRect(model->index(row, model->columnCount() - 1)));
}
inline int currentRow(const QTreeView* list)
{
    return list->currentIndex().isValid() ? list->currentIndex().row() : -1;
}
inline void setCurrentRow(QTreeView* list, int row)
{
    list->setCurrentIndex(row < 0 ? QModelIndex() : list->model()->index(row, 0));
}

} // namespace testsupport
