#include "dietlens/display/foodlists.h"

namespace {

QVariant columnHeader(int section, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case IdColumn:
        return QStringLiteral("ID");
    case NameColumn:
        return QStringLiteral("NM");
    default:
        return QString();
    }
}

constexpr Qt::ItemFlags kRowFlags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;

} // namespace

FoodItem ResultsModel::item(int row) const
{
    return row >= 0 && size_t(row) < m_items.size() ? m_items[size_t(row)] : FoodItem();
}

void ResultsModel::show(std::vector<FoodItem> items)
{
    beginResetModel();
    m_items = std::move(items);
    m_listed = true;
    endResetModel();
}

void ResultsModel::hideRows()
{
    beginResetModel();
    m_listed = false;
    endResetModel();
}

void ResultsModel::clear()
{
    beginResetModel();
    m_items.clear();
    m_listed = false;
    endResetModel();
}

void ResultsModel::setStatusIcons(const QVariant& checked, const QVariant& unchecked)
{
    m_checkedIcon = checked;
    m_uncheckedIcon = unchecked;
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_listed ? 0 : int(m_items.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_listed ? 0 : FoodListColumns;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const FoodItem& food = m_items[size_t(index.row())];
    // The icon cell, where the keyboard's focus rests on a row, reads as the
    // food's name too.
    if ((role == Qt::DisplayRole && index.column() == NameColumn) ||
        (role == Qt::AccessibleTextRole && index.column() == IconColumn))
        return food.name.left(kMaxShownText);
    if (role == Qt::DecorationRole && index.column() == IconColumn) {
        switch (food.status) {
        case FoodStatus::Checked:
            return m_checkedIcon;
        case FoodStatus::Unchecked:
            return m_uncheckedIcon;
        case FoodStatus::Unknown:
            return {}; // no icon rather than a neighbour's
        }
    }
    return {};
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return columnHeader(section, orientation, role);
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? kRowFlags : Qt::NoItemFlags;
}

void BookmarksModel::show(QStringList labels)
{
    beginResetModel();
    m_labels = std::move(labels);
    m_listed = true;
    endResetModel();
}

int BookmarksModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_labels.size());
}

int BookmarksModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_listed ? 0 : FoodListColumns;
}

QVariant BookmarksModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole && index.column() == IconColumn)
        return QString::number(index.row());
    if ((role == Qt::DisplayRole && index.column() == NameColumn) ||
        (role == Qt::AccessibleTextRole && index.column() == IconColumn))
        return m_labels.at(index.row());
    if (role == Qt::DecorationRole && index.column() == IconColumn)
        return m_icon;
    return {};
}

QVariant BookmarksModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return columnHeader(section, orientation, role);
}

Qt::ItemFlags BookmarksModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? kRowFlags : Qt::NoItemFlags;
}
