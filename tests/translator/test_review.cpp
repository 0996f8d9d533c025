// A translation held against a reference file, and undo, on the document alone.
#include "dietlens/core/serverhosts.h"
#include "dietlens/lang/defaultlanguages.h"
#include "lang/languagefile.h"
#include "tests/support/languagefiles.h"
#include "tests/support/scriptedmessenger.h"
#include "translator/document.h"
#include "translator/review.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace translator;

namespace {

const ServerHosts kHosts{QStringLiteral("127.0.0.1:8080"), QStringLiteral("127.0.0.1:8080"),
                         QStringLiteral("127.0.0.1:8081"), QStringLiteral("http://127.0.0.1:8080/"),
                         QStringLiteral("http://127.0.0.1:8081/")};

LanguageTables english()
{
    LanguageTables t;
    CreateEnglishLanguage(t, QStringLiteral("2.12"), kHosts);
    return t;
}

LanguageTables dutch()
{
    LanguageTables t;
    CreateDutchLanguage(t, QStringLiteral("2.12"), kHosts);
    return t;
}

// English with form 1 rows 0 to 9 translated.
LanguageTables deutsch()
{
    LanguageTables t = english();
    for (int i = 0; i < 10; ++i)
        t.set(1, i, QStringLiteral("Deutsch %1").arg(i));
    return t;
}

TranslatorDocument opened(const LanguageTables& tables)
{
    TranslatorDocument doc;
    doc.AdoptLoaded(tables, QStringLiteral("/tmp/Deutsch.lsf"));
    return doc;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestReview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aCopyWithTenChangedRowsHasTheRestLeft()
    {
        const LanguageTables reference = english();
        TranslatorDocument doc = opened(deutsch());
        TranslationNotes notes;
        const ReferenceReview review(doc, &reference, notes);

        const FormReview form = review.form(1);
        QCOMPARE(form.paired, 78);
        QCOMPARE(form.changed, 10);
        QVERIFY(form.rowCountWarning.isEmpty());
        QList<int> left;
        for (const RowReview& row : review.rows(1)) {
            if (row.leftToDo())
                left << row.index;
        }
        QList<int> expected;
        for (int i = 10; i < 78; ++i)
            expected << i;
        QCOMPARE(left, expected);
        // The walk to the next row to do starts at row 10 and goes on row by row.
        QCOMPARE(review.nextToDo(1, -1)->row, 10);
        QCOMPARE(review.nextToDo(1, 10)->row, 11);
        // Past the last row of form 1, the next form.
        QCOMPARE(review.nextToDo(1, 77)->form, 2);
        QCOMPARE(review.total().changed, 10);
    }

    void dutchAgainstEnglishMarksExactlyTheEqualRows()
    {
        const LanguageTables reference = english();
        const TranslatorDocument doc = opened(dutch());
        TranslationNotes notes;
        const ReferenceReview review(doc, &reference, notes);
        int same = 0;
        for (int form = 1; form <= kFormCount; ++form) {
            for (const RowReview& row : review.rows(form)) {
                const QString ref = reference.at(form, row.index);
                QCOMPARE(row.mark == RowMark::Same, !ref.isEmpty() && row.text == ref);
                same += row.mark == RowMark::Same;
            }
        }
        QVERIFY(same > 0);

        // Marked by hand, an equal row is done, and stays so only while its text does.
        int form = 1;
        while (review.form(form).left() == 0)
            ++form;
        const std::vector<RowReview> rows = review.rows(form);
        const RowReview first =
            *std::find_if(rows.begin(), rows.end(), [](const RowReview& r) { return r.leftToDo(); });
        const int changedBefore = review.form(form).changed;
        notes.setMarkedDone(form, first.index, first.text, true);
        QCOMPARE(ReferenceReview(doc, &reference, notes).form(form).changed, changedBefore + 1);
        QVERIFY(!notes.isMarkedDone(form, first.index, first.text + QLatin1Char('x')));
    }

    void rowsArePairedByTableIndex()
    {
        LanguageTables reference;
        LanguageTables mine;
        for (int i = 0; i < 4; ++i)
            reference.set(3, i, QStringLiteral("ref %1").arg(i));
        mine.set(3, 0, QStringLiteral("eins"));
        mine.set(3, 1, QStringLiteral("x")); // too short to be a row: row 1 is entry 2
        mine.set(3, 2, QStringLiteral("ref 2"));
        mine.set(3, 3, QStringLiteral("vier"));
        TranslatorDocument doc = opened(mine);
        doc.ChooseForm(3);
        TranslationNotes notes;
        const ReferenceReview review(doc, &reference, notes);
        const std::vector<RowReview> rows = review.rows(3);
        QCOMPARE(rows.size(), size_t(3));
        QCOMPARE(rows[1].index, 2);
        QCOMPARE(rows[1].referenceText, QStringLiteral("ref 2"));
        QCOMPARE(rows[1].mark, RowMark::Same);
        QCOMPARE(rows[2].mark, RowMark::Differs);
    }

    // A row dietlens would cut is warned of, and a dismissed warning stays
    // away until the text changes.
    void aRowThatDoesNotFitIsWarnedOf()
    {
        TranslatorDocument doc = opened(deutsch());
        doc.ChooseForm(1);
        const LanguageTables reference = english();
        const FitProblems fits{
            {{1, 2}, QStringLiteral("Does not fit in dietlens: Main window: cut by 7 px")}};
        TranslationNotes notes;
        const auto problemsOfRow2 = [&] {
            const ReferenceReview review(doc, &reference, notes, &fits);
            const std::vector<RowReview> rows = review.rows(1);
            QStringList messages;
            if (rows.size() < 3 || rows[2].index != 2)
                return QStringList{QStringLiteral("no row 2")};
            for (const RowProblem& problem : rows[2].problems)
                if (problem.kind == translator::Problem::DoesNotFit)
                    messages << problem.message;
            return messages;
        };
        QCOMPARE(problemsOfRow2(), QStringList{fits.value({1, 2})});
        notes.dismiss(1, 2, translator::Problem::DoesNotFit, QStringLiteral("Deutsch 2"));
        QVERIFY(problemsOfRow2().isEmpty());
        notes.dismiss(1, 2, translator::Problem::DoesNotFit, QStringLiteral("Deutsch 2 geändert"));
        QVERIFY(problemsOfRow2().isEmpty());
    }

    void aDeletedRowIsNamedWhereTheRowsPart()
    {
        const LanguageTables reference = english();
        TranslatorDocument doc = opened(english());
        doc.ChooseForm(2);
        doc.ChooseRow(5);
        QVERIFY(doc.DeleteRow());
        TranslationNotes notes;
        const QString warning = ReferenceReview(doc, &reference, notes).form(2).rowCountWarning;
        QVERIFY2(warning.contains(QStringLiteral("Rows from 5 on sit one index lower")), qPrintable(warning));
    }

    void warningsAgainstTheReference_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QList<int>>("problems");
        QTest::newRow("same") << "Gram"
                              << "Gram" << QList<int>{};
        QTest::newRow("translated") << "Gramm"
                                    << "Gram" << QList<int>{};
        QTest::newRow("trailing blank lost") << "Unze"
                                             << "oz " << QList<int>{int(translator::Problem::Blanks)};
        QTest::newRow("leading blank added") << " OK"
                                             << "OK" << QList<int>{int(translator::Problem::Blanks)};
        QTest::newRow("colon lost") << "Suchen"
                                    << "Search :" << QList<int>{int(translator::Problem::Punctuation)};
        QTest::newRow("address lost")
            << "Besuche uns"
            << "Visit http://127.0.0.1:8080/ now" << QList<int>{int(translator::Problem::WebAddress)};
        QTest::newRow("address kept") << "Besuch http://127.0.0.1:8080/ jetzt"
                                      << "Visit http://127.0.0.1:8080/ now" << QList<int>{};
        QTest::newRow("placeholder") << "<NEW>"
                                     << "" << QList<int>{int(translator::Problem::NewPlaceholder)};
    }

    void warningsAgainstTheReference()
    {
        QFETCH(QString, text);
        QFETCH(QString, reference);
        QFETCH(QList<int>, problems);
        QList<int> found;
        for (const RowProblem& p : TextProblems(text, reference))
            found << int(p.kind);
        QCOMPARE(found, problems);
    }

    void undoneChangesSaveTheOpenedBytes()
    {
        QTemporaryDir dir;
        const QString original = dir.filePath(QStringLiteral("Deutsch.lsf"));
        const QString copy = dir.filePath(QStringLiteral("copy.lsf"));
        ScriptedMessenger messenger;
        QVERIFY(testsupport::saveLanguageFile(deutsch(), original, messenger,
                                              LanguageSaveFailure::translator(QString())));
        TranslatorDocument doc;
        QVERIFY(doc.Open(original).value);

        doc.ChooseForm(1);
        doc.ChooseRow(12);
        QCOMPARE(doc.EditRow(12, QStringLiteral("Geändert")), TextCheck::Ok);
        QCOMPARE(doc.InsertRow(), TextCheck::Ok);
        doc.ChooseForm(4);
        QCOMPARE(doc.RenameForm(4, QStringLiteral("Neuer Name")), TextCheck::Ok);
        doc.SetHeader(HeaderField::Author, QStringLiteral("A"));
        doc.SetHeader(HeaderField::Author, QStringLiteral("An")); // typing in one box is one step
        QCOMPARE(doc.undoName(), QStringLiteral("Author"));

        for (int i = 0; i < 4; ++i)
            QVERIFY(doc.Undo());
        QVERIFY(!doc.canUndo());
        QVERIFY(doc.dirty()); // an undo is a change
        QCOMPARE(doc.currentForm(), 1);
        QVERIFY(doc.SaveTo(copy).ok());
        QCOMPARE(fileBytes(copy), fileBytes(original));

        // Redo brings the changes back, the inserted row in place.
        QVERIFY(doc.Redo());
        QVERIFY(doc.Redo());
        QCOMPARE(doc.rows().at(12), QStringLiteral("<NEW>"));
        QCOMPARE(doc.rows().at(13), QStringLiteral("Geändert"));
        QCOMPARE(doc.tables().at(1, 13), QStringLiteral("Geändert"));
        // Something new done after an undo cannot be followed by the old redo.
        QVERIFY(doc.Undo());
        QCOMPARE(doc.EditRow(0, QStringLiteral("Anders")), TextCheck::Ok);
        QVERIFY(!doc.canRedo());
    }

    void notesSurviveAndGarbageReadsAsNone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/notes.json"));
        const NotesStore store(path);
        TranslationNotes notes;
        notes.referencePath = QStringLiteral("/x/English.lsf");
        notes.setMarkedDone(7, 3, QStringLiteral("Gram"), true);
        notes.dismiss(7, 4, translator::Problem::Blanks, QStringLiteral("Unze"));
        QVERIFY(store.save(QStringLiteral("/x/Deutsch.lsf"), notes));
        QCOMPARE(store.notesFor(QStringLiteral("/x/Deutsch.lsf")), notes);
        QCOMPARE(store.notesFor(QStringLiteral("/x/Other.lsf")), TranslationNotes());

        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{\"/x/Deutsch.lsf\": {\"done\": [\"7:3:Gr");
        f.close();
        QCOMPARE(store.notesFor(QStringLiteral("/x/Deutsch.lsf")), TranslationNotes());
    }

    void findsInTextsAndReferenceTexts()
    {
        const LanguageTables reference = english();
        const TranslatorDocument doc = opened(deutsch());
        const std::vector<FoundRow> hits = FindInAllForms(doc, &reference, QStringLiteral("deutsch 3"));
        QCOMPARE(hits.size(), size_t(1));
        QCOMPARE(hits[0].form, 1);
        QCOMPARE(hits[0].row, 3);
        const QString englishRow3 = english().at(1, 3);
        const std::vector<FoundRow> inReference = FindInAllForms(doc, &reference, englishRow3);
        QVERIFY(!inReference.empty());
        QVERIFY(inReference[0].inReference);
    }
};

QTEST_GUILESS_MAIN(TestReview)
#include "test_review.moc"
