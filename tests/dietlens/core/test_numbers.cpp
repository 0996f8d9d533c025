#include "dietlens/core/numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void val_data();
    void val();
    void valOutOfRange();
    void generalNumber_data();
    void generalNumber();
    void formatNumber_data();
    void formatNumber();
    void formatNumberSeparatorAndSpecials();
    void formatFixed_data();
    void formatFixed();
    void workedExamples();
    void counters_data();
    void counters();
    void addToCounter_data();
    void addToCounter();
};

void TestNumbers::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("integer") << u"17"_s << 17.0;
    QTest::newRow("comma stops") << u"12,5"_s << 12.0;
    QTest::newRow("point") << u"12.5"_s << 12.5;
    QTest::newRow("small exponent") << u"1E-05"_s << 0.00001;
    QTest::newRow("large exponent") << u"2.5E+07"_s << 25000000.0;
    QTest::newRow("lower-case exponent") << u"3e2"_s << 300.0;
    QTest::newRow("negative") << u"-3.25"_s << -3.25;
    QTest::newRow("plus sign") << u"+4"_s << 4.0;
    QTest::newRow("leading blanks, trailing text") << u"  7abc"_s << 7.0;
    QTest::newRow("no whole digit") << u".5"_s << 0.5;
    QTest::newRow("negative no whole digit") << u"-.5"_s << -0.5;
    QTest::newRow("dangling exponent") << u"1E"_s << 1.0;
    QTest::newRow("exponent without digits") << u"1E+x"_s << 1.0;
    QTest::newRow("second point stops") << u"1.2.3"_s << 1.2;
    QTest::newRow("text") << u"abc"_s << 0.0;
    QTest::newRow("sign only") << u"-"_s << 0.0;
    QTest::newRow("point only") << u"."_s << 0.0;
    QTest::newRow("exponent then text") << u"12e3x"_s << 12000.0;
    QTest::newRow("general number text") << u"1.234568E+07"_s << 12345680.0;
    QTest::newRow("underflow") << u"1E-400"_s << 0.0;
}

void TestNumbers::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Val(text), expected);
}

void TestNumbers::valOutOfRange()
{
    QVERIFY(std::isinf(Val(u"1E400")));
    QVERIFY(Val(u"-1E400") < 0);
    QVERIFY(std::isinf(Val(QString(400, QLatin1Char('9')))));
}

void TestNumbers::generalNumber_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0f << u"0"_s;
    QTest::newRow("negative zero") << -0.0f << u"0"_s;
    QTest::newRow("one") << 1.0f << u"1"_s;
    QTest::newRow("half") << 0.5f << u"0.5"_s;
    QTest::newRow("no trailing zeros") << 12.5f << u"12.5"_s;
    QTest::newRow("negative") << -2.5f << u"-2.5"_s;
    QTest::newRow("float noise hidden") << 0.1f << u"0.1"_s;
    QTest::newRow("seven digits") << 123456.7f << u"123456.7"_s;
    QTest::newRow("float 22.505") << 22.505f << u"22.505"_s;
    QTest::newRow("largest fixed") << 9999999.0f << u"9999999"_s;
    QTest::newRow("1E+07") << 10000000.0f << u"1E+07"_s;
    QTest::newRow("1.234568E+07") << 12345678.0f << u"1.234568E+07"_s;
    QTest::newRow("smallest fixed") << 0.0001f << u"0.0001"_s;
    QTest::newRow("1E-05") << 0.00001f << u"1E-05"_s;
    QTest::newRow("1.5E-07") << 1.5e-7f << u"1.5E-07"_s;
    QTest::newRow("1E+20") << 1e20f << u"1E+20"_s;
    QTest::newRow("float max") << std::numeric_limits<float>::max() << u"3.402823E+38"_s;
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << u"0"_s;
}

void TestNumbers::generalNumber()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(GeneralNumber(value), expected);
    // What is written reads back as the same single-precision value.
    if (std::isfinite(value))
        QCOMPARE(float(Val(GeneralNumber(value))), value == 0.0f ? 0.0f : value);
}

void TestNumbers::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("# never limits whole digits") << 12345.678 << u"###0.00"_s << u"12345.68"_s;
    QTest::newRow("float 22.505 rounds up") << double(22.505f) << u"##0.00"_s << u"22.51"_s;
    QTest::newRow("read 7.315 rounds up") << Val(u"7.315") << u"##0.00"_s << u"7.32"_s;
    QTest::newRow("half away from zero, negative") << -1.005 << u"##0.00"_s << u"-1.01"_s;
    QTest::newRow("half up whole") << 2.5 << u"##0"_s << u"3"_s;
    QTest::newRow("half down whole negative") << -2.5 << u"##0"_s << u"-3"_s;
    QTest::newRow("carry into new digit") << 9.995 << u"##0.00"_s << u"10.00"_s;
    QTest::newRow("carry ##0.0") << 99.95 << u"##0.0"_s << u"100.0"_s;
    QTest::newRow("####### zero is empty") << 0.0 << u"#######"_s << QString();
    QTest::newRow("####### rounds to zero") << 0.49 << u"#######"_s << QString();
    QTest::newRow("####### negative to zero") << -0.2 << u"#######"_s << QString();
    QTest::newRow("####### rounds to one") << 0.5 << u"#######"_s << u"1"_s;
    QTest::newRow("####### energy") << 540.4 << u"#######"_s << u"540"_s;
    QTest::newRow("######## kJ") << 2259.5 << u"########"_s << u"2260"_s;
    QTest::newRow("######## many digits") << 123456789.0 << u"########"_s << u"123456789"_s;
    QTest::newRow("zero two decimals") << 0.0 << u"###0.00"_s << u"0.00"_s;
    QTest::newRow("small negative to zero has no sign") << -0.001 << u"##0.00"_s << u"0.00"_s;
    QTest::newRow("three decimals") << 0.001 << u"###0.000"_s << u"0.001"_s;
    QTest::newRow("three decimals half") << 0.0005 << u"###0.000"_s << u"0.001"_s;
    QTest::newRow("three decimals below half") << 0.00049 << u"###0.000"_s << u"0.000"_s;
    QTest::newRow("####0.00") << 3.0 << u"####0.00"_s << u"3.00"_s;
    QTest::newRow("##0.0") << 0.3527396 << u"##0.0"_s << u"0.4"_s;
    QTest::newRow("##0 below half") << 0.4 << u"##0"_s << u"0"_s;
    QTest::newRow("######0") << 12.5 << u"######0"_s << u"13"_s;
    QTest::newRow("#####0") << 0.2 << u"#####0"_s << u"0"_s;
    QTest::newRow("#0.0000") << 3.14159 << u"#0.0000"_s << u"3.1416"_s;
    QTest::newRow("#0.0000 tiny") << 0.00001 << u"#0.0000"_s << u"0.0000"_s;
    QTest::newRow("#0.0000 tiny half") << 0.00005 << u"#0.0000"_s << u"0.0001"_s;
    QTest::newRow("#####0.00 traffic") << 1000.0 / 1024.0 << u"#####0.00"_s << u"0.98"_s;
    QTest::newRow("###0.0000") << 0.12345 << u"###0.0000"_s << u"0.1235"_s;
    QTest::newRow("seven digits rule for large values") << 1234567.89 << u"#####0.00"_s << u"1234568.00"_s;
    QTest::newRow("huge") << 1e20 << u"##0"_s << u"100000000000000000000"_s;
    QTest::newRow("optional decimals trimmed") << 1.5 << u"0.0#"_s << u"1.5"_s;
    QTest::newRow("optional whole digit left out") << 0.5 << u"#.##"_s << u".5"_s;
}

void TestNumbers::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(FormatNumber(value, pattern, QLatin1Char('.')), expected);
}

void TestNumbers::formatNumberSeparatorAndSpecials()
{
    QCOMPARE(FormatNumber(7.315, u"##0.00", QLatin1Char(',')), u"7,32"_s);
    QCOMPARE(FormatNumber(std::nan(""), u"##0.00", QLatin1Char('.')), QString());
    QCOMPARE(FormatNumber(HUGE_VAL, u"##0.00", QLatin1Char('.')), QString());
    // The tests run in the C locale: the regional separator is a point.
    QCOMPARE(FormatNumber(1.25, u"##0.0"), u"1.3"_s);
}

void TestNumbers::formatFixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 3.0 << u"3.00"_s;
    QTest::newRow("half away") << 0.125 << u"0.13"_s;
    QTest::newRow("negative to zero") << -0.004 << u"0.00"_s;
    QTest::newRow("large") << 12345.678 << u"12345.68"_s;
}

void TestNumbers::formatFixed()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatFixed(value, QLatin1Char('.')), expected);
}

// The conversions and calculations that later windows build from these
// helpers, with the results the program is known for.
void TestNumbers::workedExamples()
{
    const float factor = 0.03527396f;
    const auto ounces = [&](float grams) {
        return GeneralNumber(float(Val(FormatNumber(double(grams * factor), u"##0.0", QLatin1Char('.')))));
    };
    QCOMPARE(ounces(100), u"3.5"_s);
    QCOMPARE(ounces(150), u"5.3"_s);
    QCOMPARE(ounces(10), u"0.4"_s);
    QCOMPARE(ounces(113.4f), u"4"_s);
    QCOMPARE(FormatNumber(double(float(Val(u"3.5")) / factor), u"##0", QLatin1Char('.')), u"99"_s);

    const float scale = 133.0f / 100.0f;
    const float stored = float(Val(u"5.5")) * scale;
    QCOMPARE(GeneralNumber(stored), u"7.315"_s);
    QCOMPARE(FormatNumber(Val(GeneralNumber(stored)), u"##0.00", QLatin1Char('.')), u"7.32"_s);
    QCOMPARE(FormatNumber(double(stored), u"##0.00", QLatin1Char('.')), u"7.32"_s);

    QCOMPARE(GeneralNumber(0.00001f), u"1E-05"_s);
    QCOMPARE(Val(u"1E-05"), 0.00001);
}

void TestNumbers::counters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("empty") << QString() << qint64(0);
    QTest::newRow("plain") << u"17"_s << qint64(17);
    QTest::newRow("blank in front") << u" 42"_s << qint64(42);
    QTest::newRow("text") << u"abc"_s << qint64(0);
    QTest::newRow("negative") << u"-3"_s << qint64(-3);
    QTest::newRow("beyond 32 bits") << u"4294967296"_s << qint64(4294967296LL);
    QTest::newRow("beyond float precision") << u"16777217"_s << qint64(16777217);
    QTest::newRow("largest") << u"9223372036854775807"_s << std::numeric_limits<qint64>::max();
    QTest::newRow("too large saturates") << u"99999999999999999999"_s << std::numeric_limits<qint64>::max();
    QTest::newRow("exponent form") << u"1.5E+07"_s << qint64(15000000);
    QTest::newRow("decimal rounds") << u"12.6"_s << qint64(13);
    QTest::newRow("huge exponent saturates") << u"1E+300"_s << std::numeric_limits<qint64>::max();
}

void TestNumbers::counters()
{
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QCOMPARE(CounterValue(text), expected);
}

void TestNumbers::addToCounter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty counts as 0") << QString() << qint64(1) << u"1"_s;
    QTest::newRow("plain") << u"17"_s << qint64(1) << u"18"_s;
    QTest::newRow("traffic beyond 32 bits") << u"4294967296"_s << qint64(5) << u"4294967301"_s;
    QTest::newRow("exact past float precision") << u"16777216"_s << qint64(1) << u"16777217"_s;
    QTest::newRow("saturates") << u"9223372036854775807"_s << qint64(1) << u"9223372036854775807"_s;
}

void TestNumbers::addToCounter()
{
    QFETCH(QString, text);
    QFETCH(qint64, amount);
    QFETCH(QString, expected);
    QCOMPARE(AddToCounter(text, amount), expected);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
