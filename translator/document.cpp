#include "translator/document.h"

#include "files/cp1252.h"

#include <QFileInfo>

#include <algorithm>

namespace translator {

namespace {

const QString kNewRowText = QStringLiteral("<NEW>");

TextCheck checkStoredText(const QString& text)
{
    if (!IsFreeOfSeparators(text))
        return TextCheck::HasSeparators;
    if (!cp1252::canEncode(text))
        return TextCheck::NotEncodable;
    return TextCheck::Ok;
}

} // namespace

QString newFormName()
{
    return QStringLiteral("- EMPTY FORM - ");
}

QString emptyFormName()
{
    return QStringLiteral("- EMPTY FORM -");
}

bool IsFreeOfSeparators(const QString& text)
{
    for (const QChar c : text) {
        if (c == QChar(0x00BD) || c == QChar(0x00BE) || c == QChar(0x00BC))
            return false;
    }
    return true;
}

QString FileTitle(const QString& path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

QString RefusalText(TextCheck check)
{
    switch (check) {
    case TextCheck::MaxRowsReached:
        return QStringLiteral("Maximum rows reached for this form.");
    case TextCheck::TooShort:
        return QStringLiteral("Type at least 3 characters");
    case TextCheck::HasSeparators:
        return QStringLiteral("Please remove the \u00BD, \u00BE or \u00BC characters.");
    case TextCheck::NotEncodable:
        return QStringLiteral("Please remove the characters that a language file cannot hold.");
    case TextCheck::Ok:
    case TextCheck::NoRow:
        break;
    }
    return {};
}

TranslatorDocument::TranslatorDocument() = default;

void TranslatorDocument::ResetDocument()
{
    m_tables.clear();
    m_filePath.clear();
    m_header[size_t(HeaderField::Application)].clear();
    m_header[size_t(HeaderField::Version)].clear();
    m_header[size_t(HeaderField::Author)].clear();
    m_formNames.clear();
    m_rows.clear();
    m_rowIndices.clear();
    m_currentForm = 0;
    m_currentRow = -1;
}

void TranslatorDocument::StartNew()
{
    ResetDocument();
    for (int i = 0; i < kFormCount; ++i)
        m_formNames << newFormName();
    m_dirty = false;
    m_opened = m_tables;
    forgetHistory();
}

Result<bool, LanguageFileProblem> TranslatorDocument::Open(const QString& path)
{
    LanguageTables loaded;
    const Result<bool, LanguageFileProblem> read = LoadLanguageFile(loaded, path);
    if (read.value)
        AdoptLoaded(loaded, path);
    return read;
}

void TranslatorDocument::AdoptLoaded(const LanguageTables& tables, const QString& path)
{
    m_tables = tables;
    m_opened = tables;
    forgetHistory();
    m_filePath = path;
    m_rows.clear();
    m_rowIndices.clear();
    m_currentForm = 0;
    m_currentRow = -1;
    m_formNames.clear();
    for (int form = 1; form <= kFormCount; ++form) {
        const QString& name = m_tables.at(LanguageTables::kFormNameTable, form);
        m_formNames << (name.size() < kShownEntryLength ? emptyFormName() : name);
    }
    for (int i = 0; i < kHeaderFieldCount; ++i)
        m_header[size_t(i)] = m_tables.at(LanguageTables::kHeaderTable, i);
    m_dirty = false;
}

Result<void, LanguageFileProblem> TranslatorDocument::SaveTo(const QString& path)
{
    CommitLists();
    const Result<void, LanguageFileProblem> saved = SaveLanguageFile(m_tables, path);
    if (saved.ok())
        m_dirty = false;
    return saved;
}

void TranslatorDocument::CommitLists()
{
    for (int i = 1; i <= LanguageTables::lastIndex(LanguageTables::kFormNameTable); ++i)
        m_tables.set(LanguageTables::kFormNameTable, i, m_formNames.value(i - 1));
    if (m_currentForm >= 1 && m_currentForm <= kFormCount) {
        for (int i = 0; i <= LanguageTables::lastIndex(m_currentForm); ++i)
            m_tables.set(m_currentForm, i, m_rows.value(i));
        // The gaps are closed: row i is now entry i.
        m_rowIndices.clear();
        for (int i = 0; i < m_rows.size(); ++i)
            m_rowIndices << i;
    }
    for (int i = 0; i < kHeaderFieldCount; ++i)
        m_tables.set(LanguageTables::kHeaderTable, i, m_header[size_t(i)]);
}

void TranslatorDocument::ChooseForm(int form)
{
    m_rows.clear();
    m_rowIndices.clear();
    m_currentRow = -1;
    if (form < 1 || form > kFormCount) {
        m_currentForm = 0;
        return;
    }
    m_currentForm = form;
    for (int i = 0; i <= LanguageTables::lastIndex(form); ++i) {
        const QString& entry = m_tables.at(form, i);
        if (entry.size() >= kShownEntryLength) {
            m_rows << entry;
            m_rowIndices << i;
        }
    }
}

void TranslatorDocument::ChooseRow(int row)
{
    m_currentRow = (row >= 0 && row < m_rows.size()) ? row : -1;
}

CommandState TranslatorDocument::commandState() const
{
    CommandState s;
    s.save = m_dirty;
    const bool formShown = m_currentForm >= 1;
    const bool hasRows = !m_rows.isEmpty();
    const bool rowChosen = hasChosenRow();
    s.textNew = formShown;
    s.toolNew = formShown && hasRows;
    s.textEdit = rowChosen;
    s.textInsert = rowChosen;
    s.textDelete = rowChosen;
    s.textReplace = hasRows;
    return s;
}

TextCheck TranslatorDocument::CheckRowText(bool newRow, const QString& text) const
{
    if (newRow && m_rows.size() >= kMaxRows)
        return TextCheck::MaxRowsReached;
    if (text.size() < kMinRowLength)
        return TextCheck::TooShort;
    return checkStoredText(text);
}

TextCheck TranslatorDocument::AddRow(const QString& text)
{
    if (m_currentForm < 1)
        return TextCheck::NoRow;
    const TextCheck check = CheckRowText(true, text);
    if (check != TextCheck::Ok)
        return check;
    beginChange(QStringLiteral("New text"));
    m_rows << text;
    changed();
    return TextCheck::Ok;
}

TextCheck TranslatorDocument::EditRow(int row, const QString& text)
{
    if (row < 0 || row >= m_rows.size())
        return TextCheck::NoRow;
    const TextCheck check = CheckRowText(false, text);
    if (check != TextCheck::Ok)
        return check;
    beginChange(QStringLiteral("Edit text"));
    m_rows[row] = text;
    changed();
    return TextCheck::Ok;
}

TextCheck TranslatorDocument::InsertRow()
{
    if (!hasChosenRow())
        return TextCheck::NoRow;
    if (m_rows.size() >= kMaxRows)
        return TextCheck::MaxRowsReached;
    beginChange(QStringLiteral("Insert text"));
    m_rows.insert(m_currentRow, kNewRowText);
    changed();
    return TextCheck::Ok;
}

bool TranslatorDocument::DeleteRow()
{
    if (!hasChosenRow())
        return false;
    beginChange(QStringLiteral("Delete text"));
    m_rows.removeAt(m_currentRow);
    m_currentRow = -1;
    changed();
    return true;
}

ReplaceResult TranslatorDocument::ReplaceInRows(const QString& search, const QString& replacement)
{
    ReplaceResult result;
    if (search.isEmpty() || replacement.isEmpty() || m_rows.isEmpty())
        return result;
    result.check = checkStoredText(replacement);
    if (result.check != TextCheck::Ok)
        return result;
    result.ran = true;
    beginChange(QStringLiteral("Search and replace"));
    for (QString& row : m_rows) {
        if (row.contains(search, Qt::CaseSensitive)) {
            row.replace(search, replacement, Qt::CaseSensitive);
            ++result.changedRows;
        }
    }
    if (result.changedRows > 0)
        changed();
    else
        m_pending.reset();
    return result;
}

TextCheck TranslatorDocument::RenameForm(int form, const QString& name)
{
    if (form < 1 || form > m_formNames.size())
        return TextCheck::NoRow;
    const TextCheck check = checkStoredText(name);
    if (check != TextCheck::Ok)
        return check;
    beginChange(QStringLiteral("Edit form"));
    m_formNames[form - 1] = name;
    changed();
    return TextCheck::Ok;
}

TextCheck TranslatorDocument::CheckHeaderText(const QString& text) const
{
    return checkStoredText(text);
}

void TranslatorDocument::SetHeader(HeaderField field, const QString& text)
{
    static const char* const names[] = {"Application", "Version", "Author", "Date", "Revision"};
    beginChange(QLatin1String(names[size_t(field)]), 1 + int(field));
    m_header[size_t(field)] = text;
    m_dirty = true;
    endChange();
}

void TranslatorDocument::changed()
{
    m_dirty = true;
    CommitLists();
    endChange();
}

std::vector<FormRow> TranslatorDocument::formRows(int form) const
{
    std::vector<FormRow> out;
    if (form < 1 || form > kFormCount)
        return out;
    if (form == m_currentForm) {
        for (int i = 0; i < m_rows.size(); ++i)
            out.push_back({m_rowIndices.value(i, i), m_rows[i]});
        return out;
    }
    for (int i = 0; i <= LanguageTables::lastIndex(form); ++i) {
        const QString& entry = m_tables.at(form, i);
        if (entry.size() >= kShownEntryLength)
            out.push_back({i, entry});
    }
    return out;
}

int TranslatorDocument::formTextLength(int form) const
{
    if (form != m_currentForm)
        return int(m_tables.tableText(form).size());
    // The chosen form is written as its rows stand.
    qsizetype length = LanguageTables::entryCount(form);
    for (const QString& row : m_rows)
        length += row.size();
    for (int i = int(m_rows.size()) + 1; i <= LanguageTables::lastIndex(form); ++i)
        length += m_tables.at(form, i).size();
    return int(length);
}

QString TranslatorDocument::undoName() const
{
    return canUndo() ? m_history[size_t(m_undoPosition - 1)].name : QString();
}

QString TranslatorDocument::redoName() const
{
    return canRedo() ? m_history[size_t(m_undoPosition)].name : QString();
}

bool TranslatorDocument::Undo()
{
    if (!canUndo())
        return false;
    const UndoStep& step = m_history[size_t(--m_undoPosition)];
    for (const EntryChange& entry : step.entries)
        m_tables.set(entry.table, entry.index, entry.before);
    showView(step.before);
    m_dirty = true;
    return true;
}

bool TranslatorDocument::Redo()
{
    if (!canRedo())
        return false;
    const UndoStep& step = m_history[size_t(m_undoPosition++)];
    for (const EntryChange& entry : step.entries)
        m_tables.set(entry.table, entry.index, entry.after);
    showView(step.after);
    m_dirty = true;
    return true;
}

TranslatorDocument::ViewState TranslatorDocument::viewState() const
{
    return {m_formNames, m_rows, m_rowIndices, m_header, m_currentForm, m_currentRow};
}

void TranslatorDocument::showView(const ViewState& state)
{
    m_formNames = state.formNames;
    m_rows = state.rows;
    m_rowIndices = state.rowIndices;
    m_header = state.header;
    m_currentForm = state.currentForm;
    m_currentRow = state.currentRow;
}

void TranslatorDocument::beginChange(const QString& name, int mergeKey)
{
    m_pending = UndoStep{name, mergeKey, viewState(), {}, {}};
    m_pendingTables = m_tables;
}

void TranslatorDocument::endChange()
{
    if (!m_pending)
        return;
    UndoStep step = std::move(*m_pending);
    m_pending.reset();
    step.after = viewState();
    for (int table = 0; table < LanguageTables::kTableCount; ++table) {
        for (int i = LanguageTables::firstIndex(table); i <= LanguageTables::lastIndex(table); ++i) {
            const QString& before = m_pendingTables.at(table, i);
            const QString& after = m_tables.at(table, i);
            if (before != after)
                step.entries.push_back({table, i, before, after});
        }
    }
    m_pendingTables = LanguageTables();
    if (step.entries.empty() && step.before == step.after)
        return; // saved unchanged: nothing to undo
    // Later changes cannot be redone once something new is done.
    m_history.resize(size_t(m_undoPosition));
    UndoStep* last = m_history.empty() ? nullptr : &m_history.back();
    if (last && step.mergeKey != 0 && last->mergeKey == step.mergeKey) {
        // Another key typed in the same box: one step with the first state before it.
        for (const EntryChange& entry : step.entries) {
            auto same = std::find_if(last->entries.begin(), last->entries.end(), [&](const EntryChange& e) {
                return e.table == entry.table && e.index == entry.index;
            });
            if (same != last->entries.end())
                same->after = entry.after;
            else
                last->entries.push_back(entry);
        }
        last->after = step.after;
        return;
    }
    m_history.push_back(std::move(step));
    if (m_history.size() > size_t(kMaxUndoSteps))
        m_history.erase(m_history.begin());
    m_undoPosition = int(m_history.size());
}

void TranslatorDocument::forgetHistory()
{
    m_history.clear();
    m_undoPosition = 0;
    m_pending.reset();
}

} // namespace translator
