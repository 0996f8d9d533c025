#include "widgets/statuspanel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace {

constexpr int kTextMargin = 3; // pixels between the frame and the text

} // namespace

StatusPanel::StatusPanel(QWidget* parent) : QLabel(parent) {}

int StatusPanel::textRoom() const
{
    return contentsRect().width() - 2 * kTextMargin;
}

bool StatusPanel::isCut() const
{
    return fontMetrics().horizontalAdvance(text()) > textRoom();
}

bool StatusPanel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (isCut())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void StatusPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawFrame(&p);
    const QRect area = contentsRect().adjusted(kTextMargin, 0, -kTextMargin, 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&p, area, int(alignment()) | Qt::TextSingleLine, palette(), isEnabled(), shown,
                          foregroundRole());
}
