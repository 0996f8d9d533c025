#pragma once
// The two notices (program went to the tray, connect first): an explanation,
// a check box "Always show this message." that starts checked, and OK, which
// stores the box as the notice's setting and saves the settings. Closing the
// notice any other way stores nothing.
#include "dietlens/ui/problempresenter.h"

#include <QDialog>
#include <QString>

class LanguageTables;
class Messenger;
struct Paths;
struct Settings;
class QCheckBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

class NoticeWindow : public QDialog
{
    Q_OBJECT
public:
    void cmd_opslaan_Click();

protected:
    NoticeWindow(Settings& settings, const Paths& paths, const LanguageTables& lang, Messenger& messenger,
                 QString Settings::*setting, const QString& checkName, QWidget* parent);
    // Places the widgets; call from the subclass once its own labels exist.
    void finishLayout();

    Settings& m_settings;
    const Paths& m_paths;
    const LanguageTables& m_lang;
    Messenger& m_messenger;
    ProblemPresenter m_problems;
    QString Settings::*m_setting;
    QLabel* Pic_tray;
    QLabel* lbl_1;
    QLabel* lbl_2 = nullptr;
    QCheckBox* m_check;
    QPushButton* cmd_opslaan;
};

// Shown when the main window goes to the tray; modeless.
class DL_ToTray : public NoticeWindow
{
    Q_OBJECT
public:
    DL_ToTray(Settings& settings, const Paths& paths, const LanguageTables& lang, Messenger& messenger,
              QWidget* parent = nullptr);
    void Set_Taal();
};

// Shown at start-up: connect before searching; modal.
class DL_Connectmelding : public NoticeWindow
{
    Q_OBJECT
public:
    DL_Connectmelding(Settings& settings, const Paths& paths, const LanguageTables& lang,
                      Messenger& messenger, QWidget* parent = nullptr);
    void Set_Taal();
};
