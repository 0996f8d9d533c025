#pragma once
// The settings dialog: name, language, food server, display options and
// pop-up choices, and the usage counters. It edits the settings in memory and
// saves them; a language picked in its list is previewed at once.
#include "dietlens/ui/dialogsupport.h"
#include "dietlens/ui/problempresenter.h"

#include <QDialog>

#include <array>

class Language;
class LanguageTables;
class Messenger;
struct Paths;
struct Settings;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;

class DL_Properties : public QDialog
{
    Q_OBJECT
public:
    DL_Properties(Settings& settings, const Paths& paths, Language& language, Messenger& messenger,
                  QWidget* parent = nullptr);

    void Set_Taal();
    void FillLanguageList();

    // Handlers.
    void TabStrip1_Click();
    void Combo_taal_Click();
    void cmd_reset_Click();
    void cmd_website_Click();
    void cmd_annuleer_Click();
    void cmd_opslaan_Click();

    int currentTab() const { return m_currentTab; }

Q_SIGNALS:
    // The reset button: the main window's reset command is to run.
    void resetRequested();
    // The settings were stored from the dialog, the server choice with them.
    void serverChoiceStored();
    // The button to the diet program's page.
    void menuviaSiteRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void fillFields();
    QWidget* newPage(int index);
    QGroupBox* newFrame(int index, QWidget* page);

    Settings& m_settings;
    const Paths& m_paths;
    Language& m_language;
    const LanguageTables& m_lang;
    Messenger& m_messenger;
    ProblemPresenter m_problems;
    int m_currentTab = 1;

    QLabel* lbl_info;
    QTabBar* TabStrip1;
    QStackedWidget* m_pages;
    std::array<QWidget*, 3> ChoiceFrame{};
    std::array<QGroupBox*, 9> Frame{}; // Frame_0 .. Frame_8
    std::array<QLabel*, 6> m_labels{}; // lbl_1 .. lbl_6
    QLineEdit* txt_voornaam;
    QLineEdit* txt_achternaam;
    QComboBox* Combo_taal;
    QPushButton* cmd_reset;
    std::array<QRadioButton*, 2> opt_db{};
    std::array<QRadioButton*, 2> opt_kjkcal{};
    std::array<QRadioButton*, 2> opt_systeem{};
    QCheckBox* chk_totray;
    QCheckBox* chk_connect;
    QCheckBox* chk_ontop;
    QCheckBox* chk_mail;
    QLabel* lbl_traffic;
    QLabel* lbl_opdrachten;
    QLabel* lbl_toegevoegd;
    QLabel* lbl_nfo_2;
    QPushButton* cmd_website;
    QPushButton* cmd_annuleer;
    QPushButton* cmd_opslaan;
};
