#pragma once
// The user's bookmarks while the program runs: the records in file order,
// read from the bookmarks file at start-up and written back after every
// change; adding the chosen search result, removing one, the export as a food
// database file and the drag texts of food items. What goes wrong comes back
// as problems for the window to show.
#include "dietlens/core/problem.h"
#include "dietlens/record/fooditem.h"

#include <QObject>
#include <QString>
#include <QStringList>

class LanguageTables;
struct Paths;

class Bookmarks : public QObject
{
    Q_OBJECT
public:
    Bookmarks(const Paths& paths, const LanguageTables& lang, QObject* parent = nullptr);

    // One bookmark record a line, in the order of the file and the list.
    const QStringList& records() const { return m_records; }
    void setRecords(const QStringList& records) { m_records = records; }

    // Start-up: the bookmarks file, when there is one.
    Result<void, Problem> ReadBookmarks();

    // Bookmark `row` read from its record ("" fields past the end).
    Bookmark bookmark(int row) const;

    // Bookmarks a search result at a weight: the values for that
    // weight are stored and the file is rewritten. A failed write takes the
    // bookmark back. False when nothing was added.
    Result<bool, Problem> Add(const FoodItem& foodItem, int weightGrams);

    // Removes bookmark `row` and rewrites the file; a failed write puts it
    // back. False when nothing was removed.
    Result<bool, Problem> Remove(int row);

    // The export needs bookmarks: NothingToExport when there are none.
    Result<void, Problem> canExport() const;
    // Where the user is offered to put the export.
    const QString& exportFolder() const;
    // Writes every bookmark to the food database file at path. No path, or
    // one with a "*" (a file dialog's pattern), writes nothing.
    Result<void, Problem> Export(const QString& path);

    // The text a drag of bookmark `row` carries, or of a search result at a
    // weight; "" (with DragFailed) when a value cannot be written.
    Result<QString, Problem> DragText(int row) const;
    Result<QString, Problem> ResultDragText(const FoodItem& foodItem, int weightGrams) const;

Q_SIGNALS:
    // A file is being read or written (the window shows the wait cursor).
    void fileWorkStarted();
    void fileWorkEnded();

private:
    Result<void, Problem> write(const QString& path);

    const Paths& m_paths;
    const LanguageTables& m_lang;
    QStringList m_records;
};
