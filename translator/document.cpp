#include "translator/document.h"

#include "lang/cp1252.h"

#include <QFileInfo>

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
    m_currentForm = 0;
    m_currentRow = -1;
}

void TranslatorDocument::StartNew()
{
    ResetDocument();
    for (int i = 0; i < kFormCount; ++i)
        m_formNames << newFormName();
    m_dirty = false;
}

bool TranslatorDocument::Open(const QString& path, Messenger& messenger)
{
    LanguageTables loaded;
    if (!LoadLanguageFile(loaded, path, messenger))
        return false;
    AdoptLoaded(loaded, path);
    return true;
}

void TranslatorDocument::AdoptLoaded(const LanguageTables& tables, const QString& path)
{
    m_tables = tables;
    m_filePath = path;
    m_rows.clear();
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

bool TranslatorDocument::SaveTo(const QString& path, Messenger& messenger, const LanguageSaveFailure& failure)
{
    CommitLists();
    if (!SaveLanguageFile(m_tables, path, messenger, failure))
        return false;
    m_dirty = false;
    return true;
}

void TranslatorDocument::CommitLists()
{
    for (int i = 1; i <= LanguageTables::lastIndex(LanguageTables::kFormNameTable); ++i)
        m_tables.set(LanguageTables::kFormNameTable, i, m_formNames.value(i - 1));
    if (m_currentForm >= 1 && m_currentForm <= kFormCount) {
        for (int i = 0; i <= LanguageTables::lastIndex(m_currentForm); ++i)
            m_tables.set(m_currentForm, i, m_rows.value(i));
    }
    for (int i = 0; i < kHeaderFieldCount; ++i)
        m_tables.set(LanguageTables::kHeaderTable, i, m_header[size_t(i)]);
}

void TranslatorDocument::ChooseForm(int form)
{
    m_rows.clear();
    m_currentRow = -1;
    if (form < 1 || form > kFormCount) {
        m_currentForm = 0;
        return;
    }
    m_currentForm = form;
    for (int i = 0; i <= LanguageTables::lastIndex(form); ++i) {
        const QString& entry = m_tables.at(form, i);
        if (entry.size() >= kShownEntryLength)
            m_rows << entry;
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
    m_rows.insert(m_currentRow, kNewRowText);
    changed();
    return TextCheck::Ok;
}

bool TranslatorDocument::DeleteRow()
{
    if (!hasChosenRow())
        return false;
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
    for (QString& row : m_rows) {
        if (row.contains(search, Qt::CaseSensitive)) {
            row.replace(search, replacement, Qt::CaseSensitive);
            ++result.changedRows;
        }
    }
    if (result.changedRows > 0)
        changed();
    return result;
}

TextCheck TranslatorDocument::RenameForm(int form, const QString& name)
{
    if (form < 1 || form > m_formNames.size())
        return TextCheck::NoRow;
    const TextCheck check = checkStoredText(name);
    if (check != TextCheck::Ok)
        return check;
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
    m_header[size_t(field)] = text;
    m_dirty = true;
}

void TranslatorDocument::changed()
{
    m_dirty = true;
    CommitLists();
}

} // namespace translator
