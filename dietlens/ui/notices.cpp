#include "dietlens/ui/notices.h"

#include "dietlens/core/paths.h"
#include "dietlens/core/settings.h"
#include "dietlens/lang/text/connectnotice.h"
#include "dietlens/lang/text/traynotice.h"
#include "dietlens/ui/dialogsupport.h"
#include "lang/languagetables.h"
#include "widgets/screenplacement.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

NoticeWindow::NoticeWindow(Settings& settings, const Paths& paths, const LanguageTables& lang,
                           Messenger& messenger, QString Settings::*setting, const QString& checkName,
                           QWidget* parent)
    : QDialog(parent), m_settings(settings), m_paths(paths), m_lang(lang), m_messenger(messenger),
      m_problems(lang, messenger), m_setting(setting)
{
    setWindowIcon(DietlensIcon());
    Pic_tray = new QLabel(this);
    Pic_tray->setObjectName(QStringLiteral("Pic_tray"));
    Pic_tray->setPixmap(DietlensIcon().pixmap(32, 32));
    lbl_1 = new QLabel(this);
    lbl_1->setObjectName(QStringLiteral("lbl_1"));
    lbl_1->setWordWrap(true);
    lbl_1->setFixedWidth(320);
    m_check = new QCheckBox(this);
    m_check->setObjectName(checkName);
    m_check->setChecked(true);
    cmd_opslaan = new QPushButton(this);
    cmd_opslaan->setObjectName(QStringLiteral("cmd_opslaan"));
    cmd_opslaan->setDefault(true);
    connect(cmd_opslaan, &QPushButton::clicked, this, &NoticeWindow::cmd_opslaan_Click);
}

void NoticeWindow::finishLayout()
{
    auto* texts = new QVBoxLayout;
    if (lbl_2)
        texts->addWidget(lbl_2);
    texts->addWidget(lbl_1);
    auto* top = new QHBoxLayout;
    top->addWidget(Pic_tray, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(texts, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_check);
    bottom->addStretch();
    bottom->addWidget(cmd_opslaan);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetTopmost(this, WantsTopmost(m_settings.AlwaysOnTop, true));
    KeepOnScreen(this);
}

void NoticeWindow::cmd_opslaan_Click()
{
    QString& value = m_settings.*m_setting;
    if (m_check->checkState() == Qt::Unchecked)
        value = QStringLiteral("0");
    else if (m_check->checkState() == Qt::Checked)
        value = QStringLiteral("1");
    m_problems.show(SaveSettings(m_settings, m_paths.SettingsPath).problems);
    done(QDialog::Accepted);
}

DL_ToTray::DL_ToTray(Settings& settings, const Paths& paths, const LanguageTables& lang, Messenger& messenger,
                     QWidget* parent)
    : NoticeWindow(settings, paths, lang, messenger, &Settings::ShowTrayNotice, QStringLiteral("chk_totray"),
                   parent)
{
    setObjectName(QStringLiteral("DL_ToTray"));
    finishLayout();
    Set_Taal();
}

void DL_ToTray::Set_Taal()
{
    setWindowTitle(m_lang.at(text::TrayNotice::DietlensIsInYourSystem));
    lbl_1->setText(m_lang.at(text::TrayNotice::DietlensIsStillActiveAnd));
    m_check->setText(m_lang.at(text::TrayNotice::AlwaysShowThisMessage));
    cmd_opslaan->setText(m_lang.at(text::TrayNotice::OK));
}

DL_Connectmelding::DL_Connectmelding(Settings& settings, const Paths& paths, const LanguageTables& lang,
                                     Messenger& messenger, QWidget* parent)
    : NoticeWindow(settings, paths, lang, messenger, &Settings::ShowConnectNotice,
                   QStringLiteral("chk_connect"), parent)
{
    setObjectName(QStringLiteral("DL_Connectmelding"));
    lbl_2 = new QLabel(this);
    lbl_2->setObjectName(QStringLiteral("lbl_2"));
    QFont heading = lbl_2->font();
    heading.setBold(true);
    lbl_2->setFont(heading);
    finishLayout();
    Set_Taal();
}

void DL_Connectmelding::Set_Taal()
{
    setWindowTitle(m_lang.at(text::ConnectNotice::MakeAConnectionFirst0));
    lbl_1->setText(m_lang.at(text::ConnectNotice::DietlensIsNotConnectedTo));
    lbl_2->setText(m_lang.at(text::ConnectNotice::MakeAConnectionFirst2));
    m_check->setText(m_lang.at(text::ConnectNotice::AlwaysShowThisMessage));
    cmd_opslaan->setText(m_lang.at(text::ConnectNotice::OK));
}
