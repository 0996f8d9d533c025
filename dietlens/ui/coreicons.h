#pragma once
// Images of the main window, drawn in code so the program needs no image files.
#include <QColor>
#include <QIcon>

enum class CoreImage {
    Connect,    // toolbar image 1
    Disconnect, // toolbar image 8
    Settings,
    ResultsList,
    Bookmarks,
    AddFoodItem,
    BookmarkItem,
    Help,
    Search,     // Pic_zoeken
    SearchGrey, // Pic_zoeken_bw
    ArrowUp,    // Pic_plus
    ArrowDown,  // Pic_min
    Program,    // window and tray icon
};

QIcon CoreIcon(CoreImage image);

// A 16 x 16 status square of one colour with a darker rim.
QIcon StatusSquare(const QColor& colour);

// The row icon of a bookmark: a small ribbon.
QIcon BookmarkRowIcon();
