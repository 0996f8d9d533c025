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

class MainBars : public QObject
{
    Q_OBJECT
public:
    // The toolbar lies in `toolbarParent` at the top left, the rest on the window.
    MainBars(QMainWindow& window, QWidget* toolbarParent);

    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    QMenu* trayMenu() const { return m_trayMenu; }
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
    QMenu* m_trayMenu = nullptr;
    QToolBar* m_toolbar = nullptr;
    QList<QAction*> m_toolbarButtons; // index 0 = position 1
    QLabel* m_panels[3] = {nullptr, nullptr, nullptr};
};
