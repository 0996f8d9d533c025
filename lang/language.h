#pragma once
// The one owner of the language tables while a program runs: every change of
// the current language goes through here and is announced with what caused
// it, so each window relabels when it should. Reading goes through tables().
#include "lang/languagefile.h"
#include "lang/languagetables.h"

#include <QObject>

#include <functional>

enum class LanguageChange {
    StartUp, // the language of the settings loaded at start-up (the main window relabels itself after)
    Picked,  // the user picked a language in the settings dialog: the main window relabels at once
    Reset,   // the default files were written again and the language reloaded: nothing relabels
};

class Language : public QObject
{
    Q_OBJECT
public:
    explicit Language(LanguageTables& tables, QObject* parent = nullptr) : QObject(parent), m_tables(tables)
    {
    }

    const LanguageTables& tables() const { return m_tables; }

    // Loads a language file into the tables (see LoadLanguageFile) and announces it,
    // also when the file could not be read and the tables stayed as they were.
    Result<bool, LanguageFileProblem> load(const QString& path, LanguageChange why);
    // Any other writer: runs write on the tables, announces the change and gives write's result.
    bool update(LanguageChange why, const std::function<bool(LanguageTables&)>& write);

Q_SIGNALS:
    void changed(LanguageChange why);

private:
    LanguageTables& m_tables;
};
