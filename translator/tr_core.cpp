#include "translator/tr_core.h"

#include "dietlens/ui/kit/keyboardaccess.h"
#include "dietlens/ui/kit/openwith.h"
#include "dietlens/ui/kit/rowtips.h"
#include "dietlens/ui/kit/twips.h"
#include "lang/messenger.h"
#include "translator/codelisting.h"
#include "translator/tr_edit.h"
#include "translator/tr_form.h"
#include "translator/tr_replace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>
#include <QVBoxLayout>

namespace translator {

namespace {

// Status-bar panel widths: 2,000 and 1,500 twips.
constexpr int kTitlePanelWidth = Twips(2000);
constexpr int kNumberPanelWidth = Twips(1500);

const QString kLsfFilter = QStringLiteral("*.LSF format (*.lsf)");

// Restores the normal pointer however the command ends.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    void restore()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
        m_active = false;
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_active = true;
};

// The icon with a disabled image of its own: the picture greyed and faded.
// The style only greys it, and a picture that is grey already (a blank page,
// a bin, a list) then looks the same enabled and disabled.
QIcon withFadedDisabledImage(const QIcon& icon, QStyle* style)
{
    QIcon out;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        const QPixmap normal = icon.pixmap(QSize(size, size), 1.0);
        if (normal.isNull())
            continue;
        QStyleOption option;
        const QPixmap grey = style->generatedIconPixmap(QIcon::Disabled, normal, &option);
        QPixmap faded(grey.size());
        faded.setDevicePixelRatio(grey.devicePixelRatio());
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(0.35);
        painter.drawPixmap(0, 0, grey);
        painter.end();
        out.addPixmap(normal, QIcon::Normal);
        out.addPixmap(faded, QIcon::Disabled);
    }
    return out;
}

} // namespace

TR_Core::TR_Core(const TranslatorSettings& settings, Messenger& messenger, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_messenger(messenger)
{
    setObjectName(QStringLiteral("TR_Core"));
    setWindowTitle(programCaption());
    buildMenus();
    buildToolbar();
    buildCentral();
    buildStatusBar();
    resize(860, 600);

    // Search and replace is reached through its toolbar button only; code
    // generation only with the developer switch on.
    mnu_text_replace->setVisible(false);
    mnu_extra->menuAction()->setVisible(m_settings.developerSwitch == QLatin1String("1"));

    mnu_new_Click();
    lst_forms->setFocus();
}

QAction* TR_Core::addMenuAction(QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& shortcut, void (TR_Core::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void TR_Core::buildMenus()
{
    mnu_file = menuBar()->addMenu(QStringLiteral("&File"));
    mnu_file->setObjectName(QStringLiteral("mnu_file"));
    mnu_new = addMenuAction(mnu_file, "mnu_new", QStringLiteral("New file"),
                            QKeySequence(Qt::CTRL | Qt::Key_N), &TR_Core::mnu_new_Click);
    mnu_open = addMenuAction(mnu_file, "mnu_open", QStringLiteral("Open file"),
                             QKeySequence(Qt::CTRL | Qt::Key_O), &TR_Core::mnu_open_Click);
    mnu_save = addMenuAction(mnu_file, "mnu_save", QStringLiteral("Save file"),
                             QKeySequence(Qt::CTRL | Qt::Key_S), &TR_Core::mnu_save_Click);
    mnu_saveas = addMenuAction(mnu_file, "mnu_saveas", QStringLiteral("Save file as ..."), {},
                               &TR_Core::mnu_saveas_Click);
    mnu_file->addSeparator();
    mnu_exit = addMenuAction(mnu_file, "mnu_exit", QStringLiteral("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X),
                             &TR_Core::mnu_exit_Click);

    mnu_edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnu_edit->setObjectName(QStringLiteral("mnu_edit"));
    mnu_text_new = addMenuAction(mnu_edit, "mnu_text_new", QStringLiteral("New text"),
                                 QKeySequence(Qt::Key_F5), &TR_Core::mnu_text_new_Click);
    mnu_text_edit = addMenuAction(mnu_edit, "mnu_text_edit", QStringLiteral("Edit text"),
                                  QKeySequence(Qt::Key_F6), &TR_Core::mnu_text_edit_Click);
    mnu_text_insert = addMenuAction(mnu_edit, "mnu_text_insert", QStringLiteral("Insert text"),
                                    QKeySequence(Qt::Key_F7), &TR_Core::mnu_text_insert_Click);
    mnu_text_delete = addMenuAction(mnu_edit, "mnu_text_delete", QStringLiteral("Delete text"),
                                    QKeySequence(Qt::Key_Delete), &TR_Core::mnu_text_delete_Click);
    mnu_text_replace = addMenuAction(mnu_edit, "mnu_text_replace", QStringLiteral("Search and replace"),
                                     QKeySequence(Qt::CTRL | Qt::Key_F), &TR_Core::mnu_text_replace_Click);

    mnu_extra = menuBar()->addMenu(QStringLiteral("&Extra"));
    mnu_extra->setObjectName(QStringLiteral("mnu_extra"));
    mnu_savecode = addMenuAction(mnu_extra, "mnu_savecode", QStringLiteral("Save as code"), {},
                                 &TR_Core::mnu_savecode_Click);

    mnu_informatie = menuBar()->addMenu(QStringLiteral("&Information"));
    mnu_informatie->setObjectName(QStringLiteral("mnu_informatie"));
    mnu_about = addMenuAction(mnu_informatie, "mnu_about", QStringLiteral("About"),
                              QKeySequence(Qt::CTRL | Qt::Key_A), &TR_Core::mnu_about_Click);
    mnu_website = addMenuAction(mnu_informatie, "mnu_website", QStringLiteral("Visit our website"),
                                QKeySequence(Qt::Key_F1), &TR_Core::mnu_website_Click);
}

void TR_Core::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    QStyle* st = style();
    const auto icon = [st](const char* themeName, QStyle::StandardPixmap fallback) {
        return QIcon::fromTheme(QLatin1String(themeName), st->standardIcon(fallback));
    };
    struct Button
    {
        int number;
        QIcon icon;
        QString tip;
    };
    const Button buttons[] = {
        {2, icon("document-new", QStyle::SP_FileIcon), QStringLiteral("Start a new file")},
        {3, icon("document-open", QStyle::SP_DialogOpenButton), QStringLiteral("Open an exisiting file")},
        {4, icon("document-save", QStyle::SP_DialogSaveButton), QStringLiteral("Save this file")},
        {6, icon("list-add", QStyle::SP_FileDialogNewFolder), QStringLiteral("Add a new row to the form")},
        {7, icon("list-remove", QStyle::SP_TrashIcon), QStringLiteral("Delete the selected row")},
        {8, icon("document-edit", QStyle::SP_FileDialogDetailedView),
         QStringLiteral("Edit the selected row")},
        {9, icon("edit-find-replace", QStyle::SP_FileDialogContentsView),
         QStringLiteral("Search and replace in the selected form")},
    };
    for (const Button& b : buttons) {
        if (b.number == 6)
            Toolbar1->addSeparator(); // button 5
        QAction* action = Toolbar1->addAction(withFadedDisabledImage(b.icon, st), QString());
        action->setObjectName(QStringLiteral("Toolbar1_Button%1").arg(b.number));
        action->setToolTip(b.tip);
        const int number = b.number;
        connect(action, &QAction::triggered, this, [this, number] { Toolbar1_ButtonClick(number); });
        m_buttons[size_t(b.number)] = action;
        // Reached by Tab like every other control, and named by its tooltip.
        QWidget* button = Toolbar1->widgetForAction(action);
        button->setFocusPolicy(Qt::TabFocus);
        NameFollowsToolTip(button, b.tip);
    }
}

void TR_Core::buildCentral()
{
    auto* central = new QWidget(this);
    lst_forms = new QListWidget(central);
    lst_forms->setObjectName(QStringLiteral("lst_forms"));
    lst_lang = new QListWidget(central);
    lst_lang->setObjectName(QStringLiteral("lst_lang"));
    lst_lang->setContextMenuPolicy(Qt::CustomContextMenu);
    lst_forms->setAccessibleName(QStringLiteral("Forms"));
    lst_lang->setAccessibleName(QStringLiteral("Rows of the form"));
    ShowCutTextsAsToolTips(lst_forms);
    ShowCutTextsAsToolTips(lst_lang);

    Frame_settings = new QGroupBox(QStringLiteral("Language file settings:"), central);
    Frame_settings->setObjectName(QStringLiteral("Frame_settings"));
    const auto box = [this](const char* name, int maxLength, bool editable) {
        auto* edit = new QLineEdit(Frame_settings);
        edit->setObjectName(QLatin1String(name));
        if (maxLength > 0)
            new TypingLimit(edit, maxLength);
        edit->setReadOnly(!editable); // read-only boxes are still reached by Tab, to be read
        return edit;
    };
    txt_app = box("txt_app", kHeaderMaxLength[0], false);
    txt_versie = box("txt_versie", kHeaderMaxLength[1], false);
    txt_naam = box("txt_naam", kHeaderMaxLength[2], true);
    txt_date = box("txt_date", kHeaderMaxLength[3], true);
    txt_rev = box("txt_rev", kHeaderMaxLength[4], true);
    txt_filetitle = box("txt_filetitle", 0, false);
    txt_filetitle->installEventFilter(this);
    txt_versie->setAccessibleName(QStringLiteral("Version")); // the box beside "Application:" has no label of its own
    txt_versie->setMaximumWidth(txt_versie->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    // The application and version boxes keep room for a short name and a version whatever
    // the font: with a large desktop font the left column would otherwise squeeze them to a
    // few letters. At the default font the column is wider than this anyway.
    const int frame = 2 * (txt_app->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, txt_app) + 2);
    txt_app->setMinimumWidth(txt_app->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + frame);
    txt_versie->setMinimumWidth(txt_versie->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + frame);
    txt_rev->setMaximumWidth(txt_rev->fontMetrics().horizontalAdvance(QStringLiteral("000000")));

    auto* grid = new QGridLayout(Frame_settings);
    const auto label = [this](const QString& text, QLineEdit* buddy) {
        auto* l = new QLabel(text, Frame_settings);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(QStringLiteral("Application:"), txt_app), 0, 0);
    auto* appRow = new QHBoxLayout;
    appRow->addWidget(txt_app, 1);
    appRow->addWidget(txt_versie);
    grid->addLayout(appRow, 0, 1);
    grid->addWidget(label(QStringLiteral("Author:"), txt_naam), 1, 0);
    grid->addWidget(txt_naam, 1, 1);
    grid->addWidget(label(QStringLiteral("Date:"), txt_date), 2, 0);
    grid->addWidget(txt_date, 2, 1);
    grid->addWidget(label(QStringLiteral("Revision:"), txt_rev), 3, 0);
    grid->addWidget(txt_rev, 3, 1, Qt::AlignLeft);
    grid->addWidget(label(QStringLiteral("Filename:"), txt_filetitle), 4, 0);
    grid->addWidget(txt_filetitle, 4, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(lst_forms, 1);
    left->addWidget(Frame_settings);
    auto* layout = new QHBoxLayout(central);
    layout->addLayout(left, 2);
    layout->addWidget(lst_lang, 5);
    setCentralWidget(central);

    // Tab reads the boxes as they stand, top to bottom.
    setTabOrder(lst_forms, lst_lang);
    setTabOrder(lst_lang, txt_app);
    setTabOrder(txt_app, txt_versie);
    setTabOrder(txt_versie, txt_naam);
    setTabOrder(txt_naam, txt_date);
    setTabOrder(txt_date, txt_rev);
    setTabOrder(txt_rev, txt_filetitle);

    // The highlighted line is the chosen one, whether the mouse or the keyboard moved it.
    const auto selectedRow = [](QListWidget* list) {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    };
    connect(lst_forms, &QListWidget::itemSelectionChanged, this, [this, selectedRow] {
        const int line = selectedRow(lst_forms);
        if (line >= 0)
            lst_forms_Click(line);
    });
    connect(lst_forms, &QListWidget::activated, this, &TR_Core::lst_forms_DblClick);
    connect(lst_lang, &QListWidget::itemSelectionChanged, this,
            [this, selectedRow] { lst_lang_Click(selectedRow(lst_lang)); });
    connect(lst_lang, &QListWidget::activated, this, &TR_Core::lst_lang_DblClick);
    connect(lst_lang, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        RunCommand(m_messenger, QStringLiteral("ERROR CODE #10.2"), [&] {
            UpdateCommands();
            mnu_edit->popup(lst_lang->viewport()->mapToGlobal(pos));
        });
    });
    connect(txt_naam, &QLineEdit::textEdited, this,
            [this](const QString& t) { headerEdited(HeaderField::Author, txt_naam, t); });
    connect(txt_date, &QLineEdit::textEdited, this,
            [this](const QString& t) { headerEdited(HeaderField::Date, txt_date, t); });
    connect(txt_rev, &QLineEdit::textEdited, this,
            [this](const QString& t) { headerEdited(HeaderField::Revision, txt_rev, t); });
}

void TR_Core::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    const int widths[] = {kTitlePanelWidth, kNumberPanelWidth, kNumberPanelWidth, 0};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar_Panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (widths[i] > 0)
            panel->setMinimumWidth(widths[i]);
        bar->addPermanentWidget(panel, widths[i] > 0 ? 0 : 1);
        m_panels[size_t(i)] = panel;
    }
    m_panels[0]->setText(programCaption());
}

void TR_Core::showForms()
{
    const QSignalBlocker block(lst_forms);
    lst_forms->clear();
    lst_forms->addItems(m_document.formNames());
    if (m_document.currentForm() > 0)
        lst_forms->setCurrentRow(m_document.currentForm() - 1);
}

void TR_Core::showRows()
{
    const QSignalBlocker block(lst_lang);
    lst_lang->clear();
    lst_lang->addItems(m_document.rows());
    if (m_document.hasChosenRow())
        lst_lang->setCurrentRow(m_document.currentRow());
}

void TR_Core::showHeader()
{
    txt_app->setText(m_document.header(HeaderField::Application));
    txt_versie->setText(m_document.header(HeaderField::Version));
    txt_naam->setText(m_document.header(HeaderField::Author));
    txt_date->setText(m_document.header(HeaderField::Date));
    txt_rev->setText(m_document.header(HeaderField::Revision));
    txt_filetitle->setText(m_document.fileTitle());
}

void TR_Core::showStatus()
{
    m_panels[1]->setText(QStringLiteral("Form: ") + QString::number(m_document.currentForm()));
    m_panels[2]->setText(QStringLiteral("Row: ") +
                         (m_document.hasChosenRow() ? QString::number(m_document.currentRow()) : QString()));
}

void TR_Core::showDocument()
{
    showForms();
    showRows();
    showHeader();
    UpdateCommands();
}

void TR_Core::UpdateCommands()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #F1.0"), [this] {
        const CommandState s = m_document.commandState();
        mnu_save->setEnabled(s.save);
        m_buttons[4]->setEnabled(s.save);
        mnu_text_new->setEnabled(s.textNew);
        m_buttons[6]->setEnabled(s.toolNew);
        mnu_text_edit->setEnabled(s.textEdit);
        m_buttons[8]->setEnabled(s.textEdit);
        mnu_text_insert->setEnabled(s.textInsert);
        mnu_text_delete->setEnabled(s.textDelete);
        m_buttons[7]->setEnabled(s.textDelete);
        mnu_text_replace->setEnabled(s.textReplace);
        m_buttons[9]->setEnabled(s.textReplace);
        showStatus();
    });
}

bool TR_Core::askYesNo(const QString& title, const QString& text)
{
    return m_messenger.message(title, text, MessageIcon::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

bool TR_Core::confirmClosing()
{
    return askYesNo(
        QStringLiteral("File is not saved yet!"),
        joinLines({QStringLiteral("The file that is currently opened is not saved yet."),
                   QStringLiteral("If you close the program without saving all changes will be lost!"),
                   QString(), QStringLiteral("Are you sure that you want to exit the program?")}));
}

void TR_Core::mnu_new_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #10.3"), [this] {
        if (m_document.dirty() &&
            !askYesNo(programTitle(),
                      joinLines({QStringLiteral("Changes are not saved yet."),
                                 QStringLiteral("Are you sure that you want to start a new file?")})))
            return;
        m_document.StartNew();
        showDocument();
    });
}

void TR_Core::mnu_open_Click()
{
    if (m_document.dirty() &&
        !askYesNo(programTitle(),
                  joinLines({QStringLiteral("The changes in this file are not saved yet."),
                             QStringLiteral("Are you sure that you want to open another file?")})))
        return;
    const QString path =
        m_messenger.openFileName({QString(), m_settings.documentsFolder, kLsfFilter, QString()});
    if (path.isEmpty() || !FileExists(path))
        return;
    // A file that cannot be read leaves the shown document as it was.
    if (!m_document.Open(path, m_messenger))
        return;
    showDocument();
}

void TR_Core::mnu_saveas_Click()
{
    QString path = m_messenger.saveFileName({QString(), m_settings.documentsFolder, kLsfFilter, QString()});
    if (path.isEmpty() || QFileInfo(path).fileName() == QLatin1String(".lsf"))
        return;
    // dietlens lists only *.lsf files.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".lsf");
    m_document.setFilePath(path);
    txt_filetitle->setText(m_document.fileTitle());
    mnu_save_Click();
}

void TR_Core::mnu_save_Click()
{
    if (m_document.filePath().isEmpty()) {
        mnu_saveas_Click();
        return;
    }
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #10.0"), [this] {
        const bool saved = m_document.SaveTo(m_document.filePath(), m_messenger,
                                             LanguageSaveFailure::translator(programTitle()));
        UpdateCommands();
        if (saved)
            m_messenger.message(programTitle(), QStringLiteral("The language file has been saved."),
                                MessageIcon::Information);
    });
}

void TR_Core::mnu_exit_Click()
{
    if (m_document.dirty() && !confirmClosing())
        return;
    m_exitConfirmed = true;
    if (!close())
        m_exitConfirmed = false;
}

void TR_Core::closeEvent(QCloseEvent* event)
{
    if (!m_exitConfirmed && m_document.dirty() && !confirmClosing()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TR_Core::mnu_text_new_Click()
{
    if (m_document.currentForm() < 1)
        return;
    TR_Edit dialog(m_document, m_messenger, this);
    if (dialog.New_Row()) {
        showRows();
        lst_lang->scrollToBottom();
        UpdateCommands();
    }
}

void TR_Core::mnu_text_edit_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #10.5"), [this] {
        if (!m_document.hasChosenRow())
            return;
        TR_Edit dialog(m_document, m_messenger, this);
        if (dialog.Edit_Row(m_document.currentRow())) {
            showRows();
            UpdateCommands();
        }
    });
}

void TR_Core::mnu_text_insert_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #10.6"), [this] {
        if (!m_document.hasChosenRow())
            return;
        if (!askYesNo(
                programTitle(),
                joinLines({QStringLiteral("Inserting a row will affect the layout of the language file."),
                           QStringLiteral("Are you sure that you want to insert a new row?")})))
            return;
        const TextCheck check = m_document.InsertRow();
        if (check != TextCheck::Ok) {
            if (check != TextCheck::NoRow)
                m_messenger.message(programTitle(), RefusalText(check), MessageIcon::Critical);
            return;
        }
        showRows();
        UpdateCommands();
    });
}

void TR_Core::mnu_text_delete_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #10.4"), [this] {
        if (!m_document.hasChosenRow())
            return;
        if (!askYesNo(
                programTitle(),
                joinLines({QStringLiteral("Deleting a row will affect the layout of the language file."),
                           QStringLiteral("Are you sure that you want to delete this row?")})))
            return;
        const int row = m_document.currentRow();
        if (!m_document.DeleteRow())
            return;
        showRows();
        // Keep the keyboard where it was, without choosing a row for the next command.
        if (lst_lang->count() > 0) {
            const QSignalBlocker block(lst_lang);
            lst_lang->setCurrentRow(std::min(row, lst_lang->count() - 1), QItemSelectionModel::NoUpdate);
        }
        UpdateCommands();
    });
}

void TR_Core::mnu_text_replace_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #16.0"), [this] {
        if (m_document.rows().isEmpty())
            return;
        TR_Replace dialog(m_document, m_messenger, this);
        connect(&dialog, &TR_Replace::rowsChanged, this, [this] {
            showRows();
            UpdateCommands();
        });
        dialog.exec();
    });
}

void TR_Core::mnu_savecode_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #15.0"), [this] {
        m_document.CommitLists();
        WaitCursor wait;
        const QString path = m_settings.documentsFolder + QStringLiteral("output.txt");
        wait.restore();
        m_messenger.message(programTitle(), path, MessageIcon::NoIcon);
        // The documents folder may not exist yet on a fresh account.
        if (!m_settings.documentsFolder.isEmpty())
            QDir().mkpath(m_settings.documentsFolder);
        if (!WriteCodeListing(m_document.tables(), path)) {
            ShowGeneralError(m_messenger, QStringLiteral("ERROR CODE #15.0"));
            return;
        }
        OpenDialog(path, m_settings.launcher, this);
    });
}

void TR_Core::mnu_about_Click()
{
    m_messenger.message(programTitle(),
                        joinLines({programTitle(), QStringLiteral("Version: ") + versionText(),
                                   QStringLiteral("Release date: 01-06-05"), QString(), m_settings.siteEn,
                                   m_settings.siteNl, QString()}),
                        MessageIcon::Information);
}

void TR_Core::mnu_website_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #10.7"),
               [this] { OpenDialog(m_settings.siteEn, m_settings.launcher, this); });
}

void TR_Core::Toolbar1_ButtonClick(int button)
{
    switch (button) {
    case 2:
        mnu_new_Click();
        break;
    case 3:
        mnu_open_Click();
        break;
    case 4:
        mnu_save_Click();
        break;
    case 6:
        mnu_text_new_Click();
        break;
    case 7:
        mnu_text_delete_Click();
        break;
    case 8:
        mnu_text_edit_Click();
        break;
    case 9:
        mnu_text_replace_Click();
        break;
    default:
        break;
    }
}

void TR_Core::lst_forms_Click(int line)
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #10.0"), [this, line] {
        m_document.ChooseForm(line + 1);
        showRows();
        UpdateCommands();
    });
}

void TR_Core::lst_forms_DblClick()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #13.1"), [this] {
        if (m_document.currentForm() < 1)
            return;
        TR_Form dialog(m_document, m_messenger, this);
        if (dialog.Edit_form(m_document.currentForm())) {
            showForms();
            UpdateCommands();
        }
    });
}

void TR_Core::lst_lang_Click(int row)
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #10.1"), [this, row] {
        m_document.ChooseRow(row);
        UpdateCommands();
    });
}

void TR_Core::lst_lang_DblClick()
{
    mnu_text_edit_Click();
}

void TR_Core::txt_filetitle_DblClick()
{
    m_messenger.message(programTitle(), QStringLiteral("Filename: ") + m_document.filePath(),
                        MessageIcon::NoIcon);
}

bool TR_Core::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txt_filetitle && event->type() == QEvent::MouseButtonDblClick) {
        txt_filetitle_DblClick();
        return true;
    }
    // Enter in the file name box shows the full path, as a double click does.
    if (watched == txt_filetitle && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txt_filetitle_DblClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TR_Core::headerEdited(HeaderField field, QLineEdit* box, const QString& text)
{
    const TextCheck check = m_document.CheckHeaderText(text);
    if (check != TextCheck::Ok) {
        const int cursor = box->cursorPosition();
        box->setText(m_document.header(field));
        box->setCursorPosition(std::min(cursor, int(box->text().size())));
        m_messenger.message(programTitle(), RefusalText(check), MessageIcon::Critical);
        return;
    }
    m_document.SetHeader(field, text);
    UpdateCommands();
}

} // namespace translator
