#pragma once
// Rows of a narrow list cut long texts; the whole text is then shown as the
// row's tooltip.
class QAbstractItemView;

// Gives the view an item delegate that paints as the default one and shows
// the whole text of a cell as its tooltip when the cell cuts it. Cells with
// a tooltip of their own keep it.
void ShowCutTextsAsToolTips(QAbstractItemView* view);

// As ShowCutTextsAsToolTips; in addition the texts of the given column are
// painted only when they fit whole (the column's last row included, so the
// rows look alike), never as a sliver or a lone ellipsis: a narrow icon
// column beside its text shows the icon alone. The tooltip still tells the
// text.
void ShowCutTextsAsToolTips(QAbstractItemView* view, int wholeTextsOnlyColumn);
