#include "dietlens/display/viewlist.h"

std::optional<ViewListLook> ViewListLookFor(bool connected, ViewListMode mode, qsizetype resultRows,
                                            qsizetype bookmarkRows)
{
    if (!connected)
        return std::nullopt;
    const bool results = mode == ViewListMode::Results;
    ViewListLook look;
    look.resultsShown = results;
    look.searchEnabled = results;
    look.addToBookmarks = results && resultRows > 0;
    look.addFoodItem = results;
    look.removeBookmark = !results && bookmarkRows > 0;
    look.addButtons = results;
    return look;
}
