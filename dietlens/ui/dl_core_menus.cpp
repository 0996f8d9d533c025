// Menu and toolbar commands of the shell: exit, help, web site, language reset,
// toolbar dispatch and closing the window.
#include "dietlens/ui/dl_core.h"

#include "dietlens/core/appstate.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/ui/kit/openwith.h"
#include "lang/languagefile.h"
#include "lang/messenger.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QUrl>

void DL_Core::mnu_exit_Click()
{
    m_exiting = true;
    hide();
    if (m_endProgram)
        m_endProgram();
}

void DL_Core::mnu_index_Click()
{
    ShowHelp(this, m_state.ProgramFolder, *m_helpDesktop);
}

void DL_Core::mnu_website_Click()
{
    const QString address = m_state.F(1, 58);
    if (!address.trimmed().isEmpty())
        OpenDocument(address);
}

void DL_Core::mnu_mvfoodinfo_Click()
{
    mnu_website_Click();
}

void DL_Core::mnu_reset_taal_Click()
{
    ResetLanguageFiles(m_state, m_messenger);
}

void DL_Core::Toolbar_ButtonClick(int position)
{
    switch (position) {
    case 2: mnu_connect_Click(); break;
    case 3: mnu_settings_Click(); break;
    case 5:
        m_state.ViewListMode = QStringLiteral("0");
        Set_ViewList();
        break;
    case 6:
        m_state.ViewListMode = QStringLiteral("1");
        Fill_BookmarkList();
        Set_ViewList();
        break;
    case 8: mnu_toevoegen_Click(); break;
    case 9: mnu_addlijst_Click(); break;
    case 11: mnu_index_Click(); break;
    default: break;
    }
}

void DL_Core::OpenDocument(const QString& document)
{
    if (m_openDocument) {
        m_openDocument(document);
        return;
    }
    // Failures are silent.
    OpenDialog(document, OpenWithLauncher::desktop(), this);
}

void DL_Core::closeEvent(QCloseEvent* event)
{
    if (m_exiting || !event->spontaneous()) {
        event->accept();
        return;
    }
    // The close box keeps the program running.
    event->ignore();
    CloseToTray();
}
