#include "dietlens/display/viewlist.h"

#include "dietlens/core/numbers.h"

std::optional<ViewListLook> ViewListLookFor(bool connected, const QString& viewListMode, qsizetype resultRows,
                                            qsizetype bookmarkRows)
{
    if (!connected)
        return std::nullopt;
    const double mode = Val(viewListMode);
    if (mode != 0 && mode != 1)
        return std::nullopt;
    const bool results = mode == 0;
    ViewListLook look;
    look.resultsShown = results;
    look.searchEnabled = results;
    look.addToBookmarks = results && resultRows > 0;
    look.addFoodItem = results;
    look.removeBookmark = !results && bookmarkRows > 0;
    look.addButtons = results;
    return look;
}
