#include "dietlens/ui/coreicons.h"

#include "widgets/programicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 32; // drawn at twice the 16-pixel size, sharp on high-dpi screens

QPixmap canvas()
{
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    return pm;
}

void drawPlug(QPainter& p, const QColor& colour, bool cut)
{
    p.setPen(QPen(colour.darker(150), 2));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(4, 10, 14, 12), 3, 3);
    p.drawLine(QPointF(18, 13), QPointF(24, 13));
    p.drawLine(QPointF(18, 19), QPointF(24, 19));
    p.setPen(QPen(colour.darker(150), 3));
    p.drawLine(QPointF(4, 16), QPointF(1, 16));
    if (cut) {
        p.setPen(QPen(QColor(200, 30, 30), 3));
        p.drawLine(QPointF(6, 28), QPointF(28, 4));
    }
}

void drawMagnifier(QPainter& p, const QColor& colour)
{
    p.setPen(QPen(colour.darker(160), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(QPen(colour.darker(130), 3));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(13, 13), 9, 9);
}

void drawLines(QPainter& p, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 4, 24, 24));
    p.setBrush(colour);
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(7, 7 + i * 5.5, 18, 3));
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 4, 24, 24));
}

QPainterPath star(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2) ? inner : outer;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void drawPlus(QPainter& p, QPointF centre, qreal half, const QColor& colour)
{
    p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(centre.x() - half, centre.y()), QPointF(centre.x() + half, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - half), QPointF(centre.x(), centre.y() + half));
}

void drawArrow(QPainter& p, bool up)
{
    p.setPen(QPen(QColor(40, 70, 120), 1.5));
    p.setBrush(QColor(90, 140, 210));
    QPolygonF tri;
    if (up)
        tri << QPointF(16, 6) << QPointF(28, 24) << QPointF(4, 24);
    else
        tri << QPointF(4, 8) << QPointF(28, 8) << QPointF(16, 26);
    p.drawPolygon(tri);
}

} // namespace

QIcon CoreIcon(CoreImage image)
{
    // The program's own icon, the same picture as in the application menu.
    if (image == CoreImage::Program)
        return ProgramIcon(QStringLiteral("dietlens"));
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (image) {
    case CoreImage::Connect:
        drawPlug(p, QColor(70, 170, 70), false);
        break;
    case CoreImage::Disconnect:
        drawPlug(p, QColor(160, 160, 160), true);
        break;
    case CoreImage::Settings: {
        p.setPen(QPen(QColor(80, 80, 80), 5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            p.drawLine(QPointF(16 + 8 * std::cos(a), 16 + 8 * std::sin(a)),
                       QPointF(16 + 13 * std::cos(a), 16 + 13 * std::sin(a)));
        }
        p.setPen(QPen(QColor(80, 80, 80), 2));
        p.setBrush(QColor(170, 170, 170));
        p.drawEllipse(QPointF(16, 16), 9, 9);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
        break;
    }
    case CoreImage::ResultsList:
        drawLines(p, QColor(60, 120, 200));
        break;
    case CoreImage::Bookmarks:
        p.setPen(QPen(QColor(170, 120, 0), 1.5));
        p.setBrush(QColor(250, 200, 40));
        p.drawPath(star(QPointF(16, 17), 14, 6));
        break;
    case CoreImage::AddFoodItem:
        drawLines(p, QColor(150, 150, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 150, 40));
        p.drawEllipse(QPointF(23, 23), 8, 8);
        drawPlus(p, QPointF(23, 23), 5, Qt::white);
        break;
    case CoreImage::BookmarkItem:
        p.setPen(QPen(QColor(170, 120, 0), 1.5));
        p.setBrush(QColor(250, 200, 40));
        p.drawPath(star(QPointF(13, 14), 12, 5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 150, 40));
        p.drawEllipse(QPointF(23, 23), 8, 8);
        drawPlus(p, QPointF(23, 23), 5, Qt::white);
        break;
    case CoreImage::Help: {
        p.setPen(QPen(QColor(30, 80, 160), 2));
        p.setBrush(QColor(80, 140, 220));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        QFont f = p.font();
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case CoreImage::Search:
        drawMagnifier(p, QColor(60, 120, 200));
        break;
    case CoreImage::SearchGrey:
        drawMagnifier(p, QColor(170, 170, 170));
        break;
    case CoreImage::ArrowUp:
        drawArrow(p, true);
        break;
    case CoreImage::ArrowDown:
        drawArrow(p, false);
        break;
    case CoreImage::Program:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 150, 60));
        p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
        p.setBrush(QColor(250, 200, 40));
        p.drawRect(QRectF(7, 8, 18, 4));
        p.setBrush(QColor(230, 90, 60));
        p.drawRect(QRectF(7, 14, 12, 4));
        p.setBrush(QColor(90, 150, 230));
        p.drawRect(QRectF(7, 20, 15, 4));
        break;
    }
    p.end();
    pm.setDevicePixelRatio(2.0);
    return QIcon(pm);
}

QIcon StatusSquare(const QColor& colour)
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setPen(QPen(colour.darker(160), 2));
    p.setBrush(colour);
    p.drawRect(QRectF(2, 2, 28, 28));
    p.end();
    pm.setDevicePixelRatio(2.0);
    return QIcon(pm);
}

QIcon BookmarkRowIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ribbon;
    ribbon.moveTo(4, 1.5);
    ribbon.lineTo(12, 1.5);
    ribbon.lineTo(12, 14.5);
    ribbon.lineTo(8, 10.5);
    ribbon.lineTo(4, 14.5);
    ribbon.closeSubpath();
    p.setPen(QPen(QColor(20, 60, 140), 1));
    p.setBrush(QColor(60, 120, 220));
    p.drawPath(ribbon);
    return QIcon(pixmap);
}
