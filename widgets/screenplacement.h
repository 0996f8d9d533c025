#pragma once
// Keeps dialogs fully on the screen. A dialog taller than its owner used to
// open with its title bar above the top of the screen, and the window
// manager's frame is only known once the window is mapped, so the place is
// chosen as the dialog is shown and checked again when its frame is known.
#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

// The top-left of a frame of that size placed as near to `wanted` as the
// area allows. A frame larger than the area keeps its top-left corner (and
// so its title bar) inside the area.
QPoint FitInto(const QRect& area, QPoint wanted, QSize frameSize);

// From now on, every time the window is shown: centred over its owner unless
// it was placed already, then moved fully into the available area of the
// owner's screen (its own screen when it has no owner).
void KeepOnScreen(QWidget* window);
