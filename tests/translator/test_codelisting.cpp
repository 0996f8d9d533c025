#include "tests/support/testsupport.h"
#include "translator/codelisting.h"
#include "translator/document.h"

#include <QTemporaryDir>
#include <QTest>

using namespace translator;

class TestCodeListing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newDocument()
    {
        TranslatorDocument doc;
        doc.SetHeader(HeaderField::Date, QStringLiteral("01-06-05"));
        doc.SetHeader(HeaderField::Revision, QStringLiteral("2"));
        doc.StartNew();
        doc.CommitLists();
        QByteArray expected;
        for (int i = 1; i <= 24; ++i)
            expected += "\tF00_lng_(" + QByteArray::number(i) + ") = \"- EMPTY FORM - \"\r\n";
        expected += "\tF25_lng_(3) = \"01-06-05\"\r\n";
        expected += "\tF25_lng_(4) = \"2\"\r\n";
        QCOMPARE(CodeListingBytes(doc.tables()), expected);
    }

    void entriesAreWrittenAsStored()
    {
        LanguageTables tables;
        tables.set(3, 0, QStringLiteral("Say \"hi\""));
        tables.set(3, 7, QStringLiteral(" "));
        tables.set(3, 8, QString());
        tables.set(12, 150, QStringLiteral("x"));
        tables.set(1, 200, QStringLiteral("Caf\u00E9 \u20AC"));
        tables.set(0, 25, QStringLiteral("last form"));
        const QByteArray expected = "\tF00_lng_(25) = \"last form\"\r\n"
                                    "\tF01_lng_(200) = \"Caf\xE9 \x80\"\r\n"
                                    "\tF03_lng_(0) = \"Say \"hi\"\"\r\n"
                                    "\tF03_lng_(7) = \" \"\r\n"
                                    "\tF12_lng_(150) = \"x\"\r\n";
        QCOMPARE(CodeListingBytes(tables), expected);
    }

    void writingReplacesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("output.txt"));
        QVERIFY(testsupport::writeAll(path, QByteArray(10000, 'z')));
        LanguageTables tables;
        tables.set(2, 1, QStringLiteral("abc"));
        QVERIFY(WriteCodeListing(tables, path));
        QCOMPARE(testsupport::readAll(path), QByteArray("\tF02_lng_(1) = \"abc\"\r\n"));
        QVERIFY(WriteCodeListing(LanguageTables{}, path));
        QCOMPARE(testsupport::readAll(path), QByteArray());
    }

    void unwritableFolderFails()
    {
        QVERIFY(!WriteCodeListing(LanguageTables{}, QStringLiteral("/nonexistent-folder/output.txt")));
    }
};

QTEST_GUILESS_MAIN(TestCodeListing)
#include "test_codelisting.moc"
