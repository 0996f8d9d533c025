#pragma once
// The translator's document: the 26 language tables of one language file,
// its path, the working copies that the main window shows (form names, the
// rows of the chosen form, the header boxes) and the row and form editing
// operations. Links QtCore only, so every rule is testable without a screen.
#include "lang/languagefile.h"
#include "lang/languagetables.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace translator {

inline constexpr int kFormCount = 24;     // forms 1 to 24; table 25 is the header
inline constexpr int kMaxRows = 200;      // rows a form may get through New text and Insert text
inline constexpr int kMinRowLength = 3;   // characters a row text needs at least
inline constexpr int kMaxRowLength = 400; // characters the row box takes
inline constexpr int kMaxFormNameLength = 50;
inline constexpr int kShownEntryLength = 2;       // entries shorter than this are not listed as rows
inline constexpr int kMaxTableCharacters = 32767; // what a language file may hold of one table
inline constexpr int kMaxUndoSteps = 1000;        // the oldest changes are forgotten past this

// Header boxes in the order of header entries 0 to 4, with their typing limits.
enum class HeaderField { Application = 0, Version, Author, Date, Revision };
inline constexpr int kHeaderFieldCount = 5;
inline constexpr std::array<int, kHeaderFieldCount> kHeaderMaxLength{30, 5, 30, 10, 2};

// Name shown for a form without a name: New writes it with a trailing blank,
// Open shows it without one.
QString newFormName();   // "- EMPTY FORM - "
QString emptyFormName(); // "- EMPTY FORM -"

// True when the text holds none of "½", "¾" and "¼".
bool IsFreeOfSeparators(const QString& text);

// The file name without its folder.
QString FileTitle(const QString& path);

enum class TextCheck {
    Ok,
    MaxRowsReached, // the form already holds 200 rows
    TooShort,       // fewer than 3 characters
    HasSeparators,  // "½", "¾" or "¼"
    NotEncodable,   // a character a language file cannot hold
    NoRow,          // no row of the shown form is chosen
};

// The message shown for a refused text (empty for Ok and NoRow).
QString RefusalText(TextCheck check);

// Which commands may run now.
struct CommandState
{
    bool save = false;
    bool textNew = false;     // menu New text
    bool textEdit = false;    // menu Edit text, toolbar 8
    bool textInsert = false;  // menu Insert text
    bool textDelete = false;  // menu Delete text, toolbar 7
    bool textReplace = false; // Search and replace, toolbar 9
    bool toolNew = false;     // toolbar 6
};

struct ReplaceResult
{
    TextCheck check = TextCheck::Ok;
    int changedRows = 0;
    bool ran = false; // false when there was nothing to search
};

// One shown row of a form: where it sits in the form's table and its text.
struct FormRow
{
    int index = 0;
    QString text;
};

class TranslatorDocument
{
public:
    TranslatorDocument();

    const LanguageTables& tables() const { return m_tables; }
    const QString& filePath() const { return m_filePath; }
    QString fileTitle() const { return FileTitle(m_filePath); }
    void setFilePath(const QString& path) { m_filePath = path; }

    bool dirty() const { return m_dirty; }
    void setDirty(bool dirty) { m_dirty = dirty; }

    int currentForm() const { return m_currentForm; } // 0 = none, else 1 to 24
    int currentRow() const { return m_currentRow; }   // -1 = no row chosen
    bool hasChosenRow() const { return m_currentRow >= 0 && m_currentRow < m_rows.size(); }

    const QStringList& formNames() const { return m_formNames; } // lst_forms
    const QStringList& rows() const { return m_rows; }           // lst_lang
    const QString& header(HeaderField field) const { return m_header[size_t(field)]; }

    // Empties the tables, the path, the form and row lists and the header
    // boxes except date and revision, and forgets the chosen form and row.
    void ResetDocument();
    // New: an empty document with 24 unnamed forms, nothing to save.
    void StartNew();
    // Open: loads the file into emptied tables. When the load fails the
    // document stays exactly as it was and false is returned.
    Result<bool, LanguageFileProblem> Open(const QString& path);
    // Shows freshly loaded tables as the document read from path.
    void AdoptLoaded(const LanguageTables& tables, const QString& path);
    // Writes the shown lists back and the tables to path; clears Dirty on success.
    Result<void, LanguageFileProblem> SaveTo(const QString& path);

    // Writes what the window shows back into the tables: the form names, the
    // rows of the chosen form (every entry after the last row becomes empty, so
    // no row can appear twice) and header entries 0 to 4.
    void CommitLists();

    // Shows the rows of form 1 to 24 (entries of at least 2 characters) and
    // forgets the chosen row.
    void ChooseForm(int form);
    // Chooses row 0 to rows-1; anything else clears the choice.
    void ChooseRow(int row);

    CommandState commandState() const;

    // The table index of shown row 0 to rows-1 (-1 outside): rows skip the
    // entries too short to show until a change writes the form back.
    int rowTableIndex(int row) const { return m_rowIndices.value(row, -1); }
    // The shown row at a table index of the chosen form, or -1.
    int rowAtTableIndex(int index) const { return int(m_rowIndices.indexOf(index)); }
    // The rows of any form as they stand now (the chosen one as shown).
    std::vector<FormRow> formRows(int form) const;
    // The text at a table index as it stood when the document was opened or started.
    const QString& openedText(int table, int index) const { return m_opened.at(table, index); }
    // Characters the form's table takes in the file, separators included;
    // a table may take at most kMaxTableCharacters.
    int formTextLength(int form) const;

    // Undo and redo of every change to the document. An undone or redone change
    // shows its form again and leaves the document unsaved. New and Open forget them.
    bool canUndo() const { return m_undoPosition > 0; }
    bool canRedo() const { return m_undoPosition < int(m_history.size()); }
    QString undoName() const; // the command the next undo takes back, "" when none
    QString redoName() const;
    bool Undo();
    bool Redo();

    // Checks a row text for New text (newRow) or Edit text.
    TextCheck CheckRowText(bool newRow, const QString& text) const;
    // Each change below writes back at once and sets Dirty; a refusal changes nothing.
    TextCheck AddRow(const QString& text);
    TextCheck EditRow(int row, const QString& text);
    TextCheck InsertRow(); // "<NEW>" at the chosen row; later rows move one down
    bool DeleteRow();      // removes the chosen row; later rows move one up
    ReplaceResult ReplaceInRows(const QString& search, const QString& replacement);
    TextCheck RenameForm(int form, const QString& name);

    TextCheck CheckHeaderText(const QString& text) const;
    void SetHeader(HeaderField field, const QString& text);

private:
    // What the window shows besides the tables; an undo step brings it back.
    struct ViewState
    {
        QStringList formNames;
        QStringList rows;
        QList<int> rowIndices;
        std::array<QString, kHeaderFieldCount> header;
        int currentForm = 0;
        int currentRow = -1;
        bool operator==(const ViewState&) const = default;
    };
    struct EntryChange
    {
        int table = 0;
        int index = 0;
        QString before;
        QString after;
    };
    // One change: the entries it rewrote and the view before and after it.
    struct UndoStep
    {
        QString name;
        int mergeKey = 0; // typing in one header box is one step
        ViewState before;
        ViewState after;
        std::vector<EntryChange> entries;
    };

    ViewState viewState() const;
    void showView(const ViewState& state);
    void beginChange(const QString& name, int mergeKey = 0);
    void endChange();
    void forgetHistory();

    LanguageTables m_tables;
    LanguageTables m_opened;
    QList<int> m_rowIndices;
    std::vector<UndoStep> m_history;
    int m_undoPosition = 0;
    std::optional<UndoStep> m_pending;
    LanguageTables m_pendingTables; // the tables when the pending change began
    QString m_filePath;
    bool m_dirty = false;
    int m_currentForm = 0;
    int m_currentRow = -1;
    QStringList m_formNames;
    QStringList m_rows;
    std::array<QString, kHeaderFieldCount> m_header;

    void changed();
};

} // namespace translator
