#pragma once
// How the two lists look while a reference file is chosen: each row with its
// table index, its mark and the reference text under it; each form with the
// rows it has left. Without a reference the lists keep their plain look.
#include <QStyledItemDelegate>

namespace translator {

// Item data the delegates draw.
enum ReviewRole {
    RowIndexRole = Qt::UserRole + 1, // int: table index
    RowMarkRole,                     // int: RowMark
    RowChangedRole,                  // bool: changed since the file was opened
    RowProblemRole,                  // bool: has warnings
    ReferenceTextRole,               // QString
    FormCountRole,                   // QString: "12 left", drawn at the right of a form
};

class ReviewedRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class ReviewedFormDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// The mark drawn for a row, and its words for tooltips and screen readers.
QString MarkSymbol(int mark);
QString MarkWords(int mark);

} // namespace translator
