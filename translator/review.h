#pragma once
// A translation held against a reference language file: which rows still
// read as the reference, how many are left per form, and what looks wrong.
// Rows are paired by table index, because dietlens finds every text by its
// table and index. Nothing here refuses anything; it only tells.
#include "translator/document.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

class QJsonObject;

namespace translator {

enum class RowMark {
    NoReference,    // no reference file is chosen
    Same,           // reads as the reference: still to do
    Differs,        // translated
    NotInReference, // the reference has no text at this index
    DoneByHand,     // reads as the reference, and the translator said that is right
};

enum class Problem {
    Blanks = 1,       // leading or trailing blanks differ from the reference
    Punctuation,      // the ending punctuation differs
    WebAddress,       // a web address of the reference is missing
    NewPlaceholder,   // "<NEW>" is still in the row
    OtherTranslation, // the same reference text reads differently elsewhere (information only)
    DoesNotFit,       // dietlens cuts the text
};

// Rows of forms 1 to 7 whose text does not fit where dietlens shows it, by
// form and table index, with what happens where.
using FitProblems = QHash<QPair<int, int>, QString>;

struct RowProblem
{
    Problem kind;
    QString message;
    bool isInformation() const { return kind == Problem::OtherTranslation; }
};

struct RowReview
{
    int index = 0; // table index
    QString text;
    QString referenceText;
    RowMark mark = RowMark::NoReference;
    bool changedSinceOpened = false;
    QList<RowProblem> problems; // dismissed ones left out

    bool leftToDo() const { return mark == RowMark::Same; }
    bool hasProblems() const;
};

struct FormReview
{
    int paired = 0;  // rows with a reference text at their index
    int changed = 0; // of those, translated or marked done
    int left() const { return paired - changed; }
    QString rowCountWarning; // "" when the form has as many rows as the reference's
    int textLength = 0;      // characters the form takes in the file
};

// What the translator said about single rows, remembered per language file
// in the user's own settings, never in the file. A mark holds the row's text
// when it was made: once the text at that index changes, the mark no longer applies.
class TranslationNotes
{
public:
    QString referencePath;

    bool isMarkedDone(int form, int index, const QString& text) const;
    void setMarkedDone(int form, int index, const QString& text, bool done);
    bool isDismissed(int form, int index, Problem problem, const QString& text) const;
    void dismiss(int form, int index, Problem problem, const QString& text);

    QJsonObject toJson() const;
    static TranslationNotes fromJson(const QJsonObject& object);
    bool operator==(const TranslationNotes&) const = default;

private:
    QSet<QString> m_done;      // "form:index:text"
    QSet<QString> m_dismissed; // "form:index:problem:text"
};

// The notes of every language file the user has worked on, in one small
// file. A file that cannot be read gives empty notes; writing replaces it whole.
class NotesStore
{
public:
    explicit NotesStore(QString path) : m_path(std::move(path)) {}
    TranslationNotes notesFor(const QString& documentPath) const;
    bool save(const QString& documentPath, const TranslationNotes& notes) const;

private:
    QString m_path;
};

// Where a row to go to is.
struct RowPlace
{
    int form = 0;
    int row = 0; // position in the form's shown rows
};

class ReferenceReview
{
public:
    // reference: null when none is chosen.
    // fits: the rows dietlens cuts, when known.
    ReferenceReview(const TranslatorDocument& document, const LanguageTables* reference,
                    const TranslationNotes& notes, const FitProblems* fits = nullptr);

    bool hasReference() const { return m_reference != nullptr; }
    std::vector<RowReview> rows(int form) const;
    FormReview form(int form) const;
    FormReview total() const; // forms 1 to 24

    // The next row still to do after the given row of the given form: later in
    // that form, then in the forms after it, then from the first form round.
    // Without a reference, simply the next row of the same form.
    std::optional<RowPlace> nextToDo(int form, int row) const;

private:
    const TranslatorDocument& m_document;
    const LanguageTables* m_reference;
    const TranslationNotes& m_notes;
    const FitProblems* m_fits;
    // For each reference text, the texts it was translated to, with where.
    struct Translation
    {
        int form;
        int index;
        QString text;
    };
    QHash<QString, QList<Translation>> m_translations;
};

struct FoundRow
{
    int form = 0;
    int row = 0;   // position in the form's shown rows
    int index = 0; // table index
    QString text;
    QString referenceText;
    bool inReference = false; // found in the reference text only
};

// Rows whose text (or reference text) holds the term, ignoring case and accents;
// forms in order, rows in order.
std::vector<FoundRow> FindInAllForms(const TranslatorDocument& document, const LanguageTables* reference,
                                     const QString& term);

// What looks wrong in a row's text held against its reference text ("" when
// there is none): the blanks, ending punctuation and web addresses, and a
// "<NEW>" left in it. Information about other rows is not included.
QList<RowProblem> TextProblems(const QString& text, const QString& reference);

// The text with its leading and trailing blanks drawn as "␣", so they can be seen.
QString WithVisibleBlanks(const QString& text);

} // namespace translator
