#pragma once
// The two lists of the main window as item models: the food items of the
// last search and the bookmarks. Three columns each, as the window shows
// them: an icon column (a bookmark's position as its text), a hidden "ID"
// column and the name ("NM"). The row icons come from the window, handed in
// as ready values, so these models stay free of any widget code.
#include "dietlens/record/fooditem.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>

#include <vector>

// The columns of both lists.
enum FoodListColumn { IconColumn = 0, IdColumn = 1, NameColumn = 2, FoodListColumns = 3 };

class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // At most this many characters of a name from a server go into a row; a
    // real food name has a few dozen, and laying out one of megabytes held
    // the window for seconds on every repaint.
    static constexpr qsizetype kMaxShownText = 1000;

    using QAbstractTableModel::QAbstractTableModel;

    // The food items of the last search, listed or not.
    const std::vector<FoodItem>& items() const { return m_items; }
    // The item of a row; an empty one past the end.
    FoodItem item(int row) const;

    // Keeps the items and lists them.
    void show(std::vector<FoodItem> items);
    // Empties the list and its columns; the items stay (hideRows) or go (clear).
    void hideRows();
    void clear();

    // The icons of checked and unchecked items (an item of unknown status has none).
    void setStatusIcons(const QVariant& checked, const QVariant& unchecked);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<FoodItem> m_items;
    bool m_listed = false;
    QVariant m_checkedIcon, m_uncheckedIcon;
};

class BookmarksModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Lists the bookmarks by their labels (name and weight in the user's unit), in file order.
    void show(QStringList labels);

    // The icon of every row.
    void setRowIcon(const QVariant& icon) { m_icon = icon; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList m_labels;
    bool m_listed = false;
    QVariant m_icon;
};
