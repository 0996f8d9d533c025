#include "dietlens/ui/kit/rowtips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

class CutTextTips : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (!view || event->type() != QEvent::ToolTip || !index.isValid() || index.data(Qt::ToolTipRole).isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QStyle* style = view->style();
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, view);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        if (!opt.text.isEmpty() && opt.fontMetrics.horizontalAdvance(opt.text) > textRect.width() - 2 * margin) {
            QToolTip::showText(event->globalPos(), opt.text, view->viewport(), view->visualRect(index));
            return true;
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
};

} // namespace

void ShowCutTextsAsToolTips(QAbstractItemView* view)
{
    if (view)
        view->setItemDelegate(new CutTextTips(view));
}
