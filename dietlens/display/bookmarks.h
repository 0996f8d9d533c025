#pragma once
// The user's bookmarks while the program runs: the records in file order,
// read from the bookmarks file at start-up and written back after every
// change; adding the chosen search result, removing one, the export as a food
// database file and the drag texts of food items.
#include "dietlens/record/fooditem.h"

#include <QObject>
#include <QString>
#include <QStringList>

class LanguageTables;
class Messenger;
struct Paths;

class Bookmarks : public QObject
{
    Q_OBJECT
public:
    Bookmarks(const Paths& paths, const LanguageTables& lang, Messenger& messenger,
              QObject* parent = nullptr);

    // One bookmark record a line, in the order of the file and the list.
    const QStringList& records() const { return m_records; }
    void setRecords(const QStringList& records) { m_records = records; }

    // Start-up: the bookmarks file, when there is one.
    void ReadBookmarks();

    // Bookmark `row` read from its record ("" fields past the end).
    Bookmark bookmark(int row) const;

    // Bookmarks a search result at a weight: the values for that
    // weight are stored, the file is rewritten and the user is told. A failed
    // write takes the bookmark back. False when nothing was added.
    bool Add(const FoodItem& foodItem, int weightGrams);

    // Removes bookmark `row` and rewrites the file; a failed write puts it
    // back. False when nothing was removed.
    bool Remove(int row);

    // Writes every bookmark to a food database file the user names.
    void Export();

    // The text a drag of bookmark `row` carries, or of a search result at a
    // weight; "" (after the drag error message) when a value cannot be written.
    QString DragText(int row);
    QString ResultDragText(const FoodItem& foodItem, int weightGrams);

Q_SIGNALS:
    // A file is being read or written (the window shows the wait cursor).
    void fileWorkStarted();
    void fileWorkEnded();

private:
    bool write(const QString& path);
    void showAnalysisError(const QString& code);
    void showDragError(const QString& code);

    const Paths& m_paths;
    const LanguageTables& m_lang;
    Messenger& m_messenger;
    QStringList m_records;
};
