#include "dietlens/display/bookmarks.h"

#include "dietlens/core/paths.h"
#include "dietlens/core/program.h"
#include "dietlens/display/bookmarksfile.h"
#include "dietlens/lang/text/functions.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/record/fooditem.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "lang/messenger.h"

Bookmarks::Bookmarks(const Paths& paths, const LanguageTables& lang, Messenger& messenger, QObject* parent)
    : QObject(parent), m_paths(paths), m_lang(lang), m_messenger(messenger)
{
}

void Bookmarks::ReadBookmarks()
{
    if (!FileExists(m_paths.BookmarksPath))
        return;
    Q_EMIT fileWorkStarted();
    const BookmarksRead read = ReadBookmarksFile(m_paths.BookmarksPath);
    Q_EMIT fileWorkEnded();
    m_records = read.records;
    if (!read.complete)
        m_messenger.message(QStringLiteral("Error #202"),
                            m_lang.at(text::Functions::AnErrorOccurredWhileOpening), MessageIcon::Critical);
}

bool Bookmarks::write(const QString& path)
{
    Q_EMIT fileWorkStarted();
    const bool written = WriteBookmarksFile(path, m_records);
    Q_EMIT fileWorkEnded();
    if (!written)
        m_messenger.message(QStringLiteral("Error #203"),
                            m_lang.at(text::Functions::AnErrorOccurredWhileSaving), MessageIcon::Critical);
    return written;
}

void Bookmarks::showAnalysisError(const QString& code)
{
    m_messenger.message(code,
                        joinLines({m_lang.at(text::Main::AnErrorOccurredWhileAnalysing),
                                   m_lang.at(text::Main::PleaseContactQuelmarWhenThis47)}),
                        MessageIcon::Critical);
}

void Bookmarks::showDragError(const QString& code)
{
    m_messenger.message(code,
                        joinLines({m_lang.at(text::Main::AnErrorOccurredDuringDragging),
                                   m_lang.at(text::Main::PleaseContactQuelmarWhenThis54)}),
                        MessageIcon::Critical);
}

Bookmark Bookmarks::bookmark(int row) const
{
    return record::ParseBookmark(m_records.value(row));
}

bool Bookmarks::Add(const FoodItem& foodItem, int weightGrams)
{
    if (foodItem.name.isEmpty())
        return false;
    const float weight = float(weightGrams);
    const std::optional<Bookmark> added = record::MakeBookmark(
        foodItem.name, m_lang.at(text::Main::Default), weight, ScaledToWeight(foodItem.per100g, weight),
        m_lang.at(text::Main::ExportedWithDietlens));
    if (!added) {
        showAnalysisError(QStringLiteral("Error #110"));
        return false;
    }
    m_records.append(added->text);
    if (!write(m_paths.BookmarksPath)) {
        m_records.removeLast(); // the file still holds the list without it
        return false;
    }
    m_messenger.message(ProgramName(),
                        QLatin1Char('\'') + foodItem.name + QStringLiteral("' ") +
                            m_lang.at(text::Main::IsAddedToTheBookmark),
                        MessageIcon::NoIcon);
    return true;
}

bool Bookmarks::Remove(int row)
{
    if (row < 0 || row >= m_records.size())
        return false;
    const QString removed = m_records.takeAt(row);
    if (!write(m_paths.BookmarksPath)) {
        m_records.insert(row, removed);
        return false;
    }
    return true;
}

void Bookmarks::Export()
{
    if (m_records.isEmpty()) {
        m_messenger.message(ProgramName(),
                            joinLines({m_lang.at(text::Main::ThereAreNoFoodItems),
                                       m_lang.at(text::Main::SearchAFoodItemBookmark)}),
                            MessageIcon::Exclamation);
        return;
    }
    FileDialogRequest request;
    request.title = m_lang.at(text::Main::SaveBookmarksAsAMenuvia);
    request.startFolder = m_paths.DatabaseFolder;
    request.filter = QStringLiteral("Menuvia FOOD Database file (*.dat)");
    const QString path = m_messenger.saveFileName(request);
    if (path.isEmpty() || path.contains(QLatin1Char('*')))
        return;
    write(path);
}

QString Bookmarks::DragText(int row)
{
    if (row < 0 || row >= m_records.size())
        return {};
    const QString text = record::DragText(bookmark(row));
    if (text.isEmpty())
        showDragError(QStringLiteral("Error #106"));
    return text;
}

QString Bookmarks::ResultDragText(const FoodItem& foodItem, int weightGrams)
{
    const float weight = float(weightGrams);
    const std::optional<Bookmark> atWeight = record::MakeBookmark(
        foodItem.name, m_lang.at(text::Main::Default), weight, ScaledToWeight(foodItem.per100g, weight),
        m_lang.at(text::Main::ExportedWithDietlens));
    const QString text = atWeight ? record::DragText(*atWeight) : QString();
    if (text.isEmpty())
        showDragError(QStringLiteral("Error #107"));
    return text;
}
