// translator --check FILE.lsf: what it prints and how it ends, for a file
// that fits, one with a caption dietlens cuts, and files it cannot read.
#include "dietlens/core/serverhosts.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/lang/text/functions.h"
#include "lang/languagefile.h"
#include "translator/fitcheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

class TestFitCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    int check(const QString& path, QString& report)
    {
        QTextStream out(&report);
        return CheckTextsFit(path, out);
    }

private Q_SLOTS:
    void reportsCutTextsAndEndsAccordingly()
    {
        LanguageTables english;
        CreateEnglishLanguage(english, ServerHosts::configured());
        LanguageTables longer = english;
        longer.set(text::Functions::UnsaturatedFatPer, u"Unsaturated and polyunsaturated fatty acids per"_s);
        QVERIFY(SaveLanguageFile(english, dir.filePath(u"English.lsf"_s)).ok());
        QVERIFY(SaveLanguageFile(longer, dir.filePath(u"Longer.lsf"_s)).ok());
        QFile garbage(dir.filePath(u"garbage.lsf"_s));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(3000, '\xBE'));
        garbage.close();

        QString report;
        QCOMPARE(check(dir.filePath(u"English.lsf"_s), report), 0);
        QVERIFY(!report.contains(u"cut by"_s));

        report.clear();
        QCOMPARE(check(dir.filePath(u"Longer.lsf"_s), report), 1);
        QVERIFY2(report.contains(u"F07 28: Main window \u203A nutrition chart \u203A third caption"_s),
                 qPrintable(report));
        QVERIFY(report.contains(u"\"Unsaturated and polyunsaturated fatty acids per 1000 Gram\" cut by "_s));

        // The row dialog's account of the caption: its places, and dietlens's chart pictured.
        const translator::DietlensPlaces places = DietlensFitsOf(longer, 7, 28);
        QVERIFY(places.lines.join(u'\n').contains(u"cut by "_s));
        QVERIFY(!places.picture.isNull());

        for (const QString& unreadable : {dir.filePath(u"missing.lsf"_s), garbage.fileName()}) {
            report.clear();
            QCOMPARE(check(unreadable, report), 2);
            QVERIFY(report.contains(u"could not be read"_s));
        }
    }
};

QTEST_MAIN(TestFitCheck)
#include "test_fitcheck.moc"
