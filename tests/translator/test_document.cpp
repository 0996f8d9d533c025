#include "translator/document.h"

#include <QTest>

using namespace translator;

namespace {

const QString kSep = QStringLiteral("\u00BE");

// A document showing form 'form' whose table holds the given entries from index 0.
TranslatorDocument documentWithForm(int form, const QStringList& entries)
{
    LanguageTables tables;
    for (int i = 0; i < entries.size(); ++i)
        tables.set(form, i, entries.at(i));
    TranslatorDocument doc;
    doc.AdoptLoaded(tables, QStringLiteral("/tmp/x.lsf"));
    doc.ChooseForm(form);
    return doc;
}

QStringList entries(const TranslatorDocument& doc, int table, int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << doc.tables().at(table, i);
    return out;
}

QStringList numberedRows(int count)
{
    QStringList rows;
    for (int i = 0; i < count; ++i)
        rows << QStringLiteral("row %1").arg(i);
    return rows;
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newDocumentHasEmptyFormsAndNothingToSave()
    {
        TranslatorDocument doc;
        doc.SetHeader(HeaderField::Date, QStringLiteral("01-06-2005"));
        doc.SetHeader(HeaderField::Revision, QStringLiteral("3"));
        doc.SetHeader(HeaderField::Author, QStringLiteral("Someone"));
        doc.StartNew();
        QCOMPARE(doc.formNames(), QStringList(QList<QString>(24, QStringLiteral("- EMPTY FORM - "))));
        QVERIFY(doc.rows().isEmpty());
        QVERIFY(!doc.dirty());
        QCOMPARE(doc.currentForm(), 0);
        QVERIFY(!doc.hasChosenRow());
        QVERIFY(doc.filePath().isEmpty());
        // Date and revision survive New; the author does not.
        QCOMPARE(doc.header(HeaderField::Date), QStringLiteral("01-06-2005"));
        QCOMPARE(doc.header(HeaderField::Revision), QStringLiteral("3"));
        QVERIFY(doc.header(HeaderField::Author).isEmpty());

        const CommandState s = doc.commandState();
        QVERIFY(!s.save && !s.textNew && !s.toolNew && !s.textEdit && !s.textInsert && !s.textDelete &&
                !s.textReplace);

        // Saved at once, the header holds only date and revision.
        doc.CommitLists();
        QCOMPARE(entries(doc, 25, 0, 4),
                 (QStringList{{}, {}, {}, QStringLiteral("01-06-2005"), QStringLiteral("3")}));
        QCOMPARE(doc.tables().at(0, 24), QStringLiteral("- EMPTY FORM - "));
        QVERIFY(doc.tables().at(0, 25).isEmpty());
    }

    void commandsFollowFormAndRowChoice()
    {
        LanguageTables tables;
        tables.set(2, 0, QStringLiteral("Alpha"));
        TranslatorDocument doc;
        doc.AdoptLoaded(tables, {});

        doc.ChooseForm(1); // empty form: only New text from the menu
        CommandState s = doc.commandState();
        QVERIFY(s.textNew && !s.toolNew && !s.textEdit && !s.textDelete && !s.textReplace);

        doc.ChooseForm(2); // rows, none chosen
        s = doc.commandState();
        QVERIFY(s.textNew && s.toolNew && s.textReplace);
        QVERIFY(!s.textEdit && !s.textInsert && !s.textDelete);

        doc.ChooseRow(0);
        s = doc.commandState();
        QVERIFY(s.textEdit && s.textInsert && s.textDelete);

        doc.ChooseForm(1); // another form forgets the row
        QVERIFY(!doc.hasChosenRow());
        QVERIFY(!doc.commandState().textDelete);
        QCOMPARE(doc.InsertRow(), TextCheck::NoRow);
        QVERIFY(!doc.DeleteRow());
        QVERIFY(!doc.dirty());

        doc.ChooseRow(5); // past the end: no choice
        QVERIFY(!doc.hasChosenRow());
    }

    void rowTextIsChecked_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("2 characters") << QStringLiteral("ab") << int(TextCheck::TooShort);
        QTest::newRow("3 characters") << QStringLiteral("abc") << int(TextCheck::Ok);
        QTest::newRow("empty") << QString() << int(TextCheck::TooShort);
        QTest::newRow("three quarters") << QStringLiteral("ab\u00BEcd") << int(TextCheck::HasSeparators);
        QTest::newRow("one half") << QStringLiteral("\u00BDabc") << int(TextCheck::HasSeparators);
        QTest::newRow("one quarter") << QStringLiteral("abc\u00BC") << int(TextCheck::HasSeparators);
        QTest::newRow("not in Windows-1252") << QStringLiteral("abc\u0101") << int(TextCheck::NotEncodable);
        QTest::newRow("euro sign") << QStringLiteral("5 \u20AC") << int(TextCheck::Ok);
        QTest::newRow("400 characters") << QString(400, QLatin1Char('x')) << int(TextCheck::Ok);
    }
    void rowTextIsChecked()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);

        TranslatorDocument added = documentWithForm(4, {QStringLiteral("first")});
        QCOMPARE(int(added.AddRow(text)), expected);
        QCOMPARE(added.rows().size(), expected == int(TextCheck::Ok) ? 2 : 1);
        QCOMPARE(added.dirty(), expected == int(TextCheck::Ok));
        if (expected == int(TextCheck::Ok))
            QCOMPARE(added.tables().at(4, 1), text);
        else
            QVERIFY(added.tables().at(4, 1).isEmpty());

        TranslatorDocument edited = documentWithForm(4, {QStringLiteral("first")});
        QCOMPARE(int(edited.EditRow(0, text)), expected);
        QCOMPARE(edited.tables().at(4, 0), expected == int(TextCheck::Ok) ? text : QStringLiteral("first"));
    }

    void separatorsAreRefusedEverywhere()
    {
        TranslatorDocument doc = documentWithForm(1, {QStringLiteral("aaa")});
        const QString bad = QStringLiteral("x") + kSep + QStringLiteral("y");
        QCOMPARE(doc.RenameForm(1, bad), TextCheck::HasSeparators);
        QCOMPARE(doc.ReplaceInRows(QStringLiteral("a"), bad).check, TextCheck::HasSeparators);
        QCOMPARE(doc.CheckHeaderText(bad), TextCheck::HasSeparators);
        QCOMPARE(doc.rows(), QStringList{QStringLiteral("aaa")});
        QCOMPARE(doc.formNames().at(0), QStringLiteral("- EMPTY FORM -"));
        QVERIFY(!doc.dirty());
        // The search text may hold any character.
        QCOMPARE(doc.ReplaceInRows(kSep, QStringLiteral("b")).check, TextCheck::Ok);
    }

    void fullFormRefusesNewAndInsertButNotEdit()
    {
        TranslatorDocument doc = documentWithForm(7, numberedRows(200));
        QCOMPARE(doc.rows().size(), 200);
        QCOMPARE(doc.AddRow(QStringLiteral("one more")), TextCheck::MaxRowsReached);
        doc.ChooseRow(10);
        QCOMPARE(doc.InsertRow(), TextCheck::MaxRowsReached);
        QCOMPARE(doc.rows().size(), 200);
        QVERIFY(!doc.dirty());
        QCOMPARE(doc.EditRow(10, QStringLiteral("edited")), TextCheck::Ok);
        QCOMPARE(doc.tables().at(7, 10), QStringLiteral("edited"));
        QCOMPARE(doc.tables().at(7, 199), QStringLiteral("row 199"));
        QVERIFY(doc.tables().at(7, 200).isEmpty());

        // A loaded table with all 201 entries used shows 201 rows; all survive write-back.
        TranslatorDocument full = documentWithForm(7, numberedRows(201));
        QCOMPARE(full.rows().size(), 201);
        QCOMPARE(full.EditRow(200, QStringLiteral("last")), TextCheck::Ok);
        QCOMPARE(full.tables().at(7, 200), QStringLiteral("last"));
        QCOMPARE(full.tables().at(7, 199), QStringLiteral("row 199"));
    }

    void insertShiftsLaterRows()
    {
        TranslatorDocument doc =
            documentWithForm(5, {QStringLiteral("AA"), QStringLiteral("BB"), QStringLiteral("CC"),
                                 QStringLiteral("DD"), QStringLiteral("EE")});
        doc.ChooseRow(2);
        QCOMPARE(doc.InsertRow(), TextCheck::Ok);
        const QStringList expected{QStringLiteral("AA"), QStringLiteral("BB"), QStringLiteral("<NEW>"),
                                   QStringLiteral("CC"), QStringLiteral("DD"), QStringLiteral("EE")};
        QCOMPARE(doc.rows(), expected);
        QCOMPARE(entries(doc, 5, 0, 5), expected);
        QVERIFY(doc.tables().at(5, 6).isEmpty());
        QVERIFY(doc.dirty());
        QCOMPARE(doc.currentRow(), 2); // the new row stays chosen, ready to edit

        // Inserting at the last row puts the placeholder before it.
        doc.ChooseRow(5);
        QCOMPARE(doc.InsertRow(), TextCheck::Ok);
        QCOMPARE(doc.rows().mid(5), (QStringList{QStringLiteral("<NEW>"), QStringLiteral("EE")}));
    }

    void deleteShiftsLaterRowsAndEmptiesTheLast()
    {
        TranslatorDocument doc =
            documentWithForm(3, {QStringLiteral("r0"), QStringLiteral("r1"), QStringLiteral("r2"),
                                 QStringLiteral("r3"), QStringLiteral("r4")});
        doc.ChooseRow(0);
        QVERIFY(doc.DeleteRow());
        QCOMPARE(
            entries(doc, 3, 0, 4),
            (QStringList{
                QStringLiteral("r1"), QStringLiteral("r2"), QStringLiteral("r3"), QStringLiteral("r4"), {}}));
        QVERIFY(!doc.hasChosenRow());
        QVERIFY(doc.dirty());
    }

    void shortEntriesAreHiddenAndTheGapCloses()
    {
        // Entry 2 empty: four rows shown; any change writes them to entries 0 to 3.
        TranslatorDocument doc = documentWithForm(9, {QStringLiteral("e0"), QStringLiteral("e1"), QString(),
                                                      QStringLiteral("e3"), QStringLiteral("e4")});
        QCOMPARE(doc.rows().size(), 4);
        QCOMPARE(doc.EditRow(0, QStringLiteral("E00")), TextCheck::Ok);
        QCOMPARE(entries(doc, 9, 0, 4), (QStringList{QStringLiteral("E00"),
                                                     QStringLiteral("e1"),
                                                     QStringLiteral("e3"),
                                                     QStringLiteral("e4"),
                                                     {}}));

        // More than one gap: every entry after the last row is emptied, so no
        // row is left behind twice.
        TranslatorDocument gaps =
            documentWithForm(9, {QStringLiteral("a1"), QStringLiteral("x"), QStringLiteral("b2"), QString(),
                                 QStringLiteral("c3"), QStringLiteral("d4")});
        QCOMPARE(gaps.AddRow(QStringLiteral("new")), TextCheck::Ok);
        QCOMPARE(entries(gaps, 9, 0, 6), (QStringList{QStringLiteral("a1"),
                                                      QStringLiteral("b2"),
                                                      QStringLiteral("c3"),
                                                      QStringLiteral("d4"),
                                                      QStringLiteral("new"),
                                                      {},
                                                      {}}));
    }

    void replaceCountsChangedRows_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("count");
        QTest::newRow("no rescan") << QStringList{QStringLiteral("aaa")} << QStringLiteral("aa")
                                   << QStringLiteral("b") << QStringList{QStringLiteral("ba")} << 1;
        QTest::newRow("row counted once")
            << QStringList{QStringLiteral("cat cat"), QStringLiteral("dog"), QStringLiteral("a cat")}
            << QStringLiteral("cat") << QStringLiteral("cow")
            << QStringList{QStringLiteral("cow cow"), QStringLiteral("dog"), QStringLiteral("a cow")} << 2;
        QTest::newRow("case sensitive")
            << QStringList{QStringLiteral("Cat"), QStringLiteral("cat")} << QStringLiteral("cat")
            << QStringLiteral("dog") << QStringList{QStringLiteral("Cat"), QStringLiteral("dog")} << 1;
        QTest::newRow("nothing matches") << QStringList{QStringLiteral("abc")} << QStringLiteral("x")
                                         << QStringLiteral("y") << QStringList{QStringLiteral("abc")} << 0;
        QTest::newRow("replacement holds search")
            << QStringList{QStringLiteral("aXa")} << QStringLiteral("a") << QStringLiteral("aa")
            << QStringList{QStringLiteral("aaXaa")} << 1;
    }
    void replaceCountsChangedRows()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(QStringList, expected);
        QFETCH(int, count);
        TranslatorDocument doc = documentWithForm(6, rows);
        const ReplaceResult r = doc.ReplaceInRows(search, replacement);
        QVERIFY(r.ran);
        QCOMPARE(r.changedRows, count);
        QCOMPARE(doc.rows(), expected);
        QCOMPARE(entries(doc, 6, 0, expected.size() - 1), expected);
        QCOMPARE(doc.dirty(), count > 0);
    }

    void replaceWithNothingToDoDoesNothing()
    {
        TranslatorDocument doc = documentWithForm(6, {QStringLiteral("abc")});
        QVERIFY(!doc.ReplaceInRows(QString(), QStringLiteral("x")).ran);
        QVERIFY(!doc.ReplaceInRows(QStringLiteral("a"), QString()).ran);
        QCOMPARE(doc.rows(), QStringList{QStringLiteral("abc")});
        TranslatorDocument empty = documentWithForm(6, {});
        QVERIFY(!empty.ReplaceInRows(QStringLiteral("a"), QStringLiteral("b")).ran);
    }

    void shortenedRowStaysInTableButIsNotListedAgain()
    {
        TranslatorDocument doc = documentWithForm(8, {QStringLiteral("abc"), QStringLiteral("keep")});
        QCOMPARE(doc.ReplaceInRows(QStringLiteral("bc"), QStringLiteral("!")).changedRows, 1);
        QCOMPARE(doc.tables().at(8, 0), QStringLiteral("a!"));
        QCOMPARE(doc.ReplaceInRows(QStringLiteral("a!"), QStringLiteral("z")).changedRows, 1);
        QCOMPARE(doc.tables().at(8, 0), QStringLiteral("z"));
        doc.ChooseForm(8);
        QCOMPARE(doc.rows(), QStringList{QStringLiteral("keep")});
        QCOMPARE(doc.AddRow(QStringLiteral("more")), TextCheck::Ok);
        QCOMPARE(entries(doc, 8, 0, 2), (QStringList{QStringLiteral("keep"), QStringLiteral("more"), {}}));
    }

    void rowChangesSurviveChoosingAnotherForm()
    {
        TranslatorDocument doc = documentWithForm(2, {QStringLiteral("old")});
        QCOMPARE(doc.EditRow(0, QStringLiteral("new text")), TextCheck::Ok);
        doc.ChooseForm(3);
        QVERIFY(doc.rows().isEmpty());
        doc.ChooseForm(2);
        QCOMPARE(doc.rows(), QStringList{QStringLiteral("new text")});
    }

    void formNamesFromTheFile()
    {
        LanguageTables tables;
        tables.set(0, 1, QStringLiteral("Main window"));
        tables.set(0, 3, QString());
        tables.set(0, 4, QStringLiteral("x"));
        tables.set(0, 25, QStringLiteral("hidden"));
        tables.set(25, 0, QStringLiteral("Dietlens"));
        tables.set(25, 1, QStringLiteral("2.12"));
        tables.set(25, 4, QStringLiteral("7"));
        TranslatorDocument doc;
        doc.AdoptLoaded(tables, QStringLiteral("/home/u/Documents/English.lsf"));
        QCOMPARE(doc.fileTitle(), QStringLiteral("English.lsf"));
        QCOMPARE(doc.formNames().size(), 24);
        QCOMPARE(doc.formNames().at(0), QStringLiteral("Main window"));
        QCOMPARE(doc.formNames().at(2), QStringLiteral("- EMPTY FORM -"));
        QCOMPARE(doc.formNames().at(3), QStringLiteral("- EMPTY FORM -"));
        QCOMPARE(doc.header(HeaderField::Application), QStringLiteral("Dietlens"));
        QCOMPARE(doc.header(HeaderField::Version), QStringLiteral("2.12"));
        QCOMPARE(doc.header(HeaderField::Revision), QStringLiteral("7"));

        QCOMPARE(doc.RenameForm(1, QString()), TextCheck::Ok); // a name may be empty
        QCOMPARE(doc.tables().at(0, 1), QString());
        QCOMPARE(doc.tables().at(0, 3), QStringLiteral("- EMPTY FORM -"));
        QVERIFY(doc.tables().at(0, 25).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "test_document.moc"
