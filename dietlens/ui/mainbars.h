#pragma once
// The bars of dietlens' main window: the menu bar with its items and their
// shortcuts, the tray menu, the toolbar and the three status panels. Every
// menu, item and button carries its name; the window connects the commands.
#include <QObject>
#include <QString>

class LanguageTables;
class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;

// The menus of the main window and the tray menu ("mnuPopup").
struct MainMenus
{
    QMenu* mnu_bestand = nullptr;
    QMenu* mnu_export = nullptr;
    QMenu* mnu_opties = nullptr;
    QMenu* mnu_extra = nullptr;
    QMenu* mnu_info = nullptr;
    QMenu* mnuPopup = nullptr;
};

// The commands of the menus; each QAction's objectName is its member's name.
struct MainCommands
{
    QAction* mnu_settings = nullptr;
    QAction* mnu_connect = nullptr;
    QAction* mnu_opslaan = nullptr;
    QAction* mnu_exit = nullptr;
    QAction* mnu_toevoegen = nullptr;
    QAction* mnu_addlijst = nullptr;
    QAction* mnu_del = nullptr;
    QAction* mnu_reset_taal = nullptr;
    QAction* mnu_index = nullptr;
    QAction* mnu_informatie = nullptr;
    QAction* mnu_website = nullptr;
    QAction* mnu_mvfoodinfo = nullptr;
    QAction* mnuShow = nullptr;
};

class MainBars : public QObject
{
    Q_OBJECT
public:
    // The toolbar lies in `toolbarParent` at the top left, the rest on the window.
    MainBars(QMainWindow& window, QWidget* toolbarParent);

    const MainMenus& menus() const { return m_menus; }
    const MainCommands& commands() const { return m_commands; }
    QMenu* trayMenu() const { return m_menus.mnuPopup; }
    QToolBar* toolbar() const { return m_toolbar; }
    // Toolbar positions 1 to 11; 1, 4, 7 and 10 are separators.
    QAction* toolbarButton(int position) const;
    QLabel* statusPanel(int panel) const; // 1 to 3

    // The captions of the menus and the tips of the toolbar from table 1.
    void Set_Taal(const LanguageTables& lang);
    // Panel 1 the program and its version, panel 2 the number of records the
    // search for `term` found (or that there are none), panel 3 the maker.
    void UpdateStatusBar(const LanguageTables& lang, qsizetype results, const QString& term);

Q_SIGNALS:
    void toolbarButtonClicked(int position);

private:
    void createMenus();
    void createToolbar(QWidget* parent);
    void createStatusBar();
    // Panels 1 and 3 are 1000 and 2000 twips wide, or as wide as their text
    // needs with the desktop's font; panel 2 takes the rest.
    void FitStatusPanels();

    QMainWindow& m_window;
    MainMenus m_menus;
    MainCommands m_commands;
    QToolBar* m_toolbar = nullptr;
    QList<QAction*> m_toolbarButtons; // index 0 = position 1
    QLabel* m_panels[3] = {nullptr, nullptr, nullptr};
};
