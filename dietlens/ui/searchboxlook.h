#pragma once
// The fill of the search box. Disabled, it takes a light grey (224, 224, 224)
// on a light palette; on a dark palette that grey would carry the palette's
// light disabled text and be unreadable, so it takes the palette's own
// disabled base there.
#include <QColor>

class QLineEdit;
class QPalette;

QColor SearchBoxFill(const QPalette& application, bool enabled);

// Sets the fill for every colour group of the box (the box's enabled state is
// left to the caller).
void PaintSearchBox(QLineEdit* box, bool enabled);
