// The commands of the main window: connecting, searching, the menus and the
// toolbar, the help and web-site commands, the dialogs and closing.
#include "dietlens/core/appstate.h"
#include "dietlens/core/numbers.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/net/connection.h"
#include "dietlens/net/foodsearch.h"
#include "dietlens/net/request.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/languagereset.h"
#include "dietlens/ui/mainbars.h"
#include "dietlens/ui/nutritiondisplay.h"
#include "lang/language.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>

void DL_Core::mnu_connect_Click()
{
    if (requestRunning())
        return;
    if (m_connection->state() == 0) {
        m_connection->ConnectToServer();
        Set_ViewList();
    } else if (m_connection->state() == 1) {
        m_c.txt_item->clear();
        m_connection->Disconnect();
        Set_ViewList();
        m_display->ClearResultsList(); // the records stay
    }
}

void DL_Core::LockForRequest(bool locked)
{
    if (locked) {
        const MainCommands& m = m_bars->commands();
        QList<QAction*> commands{m.mnu_connect, m.mnu_settings, m.mnu_toevoegen, m.mnu_addlijst,
                                 m.mnu_del,     m.mnu_opslaan,  m.mnu_reset_taal};
        for (int position : {2, 3, 5, 6, 8, 9})
            commands.append(m_bars->toolbarButton(position));
        if (m_lock.lock(commands))
            m_c.SetSearchBoxLook(false);
        return;
    }
    if (!m_lock.unlock())
        return;
    // The connection state and the list view decide again about everything
    // they govern; disabling the search box moved the focus away.
    ApplyConnectionControls();
    Set_ViewList();
    m_lock.restoreFocus();
}

void DL_Core::Pic_zoeken_Click()
{
    if (requestRunning())
        return;
    if (m_problems.take(m_search->SearchAllowed(m_c.txt_item->text(),
                                                m_display->viewListMode() == ViewListMode::Bookmarks)))
        SearchFoodItems();
}

void DL_Core::SearchFoodItems()
{
    m_display->ClearResults();
    const std::optional<std::vector<FoodItem>> records = m_search->SearchFoodItems(m_c.txt_item->text());
    if (!records)
        return;
    if (!records->empty())
        m_display->ShowSearchResults(*records);
    UpdateStatusBar();
}

void DL_Core::Toolbar_ButtonClick(int position)
{
    switch (position) {
    case 2:
        mnu_connect_Click();
        break;
    case 3:
        mnu_settings_Click();
        break;
    case 5:
        m_display->Toolbar_ResultsList();
        break;
    case 6:
        m_display->Toolbar_BookmarkList();
        break;
    case 8:
        mnu_toevoegen_Click();
        break;
    case 9:
        m_display->mnu_addlijst_Click();
        break;
    case 11:
        mnu_index_Click();
        break;
    default:
        break;
    }
}

void DL_Core::mnu_exit_Click()
{
    m_exiting = true;
    hide();
    Q_EMIT programEndRequested();
}

void DL_Core::mnu_index_Click()
{
    ShowHelp(this, m_state.paths.ProgramFolder, *m_helpDesktop);
}

void DL_Core::mnu_website_Click()
{
    const QString address = m_state.lang.at(text::Main::WebsiteAddress);
    if (!address.trimmed().isEmpty())
        Q_EMIT documentRequested(address);
}

void DL_Core::mnu_mvfoodinfo_Click()
{
    mnu_website_Click();
}

void DL_Core::mnu_reset_taal_Click()
{
    m_language->update(LanguageChange::Reset, [this](LanguageTables& tables) {
        return askAndResetLanguageFiles(m_state.paths.LanguageFolder, m_state.settings.LanguageFile,
                                        m_state.hosts, tables, m_problems);
    });
}

void DL_Core::mnu_settings_Click()
{
    m_dialogs->Settings();
}

void DL_Core::mnu_toevoegen_Click()
{
    m_dialogs->AddFoodItem(m_connection->requests().limits());
}

void DL_Core::mnu_informatie_Click()
{
    m_dialogs->Information();
}

void DL_Core::mnuShow_Click()
{
    m_dialogs->ShowWindow();
}

void DL_Core::closeEvent(QCloseEvent* event)
{
    if (m_exiting || !event->spontaneous()) {
        event->accept();
        return;
    }
    // The close box keeps the program running.
    event->ignore();
    m_dialogs->CloseToTray();
}
