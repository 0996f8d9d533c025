#include "translator/review.h"

#include "files/atomicfile.h"
#include "files/boundedread.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

namespace translator {

namespace {

constexpr qint64 kMaxNotesFileBytes = 16 * 1024 * 1024;
const QString kNewRowText = QStringLiteral("<NEW>");

QString doneKey(int form, int index, const QString& text)
{
    return QStringLiteral("%1:%2:").arg(form).arg(index) + text;
}

QString dismissedKey(int form, int index, Problem problem, const QString& text)
{
    return QStringLiteral("%1:%2:%3:").arg(form).arg(index).arg(int(problem)) + text;
}

int leadingBlanks(const QString& text)
{
    int n = 0;
    while (n < text.size() && text[n] == QLatin1Char(' '))
        ++n;
    return n;
}

int trailingBlanks(const QString& text)
{
    int n = 0;
    while (n < text.size() && text[text.size() - 1 - n] == QLatin1Char(' '))
        ++n;
    return n;
}

QString blanks(int n)
{
    return n == 1 ? QStringLiteral("1 blank") : QStringLiteral("%1 blanks").arg(n);
}

// The last character that is not a blank, when it is punctuation.
QChar endingPunctuation(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QChar last = trimmed.back();
    return last.isPunct() ? last : QChar();
}

QString describeEnding(QChar c)
{
    return c.isNull() ? QStringLiteral("no punctuation") : QStringLiteral("\u201C%1\u201D").arg(c);
}

QStringList webAddresses(const QString& text)
{
    static const QRegularExpression address(QStringLiteral(R"((?:https?://|www\.)[^\s"'<>]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (auto it = address.globalMatch(text); it.hasNext();) {
        QString found = it.next().captured();
        while (!found.isEmpty() && QStringLiteral(".,;:!?)").contains(found.back()))
            found.chop(1);
        out << found;
    }
    return out;
}

QList<FormRow> referenceRows(const LanguageTables& reference, int form)
{
    QList<FormRow> out;
    for (int i = 0; i <= LanguageTables::lastIndex(form); ++i) {
        const QString& entry = reference.at(form, i);
        if (entry.size() >= kShownEntryLength)
            out.push_back({i, entry});
    }
    return out;
}

} // namespace

bool RowReview::hasProblems() const
{
    return std::any_of(problems.begin(), problems.end(),
                       [](const RowProblem& p) { return !p.isInformation(); });
}

bool TranslationNotes::isMarkedDone(int form, int index, const QString& text) const
{
    return m_done.contains(doneKey(form, index, text));
}

void TranslationNotes::setMarkedDone(int form, int index, const QString& text, bool done)
{
    if (done)
        m_done.insert(doneKey(form, index, text));
    else
        m_done.remove(doneKey(form, index, text));
}

bool TranslationNotes::isDismissed(int form, int index, Problem problem, const QString& text) const
{
    return m_dismissed.contains(dismissedKey(form, index, problem, text));
}

void TranslationNotes::dismiss(int form, int index, Problem problem, const QString& text)
{
    m_dismissed.insert(dismissedKey(form, index, problem, text));
}

QJsonObject TranslationNotes::toJson() const
{
    const auto sorted = [](const QSet<QString>& set) {
        QStringList list(set.begin(), set.end());
        list.sort();
        return QJsonArray::fromStringList(list);
    };
    QJsonObject out;
    if (!referencePath.isEmpty())
        out[QStringLiteral("reference")] = referencePath;
    if (!m_done.isEmpty())
        out[QStringLiteral("done")] = sorted(m_done);
    if (!m_dismissed.isEmpty())
        out[QStringLiteral("dismissed")] = sorted(m_dismissed);
    return out;
}

TranslationNotes TranslationNotes::fromJson(const QJsonObject& object)
{
    TranslationNotes notes;
    notes.referencePath = object.value(QStringLiteral("reference")).toString();
    for (const QJsonValue v : object.value(QStringLiteral("done")).toArray())
        notes.m_done.insert(v.toString());
    for (const QJsonValue v : object.value(QStringLiteral("dismissed")).toArray())
        notes.m_dismissed.insert(v.toString());
    return notes;
}

namespace {

QJsonObject readNotesFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument json = QJsonDocument::fromJson(ReadAtMost(file, kMaxNotesFileBytes));
    return json.object(); // garbage or a truncated file reads as no notes
}

} // namespace

TranslationNotes NotesStore::notesFor(const QString& documentPath) const
{
    if (documentPath.isEmpty())
        return {};
    return TranslationNotes::fromJson(readNotesFile(m_path).value(documentPath).toObject());
}

bool NotesStore::save(const QString& documentPath, const TranslationNotes& notes) const
{
    if (documentPath.isEmpty() || m_path.isEmpty())
        return false;
    QJsonObject all = readNotesFile(m_path);
    const QJsonObject mine = notes.toJson();
    if (mine.isEmpty())
        all.remove(documentPath);
    else
        all[documentPath] = mine;
    QDir().mkpath(QFileInfo(m_path).path());
    return WriteFileAtomically(m_path, QJsonDocument(all).toJson(QJsonDocument::Indented));
}

ReferenceReview::ReferenceReview(const TranslatorDocument& document, const LanguageTables* reference,
                                 const TranslationNotes& notes, const FitProblems* fits)
    : m_document(document), m_reference(reference), m_notes(notes), m_fits(fits)
{
    if (!m_reference)
        return;
    for (int form = 1; form <= kFormCount; ++form) {
        for (const FormRow& row : m_document.formRows(form)) {
            const QString& ref = m_reference->at(form, row.index);
            if (!ref.isEmpty() && row.text != ref)
                m_translations[ref].push_back({form, row.index, row.text});
        }
    }
}

std::vector<RowReview> ReferenceReview::rows(int form) const
{
    std::vector<RowReview> out;
    for (const FormRow& row : m_document.formRows(form)) {
        RowReview review;
        review.index = row.index;
        review.text = row.text;
        review.changedSinceOpened = row.text != m_document.openedText(form, row.index);
        if (m_reference) {
            review.referenceText = m_reference->at(form, row.index);
            if (review.referenceText.isEmpty())
                review.mark = RowMark::NotInReference;
            else if (row.text != review.referenceText)
                review.mark = RowMark::Differs;
            else if (m_notes.isMarkedDone(form, row.index, row.text))
                review.mark = RowMark::DoneByHand;
            else
                review.mark = RowMark::Same;
        }
        for (const RowProblem& problem : TextProblems(row.text, review.referenceText)) {
            if (!m_notes.isDismissed(form, row.index, problem.kind, row.text))
                review.problems.push_back(problem);
        }
        if (m_fits) {
            const auto fit = m_fits->constFind({form, row.index});
            if (fit != m_fits->constEnd() &&
                !m_notes.isDismissed(form, row.index, Problem::DoesNotFit, row.text))
                review.problems.push_back({Problem::DoesNotFit, *fit});
        }
        if (m_reference && !review.referenceText.isEmpty()) {
            QStringList elsewhere;
            for (const Translation& other : m_translations.value(review.referenceText)) {
                if (other.text != row.text && !(other.form == form && other.index == row.index))
                    elsewhere << QStringLiteral("\u201C%1\u201D (form %2, row %3)")
                                     .arg(other.text)
                                     .arg(other.form)
                                     .arg(other.index);
                if (elsewhere.size() == 3)
                    break;
            }
            if (!elsewhere.isEmpty() &&
                !m_notes.isDismissed(form, row.index, Problem::OtherTranslation, row.text))
                review.problems.push_back(
                    {Problem::OtherTranslation, QStringLiteral("Elsewhere the same text reads ") +
                                                    elsewhere.join(QStringLiteral(", ")) + QLatin1Char('.')});
        }
        out.push_back(std::move(review));
    }
    return out;
}

FormReview ReferenceReview::form(int form) const
{
    FormReview review;
    review.textLength = m_document.formTextLength(form);
    if (!m_reference)
        return review;
    const std::vector<FormRow> mine = m_document.formRows(form);
    for (const FormRow& row : mine) {
        const QString& ref = m_reference->at(form, row.index);
        if (ref.isEmpty())
            continue;
        ++review.paired;
        if (row.text != ref || m_notes.isMarkedDone(form, row.index, row.text))
            ++review.changed;
    }

    const QList<FormRow> theirs = referenceRows(*m_reference, form);
    const int difference = int(theirs.size()) - int(mine.size());
    if (difference == 0)
        return review;
    review.rowCountWarning =
        QStringLiteral("This form has %1 rows, the reference %2.").arg(mine.size()).arg(theirs.size());
    // Where the rows part: the first row that reads as the reference's next (a
    // row deleted) or previous (a row inserted) entry instead of its own.
    QHash<int, QString> at;
    for (const FormRow& row : mine)
        at.insert(row.index, row.text);
    for (const FormRow& row : mine) {
        const QString& own = m_reference->at(form, row.index);
        if (row.text == own)
            continue;
        const int shift = difference > 0 ? 1 : -1;
        const bool moved = row.text == kNewRowText ||
                           (!own.isEmpty() && row.text == m_reference->at(form, row.index + shift)) ||
                           (difference < 0 && at.value(row.index + 1) == own);
        if (moved) {
            review.rowCountWarning +=
                QStringLiteral(" Rows from %1 on sit one index %2 than in the reference.")
                    .arg(row.index)
                    .arg(difference > 0 ? QStringLiteral("lower") : QStringLiteral("higher"));
            break;
        }
    }
    return review;
}

FormReview ReferenceReview::total() const
{
    FormReview sum;
    for (int form = 1; form <= kFormCount; ++form) {
        const FormReview one = this->form(form);
        sum.paired += one.paired;
        sum.changed += one.changed;
    }
    return sum;
}

std::optional<RowPlace> ReferenceReview::nextToDo(int form, int row) const
{
    if (form < 1 || form > kFormCount)
        return std::nullopt;
    if (!m_reference) {
        if (row + 1 < int(m_document.formRows(form).size()))
            return RowPlace{form, row + 1};
        return std::nullopt;
    }
    // This form after the row, the other forms in turn, then this form up to the row.
    for (int step = 0; step <= kFormCount; ++step) {
        const int f = (form - 1 + step) % kFormCount + 1;
        const std::vector<RowReview> reviews = rows(f);
        const int from = step == 0 ? row + 1 : 0;
        const int to = step == kFormCount ? std::min(row + 1, int(reviews.size())) : int(reviews.size());
        for (int r = from; r < to; ++r) {
            if (reviews[size_t(r)].leftToDo())
                return RowPlace{f, r};
        }
    }
    return std::nullopt;
}

QList<RowProblem> TextProblems(const QString& text, const QString& ref)
{
    QList<RowProblem> found;
    const auto add = [&](Problem kind, const QString& message) { found.push_back({kind, message}); };
    if (text.contains(kNewRowText))
        add(Problem::NewPlaceholder, QStringLiteral("The row still holds \u201C<NEW>\u201D."));
    if (ref.isEmpty() || text == ref)
        return found;

    const int refLead = leadingBlanks(ref), lead = leadingBlanks(text);
    const int refTrail = trailingBlanks(ref), trail = trailingBlanks(text);
    QStringList blankNotes;
    if (refLead != lead)
        blankNotes << QStringLiteral("The reference starts with %1, this text with %2.")
                          .arg(blanks(refLead), blanks(lead));
    if (refTrail != trail)
        blankNotes << QStringLiteral("The reference ends with %1, this text with %2.")
                          .arg(blanks(refTrail), blanks(trail));
    if (!blankNotes.isEmpty())
        add(Problem::Blanks, blankNotes.join(QLatin1Char(' ')));

    const QChar refEnd = endingPunctuation(ref), end = endingPunctuation(text);
    if (refEnd != end)
        add(Problem::Punctuation, QStringLiteral("The reference ends in %1, this text in %2.")
                                      .arg(describeEnding(refEnd), describeEnding(end)));

    for (const QString& address : webAddresses(ref)) {
        if (!text.contains(address)) {
            add(Problem::WebAddress,
                QStringLiteral("The reference holds the web address %1; this text does not.").arg(address));
            break;
        }
    }
    return found;
}

namespace {

// Lower case without accents, so "creme" finds "Crème".
QString folded(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            out += c.toCaseFolded();
    }
    return out;
}

} // namespace

std::vector<FoundRow> FindInAllForms(const TranslatorDocument& document, const LanguageTables* reference,
                                     const QString& term)
{
    std::vector<FoundRow> hits;
    const QString wanted = folded(term.trimmed());
    if (wanted.isEmpty())
        return hits;
    for (int form = 1; form <= kFormCount; ++form) {
        const std::vector<FormRow> rows = document.formRows(form);
        for (int r = 0; r < int(rows.size()); ++r) {
            const FormRow& row = rows[size_t(r)];
            const QString ref = reference ? reference->at(form, row.index) : QString();
            const bool inText = folded(row.text).contains(wanted);
            const bool inReference = !ref.isEmpty() && folded(ref).contains(wanted);
            if (inText || inReference)
                hits.push_back({form, r, row.index, row.text, ref, !inText});
        }
    }
    return hits;
}

QString WithVisibleBlanks(const QString& text)
{
    const int lead = leadingBlanks(text);
    if (lead == text.size())
        return QString(lead, QChar(0x2423));
    const int trail = trailingBlanks(text);
    return QString(lead, QChar(0x2423)) + text.mid(lead, text.size() - lead - trail) +
           QString(trail, QChar(0x2423));
}

} // namespace translator
