#include "translator/reviewdelegates.h"

#include "translator/review.h"

#include <QApplication>
#include <QPainter>

namespace translator {

namespace {

constexpr int kMargin = 4;

struct Colours
{
    QColor text;
    QColor dim;
};

Colours coloursFor(const QStyleOptionViewItem& option)
{
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                               : QPalette::Inactive;
    if (option.state & QStyle::State_Selected) {
        const QColor text = option.palette.color(group, QPalette::HighlightedText);
        return {text, text};
    }
    return {option.palette.color(group, QPalette::Text),
            option.palette.color(group, QPalette::PlaceholderText)};
}

// The item's panel, focus frame and selection as the style draws them, without text or icon.
void drawBackground(QPainter* painter, QStyleOptionViewItem& option)
{
    option.text.clear();
    option.icon = QIcon();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &option, painter, widget);
}

} // namespace

QString MarkSymbol(int mark)
{
    switch (RowMark(mark)) {
    case RowMark::Same:
        return QStringLiteral("\u25CB"); // an open circle: still to do
    case RowMark::Differs:
    case RowMark::DoneByHand:
        return QStringLiteral("\u2713");
    case RowMark::NotInReference:
        return QStringLiteral("+");
    case RowMark::NoReference:
        break;
    }
    return {};
}

QString MarkWords(int mark)
{
    switch (RowMark(mark)) {
    case RowMark::Same:
        return QStringLiteral("same as the reference, still to do");
    case RowMark::Differs:
        return QStringLiteral("translated");
    case RowMark::DoneByHand:
        return QStringLiteral("same as the reference, marked as translated");
    case RowMark::NotInReference:
        return QStringLiteral("not in the reference");
    case RowMark::NoReference:
        break;
    }
    return {};
}

void ReviewedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString text = opt.text;
    drawBackground(painter, opt);
    const Colours colours = coloursFor(opt);
    const QFontMetrics metrics(opt.font);
    const int line = metrics.lineSpacing();
    const QRect area = opt.rect.adjusted(kMargin, 2, -kMargin, -2);

    // Gutter: the table index, the mark, a pencil for a change since opening, a sign for warnings.
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("000"));
    const int slot = metrics.horizontalAdvance(QStringLiteral("\u2713")) + kMargin;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(colours.dim);
    QRect cell(area.left(), area.top(), numberWidth, line);
    painter->drawText(cell, Qt::AlignRight | Qt::AlignVCenter,
                      QString::number(index.data(RowIndexRole).toInt()));
    cell.translate(numberWidth + kMargin, 0);
    cell.setWidth(slot);
    painter->setPen(colours.text);
    painter->drawText(cell, Qt::AlignCenter, MarkSymbol(index.data(RowMarkRole).toInt()));
    cell.translate(slot, 0);
    if (index.data(RowChangedRole).toBool())
        painter->drawText(cell, Qt::AlignCenter, QStringLiteral("\u270E"));
    cell.translate(slot, 0);
    if (index.data(RowProblemRole).toBool())
        painter->drawText(cell, Qt::AlignCenter, QStringLiteral("!"));

    // The text, and the reference text under it.
    const int left = cell.right() + kMargin;
    const QRect textRect(left, area.top(), area.right() - left, line);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(text, Qt::ElideRight, textRect.width()));
    const QString reference = index.data(ReferenceTextRole).toString();
    if (!reference.isEmpty()) {
        painter->setPen(colours.dim);
        const QRect referenceRect = textRect.translated(0, line);
        painter->drawText(
            referenceRect, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(WithVisibleBlanks(reference), Qt::ElideRight, referenceRect.width()));
    }
    painter->restore();
}

QSize ReviewedRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(index);
    // Texts are elided to the list's width, so the list never needs to scroll sideways.
    const QFontMetrics metrics(option.font);
    return {metrics.horizontalAdvance(QStringLiteral("000 \u2713\u2713\u2713 ")),
            2 * metrics.lineSpacing() + 4};
}

void ReviewedFormDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString name = opt.text;
    drawBackground(painter, opt);
    const Colours colours = coloursFor(opt);
    const QFontMetrics metrics(opt.font);
    const QRect area = opt.rect.adjusted(kMargin, 0, -kMargin, 0);
    const QString count = index.data(FormCountRole).toString();
    const int countWidth = count.isEmpty() ? 0 : metrics.horizontalAdvance(count) + 2 * kMargin;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(colours.text);
    const QRect nameRect = area.adjusted(0, 0, -countWidth, 0);
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(name, Qt::ElideRight, nameRect.width()));
    if (!count.isEmpty()) {
        painter->setPen(colours.dim);
        painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter, count);
    }
    painter->restore();
}

} // namespace translator
