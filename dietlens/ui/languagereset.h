#pragma once
// The reset command of the main window and the settings dialog, as the user
// meets it: the question first, then the reset of the default language files
// and what came of it.
#include <QString>

class LanguageTables;
class ProblemPresenter;
struct ServerHosts;

// On Yes rewrites the three default files, loads the language file the
// settings name (languageFile) into `lang` again, shows what went wrong and,
// when every file was written, confirms. False when the user said No (nothing
// changes) or a write failed.
bool askAndResetLanguageFiles(const QString& languageFolder, const QString& languageFile,
                              const ServerHosts& hosts, LanguageTables& lang,
                              const ProblemPresenter& presenter);
