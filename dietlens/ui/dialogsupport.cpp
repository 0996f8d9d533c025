#include "dialogsupport.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

bool WantsTopmost(const QString& alwaysOnTop, bool emptyCounts)
{
    return alwaysOnTop == QLatin1String("1") || (emptyCounts && alwaysOnTop.isEmpty());
}

void SetTopmost(QWidget* window, bool topmost)
{
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (shown)
        window->show();
}

QIcon DietlensIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(46, 125, 50));
        p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        // Bars of the nutrition chart, light on the green tile.
        const double unit = size / 16.0;
        const double lengths[] = {11, 6, 8, 4};
        p.setBrush(QColor(230, 240, 204));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(2.5 * unit, (2.5 + i * 3) * unit, lengths[i] * unit, 2 * unit));
        icon.addPixmap(pixmap);
    }
    return icon;
}
