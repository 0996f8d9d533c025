#include "lang/language.h"

#include "lang/languagefile.h"

bool Language::load(const QString& path, Messenger& messenger, LanguageChange why)
{
    return update(why, [&](LanguageTables& tables) { return LoadLanguageFile(tables, path, messenger); });
}

bool Language::update(LanguageChange why, const std::function<bool(LanguageTables&)>& write)
{
    const bool done = write(m_tables);
    Q_EMIT changed(why);
    return done;
}
