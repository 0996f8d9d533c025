#include "dietlens/ui/dl_properties.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/paths.h"
#include "dietlens/core/program.h"
#include "dietlens/core/settings.h"
#include "dietlens/lang/text/information.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/lang/text/settings.h"
#include "lang/language.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "lang/messenger.h"
#include "widgets/keyboardaccess.h"
#include "widgets/screenplacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <exception>

namespace {

const QString kOne = QStringLiteral("1");
const QString kZero = QStringLiteral("0");

// "0" unchecked, "1" checked; any other value leaves the box as it is.
void showFlag(QCheckBox* box, const QString& value)
{
    if (value == kZero)
        box->setCheckState(Qt::Unchecked);
    else if (value == kOne)
        box->setCheckState(Qt::Checked);
}

// A grey box leaves the setting as it is.
void storeFlag(const QCheckBox* box, QString& value)
{
    if (box->checkState() == Qt::Unchecked)
        value = kZero;
    else if (box->checkState() == Qt::Checked)
        value = kOne;
}

void showChoice(const std::array<QRadioButton*, 2>& group, const QString& value)
{
    if (value == kZero)
        group[0]->setChecked(true);
    else if (value == kOne)
        group[1]->setChecked(true);
}

// Nothing selected leaves the setting as it is.
void storeChoice(const std::array<QRadioButton*, 2>& group, QString& value)
{
    if (group[0]->isChecked())
        value = kZero;
    else if (group[1]->isChecked())
        value = kOne;
}

} // namespace

DL_Properties::DL_Properties(Settings& settings, const Paths& paths, Language& language, Messenger& messenger,
                             QWidget* parent)
    : QDialog(parent), m_settings(settings), m_paths(paths), m_language(language), m_lang(language.tables()),
      m_messenger(messenger), m_problems(language.tables(), messenger)
{
    setObjectName(QStringLiteral("DL_Properties"));
    setWindowIcon(DietlensIcon());

    lbl_info = new QLabel(this);
    lbl_info->setObjectName(QStringLiteral("lbl_info"));
    lbl_info->setWordWrap(true);
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i] = new QLabel(this);
        m_labels[i]->setObjectName(QStringLiteral("lbl_%1").arg(i + 1));
    }

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    for (int i = 0; i < 3; ++i)
        TabStrip1->addTab(QString());
    m_pages = new QStackedWidget(this);
    for (std::size_t i = 0; i < ChoiceFrame.size(); ++i)
        ChoiceFrame[i] = newPage(static_cast<int>(i));

    // Page 1: name, language, food server.
    Frame[0] = newFrame(0, ChoiceFrame[0]);
    auto* names = new QFormLayout(Frame[0]);
    txt_voornaam = new QLineEdit(Frame[0]);
    txt_voornaam->setObjectName(QStringLiteral("txt_voornaam"));
    txt_achternaam = new QLineEdit(Frame[0]);
    txt_achternaam->setObjectName(QStringLiteral("txt_achternaam"));
    // Each box is named by its own label, not by the frame around both.
    m_labels[0]->setBuddy(txt_voornaam);
    m_labels[1]->setBuddy(txt_achternaam);
    for (QLineEdit* box : {txt_voornaam, txt_achternaam})
        RefuseUnstorableCharacters(box, ProgramName(), m_messenger);
    names->addRow(m_labels[0], txt_voornaam);
    names->addRow(m_labels[1], txt_achternaam);

    Frame[1] = newFrame(1, ChoiceFrame[0]);
    auto* languageRow = new QHBoxLayout(Frame[1]);
    Combo_taal = new QComboBox(Frame[1]);
    Combo_taal->setObjectName(QStringLiteral("Combo_taal"));
    Combo_taal->setMinimumWidth(180);
    cmd_reset = new QPushButton(QStringLiteral("R"), Frame[1]);
    cmd_reset->setObjectName(QStringLiteral("cmd_reset"));
    cmd_reset->setAutoDefault(false);
    cmd_reset->setFixedWidth(cmd_reset->fontMetrics().horizontalAdvance(QStringLiteral("RR")) + 16);
    m_labels[2]->setBuddy(Combo_taal);
    NameFollowsToolTip(cmd_reset, QStringLiteral("Reset language files"));
    languageRow->addWidget(m_labels[2]);
    languageRow->addWidget(Combo_taal, 1);
    languageRow->addWidget(cmd_reset);

    Frame[2] = newFrame(2, ChoiceFrame[0]);
    auto* servers = new QVBoxLayout(Frame[2]);
    for (std::size_t i = 0; i < opt_db.size(); ++i) {
        opt_db[i] = new QRadioButton(Frame[2]);
        opt_db[i]->setObjectName(QStringLiteral("opt_db(%1)").arg(i));
        servers->addWidget(opt_db[i]);
    }

    // Page 2: pop-ups, energy unit, weight unit.
    Frame[4] = newFrame(4, ChoiceFrame[1]);
    auto* popups = new QVBoxLayout(Frame[4]);
    auto newCheck = [](const char* name, QWidget* frame, QBoxLayout* layout) {
        auto* box = new QCheckBox(frame);
        box->setObjectName(QLatin1String(name));
        layout->addWidget(box);
        return box;
    };
    chk_totray = newCheck("chk_totray", Frame[4], popups);
    chk_connect = newCheck("chk_connect", Frame[4], popups);
    chk_ontop = newCheck("chk_ontop", Frame[4], popups);
    auto newChoice = [](const char* name, QGroupBox* frame, std::array<QRadioButton*, 2>& group) {
        auto* layout = new QVBoxLayout(frame);
        for (std::size_t i = 0; i < group.size(); ++i) {
            group[i] = new QRadioButton(frame);
            group[i]->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
            layout->addWidget(group[i]);
        }
    };
    Frame[5] = newFrame(5, ChoiceFrame[1]);
    newChoice("opt_kjkcal", Frame[5], opt_kjkcal);
    Frame[8] = newFrame(8, ChoiceFrame[1]);
    newChoice("opt_systeem", Frame[8], opt_systeem);

    // Page 3: counters, mail, the diet program.
    Frame[3] = newFrame(3, ChoiceFrame[2]);
    auto* counters = new QFormLayout(Frame[3]);
    auto newCounter = [this](const char* name) {
        auto* label = new QLabel(QStringLiteral("0"), Frame[3]);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    lbl_traffic = newCounter("lbl_traffic");
    lbl_opdrachten = newCounter("lbl_opdrachten");
    lbl_toegevoegd = newCounter("lbl_toegevoegd");
    counters->addRow(m_labels[3], lbl_traffic);
    counters->addRow(m_labels[4], lbl_opdrachten);
    counters->addRow(m_labels[5], lbl_toegevoegd);
    Frame[6] = newFrame(6, ChoiceFrame[2]);
    auto* mail = new QVBoxLayout(Frame[6]);
    chk_mail = newCheck("chk_mail", Frame[6], mail);
    Frame[7] = newFrame(7, ChoiceFrame[2]);
    auto* about = new QVBoxLayout(Frame[7]);
    lbl_nfo_2 = new QLabel(Frame[7]);
    lbl_nfo_2->setObjectName(QStringLiteral("lbl_nfo_2"));
    lbl_nfo_2->setWordWrap(true);
    about->addWidget(lbl_nfo_2);

    for (QWidget* page : ChoiceFrame)
        static_cast<QVBoxLayout*>(page->layout())->addStretch();

    auto newButton = [this](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        return button;
    };
    cmd_website = newButton("cmd_website");
    cmd_annuleer = newButton("cmd_annuleer");
    cmd_opslaan = newButton("cmd_opslaan");
    cmd_opslaan->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmd_website);
    buttons->addStretch();
    buttons->addWidget(cmd_annuleer);
    buttons->addWidget(cmd_opslaan);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbl_info);
    layout->addWidget(TabStrip1);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    setMinimumWidth(480);
    KeepOnScreen(this);

    connect(TabStrip1, &QTabBar::currentChanged, this, &DL_Properties::TabStrip1_Click);
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from anywhere in the dialog.
    const auto turn = [this](int step) {
        TabStrip1->setCurrentIndex((TabStrip1->currentIndex() + step + TabStrip1->count()) %
                                   TabStrip1->count());
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, this,
            [turn] { turn(1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this), &QShortcut::activated,
            this, [turn] { turn(-1); });
    // A pick by the user previews; filling or setting the list in code does not.
    connect(Combo_taal, &QComboBox::activated, this, &DL_Properties::Combo_taal_Click);
    connect(cmd_reset, &QPushButton::clicked, this, &DL_Properties::cmd_reset_Click);
    connect(cmd_website, &QPushButton::clicked, this, &DL_Properties::cmd_website_Click);
    connect(cmd_annuleer, &QPushButton::clicked, this, &DL_Properties::cmd_annuleer_Click);
    connect(cmd_opslaan, &QPushButton::clicked, this, &DL_Properties::cmd_opslaan_Click);

    Form_Load();
}

QWidget* DL_Properties::newPage(int index)
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("ChoiceFrame(%1)").arg(index));
    new QVBoxLayout(page);
    m_pages->addWidget(page);
    return page;
}

QGroupBox* DL_Properties::newFrame(int index, QWidget* page)
{
    auto* frame = new QGroupBox(page);
    frame->setObjectName(QStringLiteral("Frame_%1").arg(index));
    page->layout()->addWidget(frame);
    return frame;
}

void DL_Properties::Form_Load()
{
    try {
        Set_Taal();
        m_currentTab = 1;
        TabStrip1->setCurrentIndex(0);
        m_pages->setCurrentIndex(0);
        FillLanguageList();
        Combo_taal->setCurrentIndex(Combo_taal->findText(m_settings.LanguageFile));
        fillFields();
        SetTopmost(this, WantsTopmost(m_settings.AlwaysOnTop, false));
        txt_voornaam->setFocus();
    } catch (const std::exception&) {
        m_messenger.message(QStringLiteral("Error #600"),
                            joinLines({m_lang.at(text::Settings::AnErrorOccurredWhileSaving28),
                                       m_lang.at(text::Settings::RestartDietlensAndTryAgain29)}),
                            MessageIcon::Critical);
    }
}

void DL_Properties::fillFields()
{
    const Settings& s = m_settings;
    showChoice(opt_db, s.ServerChoice);
    showFlag(chk_totray, s.ShowTrayNotice);
    showFlag(chk_connect, s.ShowConnectNotice);
    showFlag(chk_ontop, s.AlwaysOnTop);
    showChoice(opt_kjkcal, s.EnergyUnit);
    showChoice(opt_systeem, s.WeightUnit);
    showFlag(chk_mail, s.MailOptIn);
    txt_voornaam->setText(s.FirstName);
    txt_achternaam->setText(s.LastName);
    if (!s.TrafficCount.isEmpty()) {
        const double kilobytes = double(CounterValue(s.TrafficCount)) / 1024.0;
        lbl_traffic->setText(FormatNumber(kilobytes, u"#####0.00") + QStringLiteral(" KB"));
    }
    if (!s.SearchCount.isEmpty())
        lbl_opdrachten->setText(s.SearchCount);
    if (!s.AddedCount.isEmpty())
        lbl_toegevoegd->setText(s.AddedCount);
}

void DL_Properties::Set_Taal()
{
    auto F = [this](TextSlot slot) { return m_lang.at(slot); };
    setWindowTitle(F(text::Settings::Settings));
    lbl_info->setText(F(text::Settings::HereYouWillFindAll));
    namespace S = text::Settings;
    const TextSlot tabs[][2] = {{S::GeneralSettings, S::EnterYourNameSelectA},
                                {S::DisplayOptions, S::ChangeTheDisplaySettings},
                                {S::DataTraffic, S::ViewTheInternetTrafficOf}};
    for (int i = 0; i < 3; ++i) {
        TabStrip1->setTabText(i, F(tabs[i][0]));
        TabStrip1->setTabToolTip(i, F(tabs[i][1]));
    }
    const TextSlot frames[] = {S::FullName,        S::Language,
                               S::SelectADatabase, S::TotalInternetTrafficAndInternet,
                               S::PopUpWindows,    S::DisplayKiloJoulesOrKilo};
    for (std::size_t i = 0; i < std::size(frames); ++i)
        Frame[i]->setTitle(F(frames[i]));
    Frame[6]->setTitle(F(text::Settings::RecieveInformationByEmail));
    Frame[7]->setTitle(F(text::Settings::AboutMenuviaFOOD));
    Frame[8]->setTitle(F(text::Settings::DisplayFoodWeightIn));
    const TextSlot labels[] = {S::FirstName, S::LastName, S::SelectALanguage, S::TotalReceivesTrafficInKilo,
                               S::TotalNumberOfSearchJobs};
    for (std::size_t i = 0; i < std::size(labels); ++i)
        m_labels[i]->setText(F(labels[i]));
    m_labels[5]->setText(F(text::Settings::TotalNumberOfAddedFood));
    cmd_reset->setToolTip(F(text::Settings::ResetLanguageFiles));
    opt_db[0]->setText(F(text::Settings::UseTheDutchDatabase));
    opt_db[1]->setText(F(text::Settings::UseTheEnglishDatabase));
    opt_systeem[0]->setText(F(text::Settings::Gram));
    opt_systeem[1]->setText(F(text::Settings::Oz));
    opt_kjkcal[0]->setText(F(text::Settings::DisplayKiloJouleValuesIn));
    opt_kjkcal[1]->setText(F(text::Settings::DisplayKiloCalorieValuesIn));
    chk_totray->setText(F(text::Settings::ShowPopUpWhenI));
    chk_connect->setText(F(text::Settings::ShowConnectFirstPopUp));
    chk_mail->setText(F(text::Settings::YesIWouldLikeTo));
    chk_ontop->setText(F(text::Settings::KeepDietlensOnTopAlways));
    cmd_annuleer->setText(F(text::Settings::Cancel));
    cmd_opslaan->setText(F(text::Settings::Save));
    lbl_nfo_2->setText(m_lang.at(text::Information::IfYouWantMoreDetails));
    cmd_website->setText(m_lang.at(text::Main::QuelmarWebsite));
    Frame[7]->setTitle(m_lang.at(text::Information::AboutMenuviaFOOD));
}

void DL_Properties::FillLanguageList()
{
    const QDir folder(m_paths.LanguageFolder);
    if (m_paths.LanguageFolder.isEmpty() || !folder.exists() || !folder.isReadable()) {
        Combo_taal->clear();
        // A folder start-up could not make has been named to the user already;
        // advice to reset the files would not help with it.
        if (!m_paths.FoldersNotMade.contains(m_paths.LanguageFolder))
            m_messenger.message(QStringLiteral("Error #601"),
                                joinLines({m_lang.at(text::Settings::AnErrorOccurredWhileOpening),
                                           m_lang.at(text::Settings::ResetTheLanguageFilesAnd)}),
                                MessageIcon::Critical);
        return;
    }
    Combo_taal->clear();
    Combo_taal->addItems(folder.entryList({QStringLiteral("*.lsf")}, QDir::Files, QDir::Name));
    Combo_taal->setCurrentIndex(-1);
}

void DL_Properties::TabStrip1_Click()
{
    m_currentTab = TabStrip1->currentIndex() + 1;
    m_pages->setCurrentIndex(m_currentTab - 1);
}

void DL_Properties::Combo_taal_Click()
{
    const QString name = Combo_taal->currentText();
    if (name.isEmpty())
        return;
    // A file that cannot be read is reported before the announcement; the
    // main window relabels itself on it, then the dialog.
    const QString path = m_paths.LanguageFolder + name;
    m_language.update(LanguageChange::Picked, [&](LanguageTables& tables) {
        return m_problems.take(dietlensResult(LoadLanguageFile(tables, path)));
    });
    Set_Taal();
}

void DL_Properties::cmd_reset_Click()
{
    const QString shown = Combo_taal->currentText();
    Q_EMIT resetRequested();
    FillLanguageList();
    // The name shown before stays chosen when the folder still holds it.
    Combo_taal->setCurrentIndex(Combo_taal->findText(shown));
}

void DL_Properties::cmd_website_Click()
{
    Q_EMIT menuviaSiteRequested();
}

void DL_Properties::cmd_annuleer_Click()
{
    const Settings& s = m_settings;
    for (const QString* value : {&s.ServerChoice, &s.LanguageFile, &s.ShowTrayNotice, &s.ShowConnectNotice,
                                 &s.EnergyUnit, &s.MailOptIn, &s.FirstName}) {
        if (value->isEmpty()) {
            m_messenger.message(ProgramName(),
                                joinLines({m_lang.at(text::Settings::TheSettingsAreNotCompleted),
                                           m_lang.at(text::Settings::FillInAllTheSettings)}),
                                MessageIcon::Exclamation);
            return;
        }
    }
    done(QDialog::Rejected);
}

void DL_Properties::cmd_opslaan_Click()
{
    auto warn = [this](TextSlot first, TextSlot second) {
        m_messenger.message(ProgramName(), joinLines({m_lang.at(first), m_lang.at(second)}),
                            MessageIcon::Exclamation);
    };
    namespace S = text::Settings;
    if (txt_voornaam->text().isEmpty())
        return warn(S::YouDidNotEnterA32, S::PleaseEnterAFirstName);
    if (txt_achternaam->text().isEmpty())
        return warn(S::YouDidNotEnterA34, S::PleaseEnterALastName);
    if (Combo_taal->currentText().isEmpty())
        return warn(S::YouDidNotSelectA, S::PleaseSelectALanguageAnd);

    try {
        Settings& s = m_settings;
        s.LanguageFile = Combo_taal->currentText();
        storeChoice(opt_db, s.ServerChoice);
        storeFlag(chk_totray, s.ShowTrayNotice);
        storeFlag(chk_connect, s.ShowConnectNotice);
        storeChoice(opt_kjkcal, s.EnergyUnit);
        storeFlag(chk_mail, s.MailOptIn);
        s.FirstName = txt_voornaam->text();
        s.LastName = txt_achternaam->text();
        storeFlag(chk_ontop, s.AlwaysOnTop);
        storeChoice(opt_systeem, s.WeightUnit);
        Q_EMIT serverChoiceStored();
        m_problems.show(SaveSettings(m_settings, m_paths.SettingsPath).problems);
    } catch (const std::exception&) {
        m_messenger.message(QStringLiteral("Error #602"),
                            joinLines({m_lang.at(text::Settings::AnErrorOccurredWhileSaving38),
                                       m_lang.at(text::Settings::RestartDietlensAndTryAgain39)}),
                            MessageIcon::Critical);
        return;
    }
    done(QDialog::Accepted);
}

void DL_Properties::keyPressEvent(QKeyEvent* event)
{
    // Escape is the Cancel button, with its completeness check.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmd_annuleer_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}
