#include "dietlens/ui/bookmarkcommands.h"

#include "dietlens/display/bookmarks.h"
#include "dietlens/ui/problempresenter.h"

bool addBookmark(Bookmarks& bookmarks, const FoodItem& foodItem, int weightGrams,
                 const ProblemPresenter& presenter)
{
    const bool added = presenter.take(bookmarks.Add(foodItem, weightGrams));
    if (added)
        presenter.confirmBookmarkAdded(foodItem.name);
    return added;
}

bool removeBookmark(Bookmarks& bookmarks, int row, const ProblemPresenter& presenter)
{
    return presenter.take(bookmarks.Remove(row));
}

void exportBookmarks(Bookmarks& bookmarks, const ProblemPresenter& presenter)
{
    if (!presenter.passed(bookmarks.canExport()))
        return;
    presenter.show(bookmarks.Export(presenter.askExportPath(bookmarks.exportFolder())).problems);
}
