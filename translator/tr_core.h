#pragma once
// translator's main window: the forms of the document on the left, the rows
// of the chosen form on the right, the file header below the forms.
#include "translator/document.h"
#include "translator/review.h"
#include "translator/trcommon.h"

#include <QMainWindow>

#include <array>
#include <optional>

class Messenger;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QStyledItemDelegate;
class QToolBar;

namespace translator {

class TR_Core : public QMainWindow
{
    Q_OBJECT
public:
    TR_Core(const TranslatorSettings& settings, Messenger& messenger, QWidget* parent = nullptr);

    TranslatorDocument& document() { return m_document; }
    const TranslatorSettings& settings() const { return m_settings; }

    void mnu_new_Click();
    void mnu_open_Click();
    void mnu_save_Click();
    void mnu_saveas_Click();
    void mnu_exit_Click();
    void mnu_text_new_Click();
    void mnu_text_edit_Click();
    void mnu_text_insert_Click();
    void mnu_text_delete_Click();
    void mnu_text_replace_Click();
    void mnu_savecode_Click();
    void mnu_about_Click();
    void mnu_website_Click();
    void Toolbar1_ButtonClick(int button);

    void lst_forms_Click(int line);
    void lst_forms_DblClick();
    void lst_lang_Click(int row);
    void lst_lang_DblClick();
    void txt_filetitle_DblClick();

    // Enables the commands that may run now.
    void UpdateCommands();

    // Aids for translating, beside the described commands.
    void undo();
    void redo();
    void chooseReference();
    void closeReference();
    // Reads a reference file; false (after the loader's message) when it cannot be read.
    bool useReference(const QString& path);
    bool hasReference() const { return m_reference.has_value(); }
    const TranslationNotes& notes() const { return m_notes; }
    void goToNextRowToDo();
    void toggleMarkedDone();
    // Hides the chosen row's warnings of one kind (all of them when none is
    // given) while the row's text stays as it is.
    void dismissWarnings(std::optional<Problem> kind = std::nullopt);
    void findInAllForms();
    // Shows the form and chooses the row, as a click would.
    void goToRow(int form, int row);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildCentral();
    void buildStatusBar();
    QAction* addMenuAction(QMenu* menu, const char* name, const QString& caption,
                           const QKeySequence& shortcut, void (TR_Core::*handler)());

    // Bring the controls in line with the document.
    void showForms();
    void showRows();
    void showHeader();
    void showStatus();
    void showDocument();

    void headerEdited(HeaderField field, QLineEdit* box, const QString& text);
    void buildTranslationAids();
    void documentReplaced();  // after New and Open: the notes and reference of this file
    void showReferenceLook(); // the lists' look and the pane, with or without a reference
    void showReview();
    void rememberNotes();
    // Opens the row dialog for a new row (row -1) or a row, and with Ctrl+Enter the next rows to do.
    void editRows(int row);
    bool askYesNo(const QString& title, const QString& text);
    bool confirmClosing();
    // Tells the user, in translator's words, what went wrong with a language file.
    void showFileProblems(const QList<LanguageFileProblem>& problems);

    TranslatorSettings m_settings;
    FitProblems m_fitProblems;                 // rows dietlens cuts, found when the lists are shown
    std::optional<LanguageTables> m_fitTables; // the texts m_fitProblems was measured with
    Messenger& m_messenger;
    TranslatorDocument m_document;
    bool m_exitConfirmed = false;

    QMenu* mnu_file = nullptr;
    QMenu* mnu_edit = nullptr;
    QMenu* mnu_extra = nullptr;
    QMenu* mnu_informatie = nullptr;
    QAction* mnu_new = nullptr;
    QAction* mnu_open = nullptr;
    QAction* mnu_save = nullptr;
    QAction* mnu_saveas = nullptr;
    QAction* mnu_exit = nullptr;
    QAction* mnu_text_new = nullptr;
    QAction* mnu_text_edit = nullptr;
    QAction* mnu_text_insert = nullptr;
    QAction* mnu_text_delete = nullptr;
    QAction* mnu_text_replace = nullptr;
    QAction* mnu_savecode = nullptr;
    QAction* mnu_about = nullptr;
    QAction* mnu_website = nullptr;

    QToolBar* Toolbar1 = nullptr;
    std::array<QAction*, 10> m_buttons{}; // toolbar buttons by number; 1 and 5 carry no command

    QListWidget* lst_forms = nullptr;
    QListWidget* lst_lang = nullptr;
    QGroupBox* Frame_settings = nullptr;
    QLineEdit* txt_app = nullptr;
    QLineEdit* txt_versie = nullptr;
    QLineEdit* txt_naam = nullptr;
    QLineEdit* txt_date = nullptr;
    QLineEdit* txt_rev = nullptr;
    QLineEdit* txt_filetitle = nullptr;
    std::array<QLabel*, 4> m_panels{};

    NotesStore m_notesStore;
    TranslationNotes m_notes;
    std::optional<LanguageTables> m_reference;
    QString m_referencePath;

    QMenu* viewMenu = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QAction* chooseReferenceAction = nullptr;
    QAction* closeReferenceAction = nullptr;
    QAction* onlyLeftToDoAction = nullptr;
    QAction* onlyProblemsAction = nullptr;
    QAction* nextToDoAction = nullptr;
    QAction* markDoneAction = nullptr;
    QAction* findInAllFormsAction = nullptr;
    QGroupBox* referencePane = nullptr;
    QLabel* rowState = nullptr;
    QLabel* rowReference = nullptr;
    QLabel* rowWarnings = nullptr;
    QLabel* formState = nullptr;
    QPushButton* markDoneButton = nullptr;
    QPushButton* dismissButton = nullptr;
    QStyledItemDelegate* m_plainRows = nullptr;
    QStyledItemDelegate* m_plainForms = nullptr;
    QStyledItemDelegate* m_reviewedRows = nullptr; // the lists' look while a reference is chosen
    QStyledItemDelegate* m_reviewedForms = nullptr;
};

} // namespace translator
