#pragma once
// Rows of a narrow list cut long texts; the whole text is then shown as the
// row's tooltip.
class QAbstractItemView;

// Gives the view an item delegate that paints as the default one and shows
// the whole text of a cell as its tooltip when the cell cuts it. Cells with
// a tooltip of their own keep it.
void ShowCutTextsAsToolTips(QAbstractItemView* view);
