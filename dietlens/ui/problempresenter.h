#pragma once
// The one place where dietlens tells the user what came of the work below
// its windows: each Problem becomes its message box (title, text from the
// language tables, icon and buttons), shown on the messenger. The questions
// and confirmations of those commands whose work is done below the windows
// are asked and shown here too; the answer is handed back to the caller.
#include "dietlens/core/problem.h"

#include <QList>
#include <QString>

class LanguageTables;
class Messenger;

class ProblemPresenter
{
public:
    ProblemPresenter(const LanguageTables& lang, Messenger& messenger);

    void show(const Problem& problem) const;
    // Each in turn, in the order they were met.
    void show(const QList<Problem>& problems) const;

    // Shows what went wrong on the way and gives the outcome's value.
    template <typename T> T take(const Result<T, Problem>& outcome) const
    {
        show(outcome.problems);
        return outcome.value;
    }
    // Shows what went wrong; true when nothing did.
    template <typename T> bool passed(const Result<T, Problem>& outcome) const
    {
        show(outcome.problems);
        return outcome.ok();
    }

    // The reset of the language files: asks first (true for Yes), confirms when done.
    bool askToResetLanguageFiles() const;
    void confirmLanguageFilesReset() const;

    // "'name' is added to the bookmark list."
    void confirmBookmarkAdded(const QString& name) const;

    // The file the bookmarks are exported to, starting in the database
    // folder; "" when the user cancelled.
    QString askExportPath(const QString& databaseFolder) const;

private:
    const LanguageTables& m_lang;
    Messenger& m_messenger;
};
