#include "dietlens/ui/languagereset.h"

#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/ui/problempresenter.h"

bool askAndResetLanguageFiles(const QString& languageFolder, const QString& languageFile,
                              const ServerHosts& hosts, LanguageTables& lang,
                              const ProblemPresenter& presenter)
{
    if (!presenter.askToResetLanguageFiles())
        return false;
    const bool written = presenter.take(ResetLanguageFiles(languageFolder, languageFile, hosts, lang));
    if (written)
        presenter.confirmLanguageFilesReset();
    return written;
}
