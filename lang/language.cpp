#include "lang/language.h"

#include "lang/languagefile.h"

Result<bool, LanguageFileProblem> Language::load(const QString& path, LanguageChange why)
{
    Result<bool, LanguageFileProblem> loaded;
    update(why, [&](LanguageTables& tables) {
        loaded = LoadLanguageFile(tables, path);
        return loaded.value;
    });
    return loaded;
}

bool Language::update(LanguageChange why, const std::function<bool(LanguageTables&)>& write)
{
    const bool done = write(m_tables);
    Q_EMIT changed(why);
    return done;
}
