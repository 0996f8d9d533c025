#pragma once
// Window geometry is given in twips (1/1440 inch). At 96 logical dots per
// inch one pixel is 15 twips; Qt scales logical pixels for high-dpi screens.
#include <QRect>
#include <QRectF>
#include <QSize>

#include <cmath>

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int Twips(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

inline QSize TwipsSize(int width, int height)
{
    return QSize(Twips(width), Twips(height));
}

// Twips to logical pixels without rounding, for painting.
constexpr qreal TwipsF(qreal twips)
{
    return twips / kTwipsPerPixel;
}

inline QRectF TwipsRectF(qreal left, qreal top, qreal width, qreal height)
{
    return QRectF(TwipsF(left), TwipsF(top), TwipsF(width), TwipsF(height));
}
