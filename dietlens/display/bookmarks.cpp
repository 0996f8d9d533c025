#include "dietlens/display/bookmarks.h"

#include "dietlens/core/paths.h"
#include "dietlens/display/bookmarksfile.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/record/fooditem.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"

namespace {

Result<QString, Problem> dragText(const QString& text, const char* code)
{
    if (text.isEmpty())
        return {text, {{ProblemKind::DragFailed, QString::fromLatin1(code)}}};
    return {text, {}};
}

} // namespace

Bookmarks::Bookmarks(const Paths& paths, const LanguageTables& lang, QObject* parent)
    : QObject(parent), m_paths(paths), m_lang(lang)
{
}

Result<void, Problem> Bookmarks::ReadBookmarks()
{
    if (!FileExists(m_paths.BookmarksPath))
        return {};
    Q_EMIT fileWorkStarted();
    const BookmarksRead read = ReadBookmarksFile(m_paths.BookmarksPath);
    Q_EMIT fileWorkEnded();
    m_records = read.records;
    if (!read.complete)
        return {{{ProblemKind::BookmarksNotRead, QString()}}};
    return {};
}

Result<void, Problem> Bookmarks::write(const QString& path)
{
    Q_EMIT fileWorkStarted();
    const bool written = WriteBookmarksFile(path, m_records);
    Q_EMIT fileWorkEnded();
    if (!written)
        return {{{ProblemKind::BookmarksNotSaved, QString()}}};
    return {};
}

Bookmark Bookmarks::bookmark(int row) const
{
    return record::ParseBookmark(m_records.value(row));
}

Result<bool, Problem> Bookmarks::Add(const FoodItem& foodItem, int weightGrams)
{
    if (foodItem.name.isEmpty())
        return {false, {}};
    const float weight = float(weightGrams);
    const std::optional<Bookmark> added = record::MakeBookmark(
        foodItem.name, m_lang.at(text::Main::Default), weight, ScaledToWeight(foodItem.per100g, weight),
        m_lang.at(text::Main::ExportedWithDietlens));
    if (!added)
        return {false, {{ProblemKind::AnalysisFailed, QStringLiteral("Error #110")}}};
    m_records.append(added->text);
    const Result<void, Problem> written = write(m_paths.BookmarksPath);
    if (!written.ok())
        m_records.removeLast(); // the file still holds the list without it
    return {written.ok(), written.problems};
}

Result<bool, Problem> Bookmarks::Remove(int row)
{
    if (row < 0 || row >= m_records.size())
        return {false, {}};
    const QString removed = m_records.takeAt(row);
    const Result<void, Problem> written = write(m_paths.BookmarksPath);
    if (!written.ok())
        m_records.insert(row, removed);
    return {written.ok(), written.problems};
}

Result<void, Problem> Bookmarks::canExport() const
{
    if (m_records.isEmpty())
        return {{{ProblemKind::NothingToExport, QString()}}};
    return {};
}

const QString& Bookmarks::exportFolder() const
{
    return m_paths.DatabaseFolder;
}

Result<void, Problem> Bookmarks::Export(const QString& path)
{
    const Result<void, Problem> allowed = canExport();
    if (!allowed.ok() || path.isEmpty() || path.contains(QLatin1Char('*')))
        return allowed;
    return write(path);
}

Result<QString, Problem> Bookmarks::DragText(int row) const
{
    if (row < 0 || row >= m_records.size())
        return {};
    return dragText(record::DragText(bookmark(row)), "Error #106");
}

Result<QString, Problem> Bookmarks::ResultDragText(const FoodItem& foodItem, int weightGrams) const
{
    const float weight = float(weightGrams);
    const std::optional<Bookmark> atWeight = record::MakeBookmark(
        foodItem.name, m_lang.at(text::Main::Default), weight, ScaledToWeight(foodItem.per100g, weight),
        m_lang.at(text::Main::ExportedWithDietlens));
    return dragText(atWeight ? record::DragText(*atWeight) : QString(), "Error #107");
}
