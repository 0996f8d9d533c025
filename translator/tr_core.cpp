#include "translator/tr_core.h"

#include "lang/messenger.h"
#include "translator/codelisting.h"
#include "translator/findinforms.h"
#include "translator/reviewdelegates.h"
#include "translator/tr_edit.h"
#include "translator/tr_form.h"
#include "translator/tr_replace.h"
#include "widgets/keyboardaccess.h"
#include "widgets/languagefileproblems.h"
#include "widgets/openwith.h"
#include "widgets/rowtips.h"
#include "widgets/twips.h"

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
#include <QPushButton>
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
    : QMainWindow(parent), m_settings(settings), m_messenger(messenger), m_notesStore(settings.notesFile)
{
    setObjectName(QStringLiteral("TR_Core"));
    setWindowTitle(programCaption());
    buildMenus();
    buildToolbar();
    buildCentral();
    buildStatusBar();
    buildTranslationAids();
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
    txt_versie->setAccessibleName(
        QStringLiteral("Version")); // the box beside "Application:" has no label of its own
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
    // Under the rows, while a reference file is chosen: the chosen row against the reference.
    referencePane = new QGroupBox(QStringLiteral("Reference"), central);
    referencePane->setObjectName(QStringLiteral("referencePane"));
    rowState = new QLabel(referencePane);
    rowReference = new QLabel(referencePane);
    rowWarnings = new QLabel(referencePane);
    formState = new QLabel(referencePane);
    for (QLabel* paneLabel : {rowState, rowReference, rowWarnings, formState}) {
        paneLabel->setTextFormat(Qt::PlainText);
        paneLabel->setWordWrap(true);
        paneLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    rowState->setObjectName(QStringLiteral("rowState"));
    rowReference->setObjectName(QStringLiteral("rowReference"));
    rowReference->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rowWarnings->setObjectName(QStringLiteral("rowWarnings"));
    formState->setObjectName(QStringLiteral("formState"));
    markDoneButton = new QPushButton(QStringLiteral("Translated as it is"), referencePane);
    markDoneButton->setObjectName(QStringLiteral("markDoneButton"));
    markDoneButton->setCheckable(true);
    markDoneButton->setToolTip(QStringLiteral("The row reads as the reference on purpose (Ctrl+M)"));
    dismissButton = new QPushButton(QStringLiteral("Dismiss warnings"), referencePane);
    dismissButton->setObjectName(QStringLiteral("dismissButton"));
    dismissButton->setToolTip(
        QStringLiteral("Hide these warnings for this row while its text stays as it is"));
    auto* paneButtons = new QHBoxLayout;
    paneButtons->addWidget(markDoneButton);
    paneButtons->addWidget(dismissButton);
    paneButtons->addStretch(1);
    auto* pane = new QVBoxLayout(referencePane);
    pane->addWidget(rowState);
    pane->addWidget(rowReference);
    pane->addWidget(rowWarnings);
    pane->addLayout(paneButtons);
    pane->addWidget(formState);
    referencePane->hide();

    auto* right = new QVBoxLayout;
    right->addWidget(lst_lang, 1);
    right->addWidget(referencePane);
    auto* layout = new QHBoxLayout(central);
    layout->addLayout(left, 2);
    layout->addLayout(right, 5);
    setCentralWidget(central);

    // Tab reads the boxes as they stand, top to bottom.
    setTabOrder(lst_forms, lst_lang);
    setTabOrder(lst_lang, txt_app);
    setTabOrder(txt_app, txt_versie);
    setTabOrder(txt_versie, txt_naam);
    setTabOrder(txt_naam, txt_date);
    setTabOrder(txt_date, txt_rev);
    setTabOrder(txt_rev, txt_filetitle);
    // The reference pane's buttons, when it is shown, come last.
    setTabOrder(txt_filetitle, markDoneButton);
    setTabOrder(markDoneButton, dismissButton);

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
        undoAction->setEnabled(m_document.canUndo());
        undoAction->setText(m_document.canUndo() ? QStringLiteral("Undo ") + m_document.undoName()
                                                 : QStringLiteral("Undo"));
        redoAction->setEnabled(m_document.canRedo());
        redoAction->setText(m_document.canRedo() ? QStringLiteral("Redo ") + m_document.redoName()
                                                 : QStringLiteral("Redo"));
        showStatus();
        showReview();
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
        documentReplaced();
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
    const Result<bool, LanguageFileProblem> opened = m_document.Open(path);
    showFileProblems(opened.problems);
    if (!opened.value)
        return;
    documentReplaced();
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
        const Result<void, LanguageFileProblem> written = m_document.SaveTo(m_document.filePath());
        showFileProblems(written.problems);
        const bool saved = written.ok();
        UpdateCommands();
        if (saved) {
            rememberNotes(); // under the file's new name after Save as
            m_messenger.message(programTitle(), QStringLiteral("The language file has been saved."),
                                MessageIcon::Information);
            return;
        }
        // The writer's message names the file; say which form does not fit.
        for (int form = 1; form <= kFormCount; ++form) {
            const int length = m_document.formTextLength(form);
            if (length > kMaxTableCharacters)
                m_messenger.message(
                    programTitle(),
                    QStringLiteral("Form %1 (%2) takes %L3 characters in the file; a form can take at most "
                                   "%L4. Shorten or delete rows of this form and save again.")
                        .arg(form)
                        .arg(m_document.formNames().value(form - 1).trimmed())
                        .arg(length)
                        .arg(kMaxTableCharacters),
                    MessageIcon::Exclamation);
        }
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
    editRows(-1);
}

void TR_Core::mnu_text_edit_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #10.5"), [this] {
        if (!m_document.hasChosenRow())
            return;
        editRows(m_document.currentRow());
    });
}

void TR_Core::editRows(int row)
{
    bool newRow = row < 0;
    for (;;) {
        TR_Edit dialog(m_document, m_messenger, this);
        if (m_reference) {
            const int index = newRow ? int(m_document.rows().size()) : m_document.rowTableIndex(row);
            dialog.ShowReference(m_reference->at(m_document.currentForm(), index));
        }
        if (m_settings.dietlensFits)
            dialog.ShowDietlensFits(m_settings.dietlensFits);
        if (!(newRow ? dialog.New_Row() : dialog.Edit_Row(row)))
            return;
        const int stored = newRow ? int(m_document.rows().size()) - 1 : row;
        showRows();
        if (newRow)
            lst_lang->scrollToBottom();
        UpdateCommands();
        if (!dialog.wantsNextRow())
            return;
        const ReferenceReview review(m_document, m_reference ? &*m_reference : nullptr, m_notes,
                                     &m_fitProblems);
        const std::optional<RowPlace> next = review.nextToDo(m_document.currentForm(), stored);
        if (!next) {
            if (m_reference)
                m_messenger.message(programTitle(), QStringLiteral("No rows are left to do."),
                                    MessageIcon::Information);
            return;
        }
        goToRow(next->form, next->row);
        row = next->row;
        newRow = false;
    }
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

void TR_Core::buildTranslationAids()
{
    const auto action = [this](const char* name, const QString& caption, const QList<QKeySequence>& keys,
                               void (TR_Core::*handler)()) {
        auto* made = new QAction(caption, this);
        made->setObjectName(QLatin1String(name));
        made->setShortcuts(keys);
        connect(made, &QAction::triggered, this, handler);
        return made;
    };
    // Undo and redo head the Edit menu, as in every editor.
    undoAction =
        action("undoAction", QStringLiteral("Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &TR_Core::undo);
    redoAction = action("redoAction", QStringLiteral("Redo"),
                        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                        &TR_Core::redo);
    mnu_edit->insertAction(mnu_text_new, undoAction);
    mnu_edit->insertAction(mnu_text_new, redoAction);
    mnu_edit->insertSeparator(mnu_text_new);

    viewMenu = new QMenu(QStringLiteral("&View"), this);
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    menuBar()->insertMenu(mnu_extra->menuAction(), viewMenu);
    chooseReferenceAction =
        action("chooseReferenceAction", QStringLiteral("Reference file ..."), {}, &TR_Core::chooseReference);
    chooseReferenceAction->setStatusTip(
        QStringLiteral("Show a second language file beside each row, read-only"));
    closeReferenceAction = action("closeReferenceAction", QStringLiteral("Close the reference file"), {},
                                  &TR_Core::closeReference);
    onlyLeftToDoAction = action("onlyLeftToDoAction", QStringLiteral("Only rows left to do"),
                                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)}, &TR_Core::UpdateCommands);
    onlyProblemsAction = action("onlyProblemsAction", QStringLiteral("Only rows with warnings"),
                                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)}, &TR_Core::UpdateCommands);
    onlyLeftToDoAction->setCheckable(true);
    onlyProblemsAction->setCheckable(true);
    nextToDoAction = action("nextToDoAction", QStringLiteral("Next row to do"), {QKeySequence(Qt::Key_F8)},
                            &TR_Core::goToNextRowToDo);
    markDoneAction = action("markDoneAction", QStringLiteral("Row is translated as it is"),
                            {QKeySequence(Qt::CTRL | Qt::Key_M)}, &TR_Core::toggleMarkedDone);
    markDoneAction->setCheckable(true);
    findInAllFormsAction = action("findInAllFormsAction", QStringLiteral("Find in all forms ..."),
                                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)}, &TR_Core::findInAllForms);
    viewMenu->addAction(chooseReferenceAction);
    viewMenu->addAction(closeReferenceAction);
    viewMenu->addSeparator();
    viewMenu->addAction(onlyLeftToDoAction);
    viewMenu->addAction(onlyProblemsAction);
    viewMenu->addSeparator();
    viewMenu->addAction(nextToDoAction);
    viewMenu->addAction(markDoneAction);
    viewMenu->addSeparator();
    viewMenu->addAction(findInAllFormsAction);

    connect(markDoneButton, &QPushButton::clicked, this, &TR_Core::toggleMarkedDone);
    connect(dismissButton, &QPushButton::clicked, this, [this] { dismissWarnings(); });
    // With several warnings the button offers each one apart.
    auto* dismissMenu = new QMenu(dismissButton);
    dismissMenu->setObjectName(QStringLiteral("dismissMenu"));
    connect(dismissMenu, &QMenu::aboutToShow, this, [this, dismissMenu] {
        dismissMenu->clear();
        if (!m_reference || !m_document.hasChosenRow())
            return;
        const ReferenceReview review(m_document, &*m_reference, m_notes, &m_fitProblems);
        const RowReview row = review.rows(m_document.currentForm()).at(size_t(m_document.currentRow()));
        for (const RowProblem& problem : row.problems) {
            const Problem kind = problem.kind;
            dismissMenu->addAction(problem.message, this, [this, kind] { dismissWarnings(kind); });
        }
        dismissMenu->addSeparator();
        dismissMenu->addAction(QStringLiteral("All of them"), this, [this] { dismissWarnings(); });
    });
    m_plainRows = qobject_cast<QStyledItemDelegate*>(lst_lang->itemDelegate());
    m_plainForms = qobject_cast<QStyledItemDelegate*>(lst_forms->itemDelegate());
    m_reviewedRows = new ReviewedRowDelegate(lst_lang);
    m_reviewedForms = new ReviewedFormDelegate(lst_forms);
}

void TR_Core::documentReplaced()
{
    // The reference and marks belong to a file: a new document has none, an
    // opened one those remembered for it.
    m_notes = m_notesStore.notesFor(m_document.filePath());
    m_reference.reset();
    m_referencePath.clear();
    if (!m_notes.referencePath.isEmpty() && FileExists(m_notes.referencePath)) {
        LanguageTables reference;
        const Result<bool, LanguageFileProblem> loaded = LoadLanguageFile(reference, m_notes.referencePath);
        showFileProblems(loaded.problems);
        if (loaded.value) {
            m_reference = reference;
            m_referencePath = m_notes.referencePath;
        }
    }
    showReferenceLook();
}

void TR_Core::showReferenceLook()
{
    const bool on = m_reference.has_value();
    lst_lang->setItemDelegate(on ? m_reviewedRows : m_plainRows);
    lst_forms->setItemDelegate(on ? m_reviewedForms : m_plainForms);
    referencePane->setVisible(on);
    if (!on) {
        m_panels[3]->clear();
        onlyLeftToDoAction->setChecked(false);
        onlyProblemsAction->setChecked(false);
    }
}

bool TR_Core::useReference(const QString& path)
{
    LanguageTables reference;
    const Result<bool, LanguageFileProblem> loaded = LoadLanguageFile(reference, path);
    showFileProblems(loaded.problems);
    if (!loaded.value)
        return false;
    m_notes.referencePath = path;
    rememberNotes();
    m_reference = reference;
    m_referencePath = path;
    showReferenceLook();
    showRows();
    UpdateCommands();
    return true;
}

void TR_Core::showFileProblems(const QList<LanguageFileProblem>& problems)
{
    showLanguageFileProblems(m_messenger, problems, LanguageSaveFailure::translator(programTitle()));
}

void TR_Core::chooseReference()
{
    const QString start =
        m_referencePath.isEmpty() ? m_settings.documentsFolder : QFileInfo(m_referencePath).path();
    const QString path =
        m_messenger.openFileName({QStringLiteral("Reference file"), start, kLsfFilter, QString()});
    if (path.isEmpty() || !FileExists(path))
        return;
    useReference(path);
}

void TR_Core::closeReference()
{
    m_notes.referencePath.clear();
    rememberNotes();
    m_reference.reset();
    m_referencePath.clear();
    showReferenceLook();
    showForms();
    showRows();
    UpdateCommands();
}

void TR_Core::rememberNotes()
{
    m_notesStore.save(m_document.filePath(), m_notes);
}

void TR_Core::showReview()
{
    const bool on = m_reference.has_value();
    chooseReferenceAction->setEnabled(true);
    closeReferenceAction->setEnabled(on);
    onlyLeftToDoAction->setEnabled(on);
    onlyProblemsAction->setEnabled(on);
    findInAllFormsAction->setEnabled(true);
    nextToDoAction->setEnabled(m_document.currentForm() > 0 || on);

    // With a reference, rows dietlens would cut are warned of as well; measured
    // again only when a text changed (a measure lays out dietlens's windows).
    if (!on || !m_settings.dietlensCuts) {
        m_fitProblems.clear();
        m_fitTables.reset();
    } else if (!m_fitTables || *m_fitTables != m_document.tables()) {
        m_fitProblems = m_settings.dietlensCuts(m_document.tables());
        m_fitTables = m_document.tables();
    }
    const ReferenceReview review(m_document, on ? &*m_reference : nullptr, m_notes, &m_fitProblems);
    const int form = m_document.currentForm();
    const auto formCount = [](const FormReview& f) {
        return QStringLiteral("%L1 of %L2 rows changed, %L3 left").arg(f.changed).arg(f.paired).arg(f.left());
    };

    // Every form's counts once: for its line, the total and the pane.
    std::vector<FormReview> forms(size_t(kFormCount) + 1);
    FormReview total;
    if (on) {
        for (int f = 1; f <= kFormCount; ++f) {
            forms[size_t(f)] = review.form(f);
            total.paired += forms[size_t(f)].paired;
            total.changed += forms[size_t(f)].changed;
        }
    }
    for (int line = 0; line < lst_forms->count(); ++line) {
        QListWidgetItem* item = lst_forms->item(line);
        if (!on || line >= kFormCount) {
            item->setData(FormCountRole, QVariant());
            item->setData(Qt::AccessibleTextRole, QVariant());
            continue;
        }
        const FormReview& f = forms[size_t(line + 1)];
        const QString count = f.paired == 0   ? QString()
                              : f.left() == 0 ? QStringLiteral("\u2713")
                                              : QStringLiteral("%L1 of %L2 left").arg(f.left()).arg(f.paired);
        item->setData(FormCountRole, count);
        const QString words =
            f.paired == 0 ? item->text() : item->text() + QStringLiteral(", ") + formCount(f);
        item->setData(Qt::AccessibleTextRole, words);
        item->setToolTip(words);
    }

    const std::vector<RowReview> rows = review.rows(form);
    const bool onlyLeft = on && onlyLeftToDoAction->isChecked();
    const bool onlyProblems = on && onlyProblemsAction->isChecked();
    for (int r = 0; r < lst_lang->count() && r < int(rows.size()); ++r) {
        QListWidgetItem* item = lst_lang->item(r);
        const RowReview& row = rows[size_t(r)];
        if (!on) {
            for (const int role :
                 {int(RowIndexRole), int(RowMarkRole), int(RowChangedRole), int(RowProblemRole),
                  int(ReferenceTextRole), int(Qt::AccessibleTextRole), int(Qt::ToolTipRole)})
                item->setData(role, QVariant());
            lst_lang->setRowHidden(r, false);
            continue;
        }
        item->setData(RowIndexRole, row.index);
        item->setData(RowMarkRole, int(row.mark));
        item->setData(RowChangedRole, row.changedSinceOpened);
        item->setData(RowProblemRole, row.hasProblems());
        item->setData(ReferenceTextRole, row.referenceText);
        QStringList about{QStringLiteral("Row %1, %2").arg(row.index).arg(MarkWords(int(row.mark)))};
        if (row.changedSinceOpened)
            about << QStringLiteral("changed since the file was opened");
        QString words = about.join(QStringLiteral(", ")) + QStringLiteral(": ") + row.text;
        if (!row.referenceText.isEmpty())
            words += QStringLiteral(". Reference: ") + WithVisibleBlanks(row.referenceText);
        for (const RowProblem& problem : row.problems)
            words += QLatin1Char('\n') + problem.message;
        item->setData(Qt::AccessibleTextRole, words);
        item->setToolTip(words);
        // The chosen row stays in sight even when it no longer matches the filter.
        const bool shown = (!onlyLeft || row.leftToDo()) && (!onlyProblems || row.hasProblems());
        lst_lang->setRowHidden(r, !shown && r != m_document.currentRow());
    }

    if (!on) {
        // Near the table limit a form says so even without a reference.
        const int length = form > 0 ? m_document.formTextLength(form) : 0;
        m_panels[3]->setText(
            length * 10 > kMaxTableCharacters * 9
                ? QStringLiteral("Form size: %L1 of %L2 characters").arg(length).arg(kMaxTableCharacters)
                : QString());
        markDoneAction->setEnabled(false);
        markDoneAction->setChecked(false);
        return;
    }

    m_panels[3]->setText(QStringLiteral("Reference %1: %L2 of %L3 rows left")
                             .arg(QFileInfo(m_referencePath).fileName())
                             .arg(total.left())
                             .arg(total.paired));
    const RowReview* chosen = m_document.hasChosenRow() && m_document.currentRow() < int(rows.size())
                                  ? &rows[size_t(m_document.currentRow())]
                                  : nullptr;
    if (chosen) {
        QString state = QStringLiteral("Row %1: %2").arg(chosen->index).arg(MarkWords(int(chosen->mark)));
        if (chosen->changedSinceOpened)
            state += QStringLiteral(", changed since the file was opened");
        rowState->setText(state + QLatin1Char('.'));
        rowReference->setText(chosen->referenceText.isEmpty()
                                  ? QStringLiteral("The reference has no text at this index.")
                                  : QStringLiteral("Reference: ") + WithVisibleBlanks(chosen->referenceText));
        QStringList warnings;
        for (const RowProblem& problem : chosen->problems)
            warnings << (problem.isInformation() ? QStringLiteral("\u2139 ") : QStringLiteral("\u26A0 ")) +
                            problem.message;
        rowWarnings->setText(warnings.join(QLatin1Char('\n')));
    } else {
        rowState->setText(QStringLiteral("Choose a row to see it beside the reference."));
        rowReference->clear();
        rowWarnings->clear();
    }
    rowWarnings->setVisible(!rowWarnings->text().isEmpty());
    rowReference->setVisible(!rowReference->text().isEmpty());
    const bool canMark = chosen && (chosen->mark == RowMark::Same || chosen->mark == RowMark::DoneByHand);
    markDoneButton->setEnabled(canMark);
    markDoneButton->setChecked(chosen && chosen->mark == RowMark::DoneByHand);
    markDoneAction->setEnabled(canMark);
    markDoneAction->setChecked(chosen && chosen->mark == RowMark::DoneByHand);
    dismissButton->setEnabled(chosen && !chosen->problems.isEmpty());
    const bool several = chosen && chosen->problems.size() > 1;
    dismissButton->setMenu(several ? dismissButton->findChild<QMenu*>(QStringLiteral("dismissMenu"))
                                   : nullptr);

    if (form > 0) {
        const FormReview& f = forms[size_t(form)];
        QString text = QStringLiteral("Form %1: %2. Size %L3 of %L4 characters.")
                           .arg(form)
                           .arg(formCount(f))
                           .arg(f.textLength)
                           .arg(kMaxTableCharacters);
        if (!f.rowCountWarning.isEmpty())
            text += QStringLiteral("\n\u26A0 ") + f.rowCountWarning;
        formState->setText(text);
    } else {
        formState->setText(QStringLiteral("Choose a form."));
    }
}

void TR_Core::undo()
{
    if (!m_document.Undo())
        return;
    showDocument();
    if (QListWidgetItem* item = lst_lang->currentItem())
        lst_lang->scrollToItem(item);
}

void TR_Core::redo()
{
    if (!m_document.Redo())
        return;
    showDocument();
    if (QListWidgetItem* item = lst_lang->currentItem())
        lst_lang->scrollToItem(item);
}

void TR_Core::goToRow(int form, int row)
{
    if (form != m_document.currentForm())
        lst_forms->setCurrentRow(form - 1);
    if (row < 0 || row >= lst_lang->count())
        return;
    lst_lang->setRowHidden(row, false);
    lst_lang->setCurrentRow(row);
    lst_lang->scrollToItem(lst_lang->item(row));
}

void TR_Core::goToNextRowToDo()
{
    const ReferenceReview review(m_document, m_reference ? &*m_reference : nullptr, m_notes, &m_fitProblems);
    const int form = std::max(m_document.currentForm(), 1);
    const int row = m_document.currentForm() > 0 && m_document.hasChosenRow() ? m_document.currentRow() : -1;
    const std::optional<RowPlace> next = review.nextToDo(form, row);
    if (!next) {
        if (m_reference)
            m_messenger.message(programTitle(), QStringLiteral("No rows are left to do."),
                                MessageIcon::Information);
        return;
    }
    goToRow(next->form, next->row);
    lst_lang->setFocus();
}

void TR_Core::toggleMarkedDone()
{
    if (!m_reference || !m_document.hasChosenRow())
        return;
    const int form = m_document.currentForm();
    const int index = m_document.rowTableIndex(m_document.currentRow());
    const QString& text = m_document.rows().at(m_document.currentRow());
    if (text != m_reference->at(form, index))
        return; // a translated row needs no mark
    m_notes.setMarkedDone(form, index, text, !m_notes.isMarkedDone(form, index, text));
    rememberNotes();
    UpdateCommands();
}

void TR_Core::dismissWarnings(std::optional<Problem> kind)
{
    if (!m_reference || !m_document.hasChosenRow())
        return;
    const ReferenceReview review(m_document, &*m_reference, m_notes, &m_fitProblems);
    const std::vector<RowReview> rows = review.rows(m_document.currentForm());
    const RowReview& row = rows.at(size_t(m_document.currentRow()));
    for (const RowProblem& problem : row.problems) {
        if (!kind || problem.kind == *kind)
            m_notes.dismiss(m_document.currentForm(), row.index, problem.kind, row.text);
    }
    rememberNotes();
    UpdateCommands();
}

void TR_Core::findInAllForms()
{
    FindInFormsDialog dialog(m_document, m_reference ? &*m_reference : nullptr, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen())
        return;
    const FoundRow hit = *dialog.chosen();
    goToRow(hit.form, hit.row);
    lst_lang->setFocus();
}

} // namespace translator
