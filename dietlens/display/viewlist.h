#pragma once
// Which of the main window's two lists is shown and what that means for the
// commands, as the window applies it (Set_ViewList).
#include <QtGlobal>

#include <optional>

// The results of the last search, or the bookmarks.
enum class ViewListMode { Results, Bookmarks };

struct ViewListLook
{
    bool resultsShown = true;    // LV_browse shown and toolbar button 5 pressed; else the bookmarks and 6
    bool searchEnabled = true;   // txt_item and Pic_zoeken (else the grey picture)
    bool addToBookmarks = false; // mnu_addlijst
    bool addFoodItem = true;     // mnu_toevoegen
    bool removeBookmark = false; // mnu_del
    bool addButtons = true;      // toolbar buttons 8 and 9
};

// The look of a mode with the rows each list has. None while not connected:
// the window stays as it is.
std::optional<ViewListLook> ViewListLookFor(bool connected, ViewListMode mode, qsizetype resultRows,
                                            qsizetype bookmarkRows);
