#include "widgets/rowtips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

class CutTextTips : public QStyledItemDelegate
{
public:
    CutTextTips(QAbstractItemView* view, int wholeTextsOnlyColumn)
        : QStyledItemDelegate(view), m_wholeTextsOnlyColumn(wholeTextsOnlyColumn)
    {
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (!view || event->type() != QEvent::ToolTip || !index.isValid() ||
            index.data(Qt::ToolTipRole).isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        if (!opt.text.isEmpty() && !fits(opt, opt.text, view)) {
            QToolTip::showText(event->globalPos(), opt.text, view->viewport(), view->visualRect(index));
            return true;
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.column() != m_wholeTextsOnlyColumn) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QModelIndex last =
            index.model()->index(index.model()->rowCount(index.parent()) - 1, index.column(), index.parent());
        const QString lastText = last.data(Qt::DisplayRole).toString();
        if (!fits(opt, opt.text, opt.widget) || !fits(opt, lastText, opt.widget))
            opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        else
            QStyledItemDelegate::paint(painter, option, index);
    }

private:
    // True when the text fits whole into the cell's text area.
    static bool fits(const QStyleOptionViewItem& opt, const QString& text, const QWidget* widget)
    {
        if (text.isEmpty())
            return true;
        const QStyle* style = widget ? widget->style() : nullptr;
        if (!style)
            return true;
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        return opt.fontMetrics.horizontalAdvance(text) <= textRect.width() - 2 * margin;
    }

    int m_wholeTextsOnlyColumn;
};

} // namespace

void ShowCutTextsAsToolTips(QAbstractItemView* view)
{
    ShowCutTextsAsToolTips(view, -1);
}

void ShowCutTextsAsToolTips(QAbstractItemView* view, int wholeTextsOnlyColumn)
{
    if (view)
        view->setItemDelegate(new CutTextTips(view, wholeTextsOnlyColumn));
}
