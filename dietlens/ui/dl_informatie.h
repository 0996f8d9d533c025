#pragma once
// The information window: what the program is, what the maker's diet
// program offers, and the way to the maker's web site.
#include "dietlens/ui/dialogsupport.h"

#include <QDialog>

#include <array>

struct AppState;
class QGroupBox;
class QLabel;
class QPushButton;

class DL_Informatie : public QDialog
{
    Q_OBJECT
public:
    DL_Informatie(const AppState& state, MainWindowHooks hooks, QWidget* parent = nullptr);

    void Set_Taal();

    void cmd_website_Click();
    void lbl_3_Click();
    void cmd_annuleer_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const AppState& m_state;
    MainWindowHooks m_hooks;

    QLabel* lbl_1;
    QLabel* lbl_2;
    QLabel* lbl_3;
    QGroupBox* Frame_1;
    QGroupBox* Frame_2;
    std::array<QLabel*, 7> lbl_nfo{}; // lbl_nfo_1 .. lbl_nfo_7
    QPushButton* cmd_website;
    QPushButton* cmd_annuleer;
};
