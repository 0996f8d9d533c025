#pragma once
// What went wrong below dietlens's windows, as a value: the kind of problem and
// the one datum its message needs. The functions that meet a problem give it
// back in their Result; the windows show it (dietlens/ui/problempresenter.h).
#include "lang/languagefile.h"
#include "lang/result.h"

#include <QString>

#include <type_traits>

enum class ProblemKind {
    // Numbers and drawing
    CalculationFailed, // a weight conversion overflowed
    ChartNotDrawn,     // a value of the chart could not be drawn
    AnalysisFailed,    // a record's values could not be worked with; detail: the error code
    DragFailed,        // a drag text could not be made; detail: the error code

    // Files and folders
    SpecialFolderUnknown,   // the system names no such folder
    FolderNotMade,          // making a folder failed unexpectedly
    SettingsNotSaved,       // the settings file could not be written
    SettingsFileMissing,    // no usable settings file: this is a first run
    BookmarksNotRead,       // the bookmarks file is missing, unreadable or damaged
    BookmarksNotSaved,      // the bookmarks file or the export could not be written
    NothingToExport,        // there are no bookmarks to export
    LanguageFolderMissing,  // the language folder is not there for the default files
    LanguageFileNotLoaded,  // detail: the file's path
    LanguageFileNotSaved,   // detail: the file's path
    LanguageVersionNotRead, // detail: the file's path

    // The server
    CheckinNotPossible,    // no address to check in at, or a reply that is no version
    CheckinTransferFailed, // the check-in request failed on the way
    ServerDidNotRespond,   // the check-in came back empty
    NewerVersionRequired,  // the server wants a newer program
    SearchInBookmarkList,  // a search while the bookmark list is shown
    SearchTermTooShort,    // fewer than 3 characters
    SearchFailed,          // no address to search at, or the search broke off
    SearchTransferFailed,  // the search request failed on the way
    NoSearchResults,       // detail: the search term
};

struct Problem
{
    ProblemKind kind;
    QString detail; // see ProblemKind; empty where the kind says all

    bool operator==(const Problem&) const = default;
};

// The same problem as one of dietlens's.
Problem dietlensProblem(const LanguageFileProblem& problem);

// A language-file step's outcome with its problems as dietlens's.
template <typename T> Result<T, Problem> dietlensResult(const Result<T, LanguageFileProblem>& from)
{
    Result<T, Problem> to;
    if constexpr (!std::is_void_v<T>)
        to.value = from.value;
    for (const LanguageFileProblem& problem : from.problems)
        to.problems.append(dietlensProblem(problem));
    return to;
}
