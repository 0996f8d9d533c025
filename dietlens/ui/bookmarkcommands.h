#pragma once
// The bookmark commands of the main window as the user meets them: the
// bookmarks do the work, the presenter shows what came of it and asks what
// the work needs to know.
class Bookmarks;
class ProblemPresenter;
struct FoodItem;

// Bookmarks a search result at a weight and confirms it. False when nothing was added.
bool addBookmark(Bookmarks& bookmarks, const FoodItem& foodItem, int weightGrams,
                 const ProblemPresenter& presenter);
// Removes bookmark `row`. False when nothing was removed.
bool removeBookmark(Bookmarks& bookmarks, int row, const ProblemPresenter& presenter);
// Asks where to and writes every bookmark there; with no bookmarks it only says so.
void exportBookmarks(Bookmarks& bookmarks, const ProblemPresenter& presenter);
