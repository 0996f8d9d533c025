// The parts of the food server that need no network: query decoding, text helpers, the
// command line, the table reader and the search index.
#include "foodserver/dataset.h"
#include "foodserver/food.h"
#include "foodserver/foodindex.h"
#include "foodserver/options.h"
#include "foodserver/query.h"
#include "foodserver/text.h"

#include "dietlens/core/numbers.h"
#include "files/cp1252.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <limits>
#include <set>

using namespace foodserver;

class TestFoodServerParts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void percentDecoding_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QByteArray>("decoded");
        QTest::newRow("e grave") << QByteArray("%E8") << QByteArray("\xE8");
        QTest::newRow("lower-case hex") << QByteArray("caf%e9") << QByteArray("caf\xE9");
        QTest::newRow("plus stays") << QByteArray("a+b") << QByteArray("a+b");
        QTest::newRow("escaped plus") << QByteArray("a%2Bb") << QByteArray("a+b");
        QTest::newRow("raw high byte") << QByteArray("\xE8t\xE9") << QByteArray("\xE8t\xE9");
        QTest::newRow("bad hex kept") << QByteArray("50%G1") << QByteArray("50%G1");
        QTest::newRow("cut escape kept") << QByteArray("ab%4") << QByteArray("ab%4");
        QTest::newRow("lone percent") << QByteArray("%") << QByteArray("%");
        QTest::newRow("nul byte") << QByteArray("a%00b") << QByteArray("a\0b", 3);
    }
    void percentDecoding()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QByteArray, decoded);
        QCOMPARE(QByteArray::fromStdString(percentDecode(raw.toStdString())), decoded);
    }

    void queryPairs()
    {
        const Target t =
            parseTarget("/modules/controle/dietlens_controle.php?&code=1&naam=A%26B&email=&x&code=2");
        QCOMPARE(t.path, std::string("/modules/controle/dietlens_controle.php"));
        QCOMPARE(t.query.value("code").value_or("?"), std::string("1")); // the first one counts
        QCOMPARE(t.query.value("naam").value_or("?"), std::string("A&B"));
        QCOMPARE(t.query.value("email").value_or("?"), std::string());
        QCOMPARE(t.query.value("x").value_or("?"), std::string());
        QVERIFY(!t.query.value("winver").has_value());
        QCOMPARE(parseTarget("/%6Dodules/swzoek.php").path, std::string("/modules/swzoek.php"));
    }

    void foldingAndCleaning()
    {
        QCOMPARE(foldCase("ABC \xC8\xC9\xD7\xDE\x8A\x9F\xDF"),
                 std::string("abc \xE8\xE9\xD7\xFE\x9A\xFF\xDF"));
        QCOMPARE(cleanField("  a\xBC"
                            "b\xBD\tc\x81\xBE  "),
                 std::string("abc"));
        QCOMPARE(cleanField(" \xBC "), std::string());
    }

    // The server carries its own Windows-1252 codec and number text; both must agree with the
    // client's, which reads what the server writes.
    void codecAndNumbersAgreeWithTheClient()
    {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(char(b));
        const std::string utf8 = toUtf8(all);
        QCOMPARE(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())),
                 cp1252::decode(QByteArray::fromStdString(all)));
        std::string back;
        QVERIFY(fromUtf8(utf8, back));
        QCOMPARE(back, all);
        for (const char* refused :
             {"\xE4\xB8\xAD", "\xF0\x9F\x8D\x8E", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xFF"})
            QVERIFY2(!fromUtf8(refused, back), refused);

        for (float value :
             {0.0f, 1.0f, -2.5f, 302.342f, 0.01062f, 1e-5f, 0.00001234567f, 2.5e7f, 1e28f, 123456789.0f,
              1.0f / 3.0f, 4000.0f, std::numeric_limits<float>::infinity(),
              std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::denorm_min()})
            QCOMPARE(QString::fromStdString(generalNumber(value)), GeneralNumber(value));
    }

    void personalValuesAreMasked_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("masked");
        QTest::newRow("check-in") << QByteArray(
                                         "/modules/controle/dietlens_controle.php?&code=1-2-3&naam=Jan%20J"
                                         "&email=j@x.nl&comnaam=pc&winuser=jan&appver=2.12")
                                  << QByteArray("/modules/controle/dietlens_controle.php?&code=1-2-3&naam=***"
                                                "&email=***&comnaam=***&winuser=***&appver=2.12");
        QTest::newRow("escaped key, repeated key, empty value")
            << QByteArray("/modules/controle/dietlens_controle.php?%6Eaam=Jan&naam=&winuser&x=1")
            << QByteArray("/modules/controle/dietlens_controle.php?%6Eaam=***&naam=***&winuser&x=1");
        QTest::newRow("submission keeps the food name")
            << QByteArray("/modules/swadd.php?naam=Tea&kj=4&gepost=Jan")
            << QByteArray("/modules/swadd.php?naam=Tea&kj=4&gepost=***");
        QTest::newRow("search untouched") << QByteArray("/modules/swzoek.php?item=naam&naam=x")
                                          << QByteArray("/modules/swzoek.php?item=naam&naam=x");
        QTest::newRow("no query") << QByteArray("/modules/controle/dietlens_controle.php")
                                  << QByteArray("/modules/controle/dietlens_controle.php");
    }
    void personalValuesAreMasked()
    {
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, masked);
        QCOMPARE(QByteArray::fromStdString(maskPersonalValues(target.toStdString())), masked);
    }

    void arguments_data()
    {
        QTest::addColumn<QByteArray>("args"); // blank separated
        QTest::addColumn<bool>("ok");
        QTest::newRow("defaults") << QByteArray() << true;
        QTest::newRow("all") << QByteArray("--host 127.0.0.1 --port=0 --db x.db --dataset ifct2017 "
                                           "--min-version 2,5 --max-results 10 --keep-checkins 0")
                             << true;
        QTest::newRow("unknown option") << QByteArray("--verbose") << false;
        QTest::newRow("missing value") << QByteArray("--port") << false;
        QTest::newRow("port too big") << QByteArray("--port 65536") << false;
        QTest::newRow("port not a number") << QByteArray("--port 80a") << false;
        QTest::newRow("unknown dataset") << QByteArray("--dataset nevo") << false;
        QTest::newRow("version with letters") << QByteArray("--min-version 2.12b") << false;
        QTest::newRow("version with two points") << QByteArray("--min-version 2.1.2") << false;
        QTest::newRow("no results") << QByteArray("--max-results 0") << false;
        QTest::newRow("check-ins kept for ever") << QByteArray("--keep-checkins 36501") << false;
        QTest::newRow("check-ins kept negative days") << QByteArray("--keep-checkins -1") << false;
    }
    void arguments()
    {
        QFETCH(QByteArray, args);
        QFETCH(bool, ok);
        std::vector<std::string> list;
        for (const QByteArray& a : args.split(' ')) {
            if (!a.isEmpty())
                list.push_back(a.toStdString());
        }
        const ParsedArguments parsed = parseArguments(list);
        QCOMPARE(parsed.ok, ok);
        QCOMPARE(parsed.error.empty(), ok);
        if (qstrcmp(QTest::currentDataTag(), "all") == 0) {
            QCOMPARE(parsed.options.port, 0);
            QCOMPARE(parsed.options.service.dataset, std::string("ifct2017"));
            QCOMPARE(parsed.options.service.minVersion, std::string("2,5"));
            QCOMPARE(parsed.options.service.maxResults, std::size_t(10));
            QCOMPARE(parsed.options.service.keepCheckinDays, 0);
        }
        if (qstrcmp(QTest::currentDataTag(), "defaults") == 0) {
            QCOMPARE(parsed.options.port, 8080);
            QCOMPARE(parsed.options.host, std::string("127.0.0.1"));
            QCOMPARE(parsed.options.service.dbPath, std::string("foodserver.db"));
            QCOMPARE(parsed.options.service.dataset, std::string("usda-sr28"));
            QCOMPARE(parsed.options.service.minVersion, std::string("2.12"));
            QCOMPARE(parsed.options.service.maxResults, std::size_t(200));
            QCOMPARE(parsed.options.service.keepCheckinDays, 90);
        }
    }

    void bundledTablesAreWhole()
    {
        for (const auto& [name, count] : {std::pair{"usda-sr28", 8789}, std::pair{"ifct2017", 542}}) {
            std::vector<Food> foods;
            std::string error;
            QVERIFY2(parseTable(bundledTable(name), foods, error), error.c_str());
            QCOMPARE(int(foods.size()), count);
            for (const Food& food : foods) {
                QVERIFY(food.values.kj <= 4000 && food.values.sodium <= 100);
                QVERIFY(!containsSeparator(food.name));
            }
        }
    }

    void tableErrorsNameTheLine_data()
    {
        QTest::addColumn<QByteArray>("tsv");
        QTest::addColumn<QByteArray>("where");
        const QByteArray header = "name\tkj\tkcal\tu\ts\tc\tp\tna\n";
        QTest::newRow("too few fields") << header + "Apple\t1\t2\n" << QByteArray("line 2");
        QTest::newRow("negative") << header + "A\t1\t2\t3\t4\t5\t6\t7\nB\t1\t2\t3\t-4\t5\t6\t7\n"
                                  << QByteArray("line 3");
        QTest::newRow("not a number") << header + "A\t1\t2\t3\t4\t5\t6\tx\n" << QByteArray("line 2");
        QTest::newRow("separator in name") << header + "A\xC2\xBD\t1\t2\t3\t4\t5\t6\t7\n"
                                           << QByteArray("line 2");
        QTest::newRow("not Windows-1252") << header + "A\xE4\xB8\xAD\t1\t2\t3\t4\t5\t6\t7\n"
                                          << QByteArray("line 2");
    }
    void tableErrorsNameTheLine()
    {
        QFETCH(QByteArray, tsv);
        QFETCH(QByteArray, where);
        std::vector<Food> foods;
        std::string error;
        QVERIFY(!parseTable(tsv.toStdString(), foods, error));
        QVERIFY2(QByteArray::fromStdString(error).startsWith(where), error.c_str());
    }

    // Submissions are added to the index one at a time while it is in use; every search must
    // then answer exactly as an index built from all foods at once, in the same order.
    void indexGrownOneFoodAtATimeAnswersAsOneBuiltAtOnce()
    {
        std::vector<Food> foods;
        std::string error;
        QVERIFY2(parseTable(bundledTable("ifct2017"), foods, error), error.c_str());
        for (std::size_t i = 0; i < foods.size(); ++i)
            foods[i].id = std::int64_t(i + 1);
        // A few names that sort before, between and after the others, and a duplicate name.
        for (const char* name : {"Aaa first", "Zzz last", "Rice, raw", "rICE pudding"}) {
            Food extra = foods.front();
            extra.name = name;
            extra.id = std::int64_t(foods.size() + 1);
            foods.push_back(extra);
        }
        std::vector<Food> shuffled = foods;
        std::shuffle(shuffled.begin(), shuffled.end(), *QRandomGenerator::global());

        FoodIndex atOnce;
        atOnce.addAll(foods);
        FoodIndex grown;
        grown.addAll(std::vector<Food>(shuffled.begin(), shuffled.begin() + 100));
        for (auto it = shuffled.begin() + 100; it != shuffled.end(); ++it)
            grown.add(*it);
        QCOMPARE(grown.size(), atOnce.size());

        std::set<std::string> terms = {"ric", "rice", "aaa", "zzz", "pud", "oil", "dal", "xyz"};
        for (const Food& food : foods) {
            if (food.name.size() >= 5)
                terms.insert(food.name.substr(food.name.size() / 2 - 1, 3));
        }
        for (const std::string& term : terms) {
            QCOMPARE(grown.search(term, 1000), atOnce.search(term, 1000));
            QCOMPARE(grown.search(term, 7), atOnce.search(term, 7));
        }
    }
};

QTEST_APPLESS_MAIN(TestFoodServerParts)
#include "test_foodserver_parts.moc"
