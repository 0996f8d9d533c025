#include "dietlens/core/appstate.h"
#include "dietlens/display/units.h"
#include "dietlens/record/fooditem.h"
#include "dietlens/ui/problempresenter.h"
#include "tests/dietlens/display/displaytexts.h"
#include "tests/support/scriptedmessenger.h"

#include <QTest>

namespace {

const QString H = QStringLiteral("\u00BD"); // field end

QString rec(const QStringList& fields)
{
    QString text;
    for (const QString& f : fields)
        text += f + H;
    return text;
}

// The conversions as the windows use them: an overflow is shown.
QString gramsToOunces(const QString& grams, const LanguageTables& lang, Messenger& messenger)
{
    return ProblemPresenter(lang, messenger).take(GramsToOunces(grams));
}

QString ouncesToGrams(const QString& ounces, const LanguageTables& lang, Messenger& messenger)
{
    return ProblemPresenter(lang, messenger).take(OuncesToGrams(ounces));
}

QString shownBookmarkLabel(const QString& name, const QString& grams, const Settings& settings,
                           const LanguageTables& lang, Messenger& messenger)
{
    return ProblemPresenter(lang, messenger).take(BookmarkLabel(name, grams, settings, lang));
}

} // namespace

class TestFoodRecord : public QObject
{
    Q_OBJECT

    AppState state;
    ScriptedMessenger messenger;

private Q_SLOTS:
    void init()
    {
        state = AppState();
        setDisplayTexts(state.lang);
        messenger.clear();
    }

    void splitFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("text after the last end is no field")
            << QStringLiteral("a\u00BDb\u00BDc") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("empty fields") << QStringLiteral("\u00BD\u00BDx\u00BD")
                                      << QStringList{QString(), QString(), QStringLiteral("x")};
    }
    void splitFields()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QCOMPARE(record::splitFields(text), fields);
    }

    void bookmarkOfAResultAtAWeight()
    {
        // 150 g of an item with 200 kJ per 100 g, as the search gives it.
        const FoodItem result = record::ParseFoodItem(
            rec({QStringLiteral("Rice"), QStringLiteral("7"), QStringLiteral("200"), QStringLiteral("48"),
                 QStringLiteral("0.6"), QStringLiteral("0.2"), QStringLiteral("28"), QStringLiteral("2.7"),
                 QStringLiteral("0.00001"), QStringLiteral("j")}));
        const NutritionValues atWeight = ScaledToWeight(result.per100g, 150);
        const QString text = record::MakeBookmark(QStringLiteral("Rice"), QStringLiteral("Default"), 150,
                                                  atWeight, QStringLiteral("Exported with Dietlens"))
                                 ->text;
        QCOMPARE(text, rec({QStringLiteral("Rice"), QStringLiteral("Default"), QStringLiteral("150"),
                            QStringLiteral("300"), QStringLiteral("72"), QStringLiteral("4.05"),
                            QStringLiteral("0.9"), QStringLiteral("0.3"), QStringLiteral("42"),
                            QStringLiteral("1.5E-05"), QStringLiteral("0"),
                            QStringLiteral("Exported with Dietlens")}));

        // Read back, the bookmark gives the values per 100 g again.
        const std::optional<NutritionValues> per100g = record::ParseBookmark(text).per100g();
        QVERIFY(per100g);
        QCOMPARE(per100g->kj, 200.0f);
        QCOMPARE(per100g->protein, 2.7f);
        QCOMPARE(record::ParseBookmark(text).weightGrams(), 150.0f);
    }

    void bookmarkAt600kJFor150gIs400PerHundred()
    {
        const Bookmark bookmark = record::ParseBookmark(
            rec({QStringLiteral("X"), QStringLiteral("Default"), QStringLiteral("150"), QStringLiteral("600"),
                 QStringLiteral("150"), QStringLiteral("3"), QStringLiteral("1.5"), QStringLiteral("3"),
                 QStringLiteral("30"), QStringLiteral("0.3"), QStringLiteral("0"), QStringLiteral("r")}));
        const std::optional<NutritionValues> v = bookmark.per100g();
        QVERIFY(v);
        QCOMPARE(v->kj, 400.0f);
        QCOMPARE(v->kcal, 100.0f);
        QCOMPARE(v->unsaturatedFat, 1.0f);
        QCOMPARE(v->saturatedFat, 2.0f);
        QCOMPARE(v->carbohydrates, 20.0f);
        QCOMPARE(v->protein, 2.0f);
        QCOMPARE(v->sodium, 0.2f);
    }

    void bookmarkWeightOfZeroGivesNoValues()
    {
        QVERIFY(!record::ParseBookmark(
                     rec({QStringLiteral("X"), QString(), QStringLiteral("0"), QStringLiteral("600")}))
                     .per100g());
        QVERIFY(!record::ParseBookmark(rec({QStringLiteral("X")})).per100g());
    }

    void separatorsLeaveNamesBeforeTheyBecomeFields()
    {
        const QString text =
            record::MakeBookmark(QStringLiteral("A\u00BDB\u00BEC\u00BC"), QStringLiteral("Default"), 100,
                                 {1, 1, 1, 1, 1, 1, 1}, QStringLiteral("r"))
                ->text;
        QCOMPARE(record::splitFields(text).value(0), QStringLiteral("ABC"));
        QCOMPARE(record::splitFields(text).size(), 12);
    }

    void dragText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<float>("weight");
        QTest::addColumn<QList<float>>("atWeight"); // kJ, kcal, unsat, sat, carbs, protein, sodium
        QTest::addColumn<QString>("expected");

        QTest::newRow("protein stored 7.315, dragged 7.32")
            << QStringLiteral("Bread") << 133.0f
            << QList<float>{5.5f * 1.33f * 200, 5.5f * 1.33f * 48, 1.33f, 2.66f, 66.5f,
                            5.5f * 1.33f,       0.00665f}
            << QStringLiteral("DLITEM-Bread½Default½133½1463½351½7.32½1.33½2.66½66.5½0.0067½0½Remark½");
        QTest::newRow("comma in a name is dragged as a period")
            << QStringLiteral("Beans, white") << 100.0f
            << QList<float>{300, 72, 0.5f, 0.125f, 12.5f, 7, 0.00004f}
            << QStringLiteral("DLITEM-Beans. white½Default½100½300½72½7½0.5½0.13½12.5½0½0½Remark½");
        // Decided: such an item is dragged with energy 0 rather than refused
        // (water can be dragged; a reader of "0" gets the rounded value itself).
        QTest::newRow("energy rounding to 0 is written 0")
            << QStringLiteral("Water") << 250.0f << QList<float>{0.4f, 0.1f, 0, 0, 0, 0, 0.01f}
            << QStringLiteral("DLITEM-Water½Default½250½0½0½0½0½0½0½0.01½0½Remark½");
    }
    void dragText()
    {
        QFETCH(QString, name);
        QFETCH(float, weight);
        QFETCH(QList<float>, atWeight);
        QFETCH(QString, expected);
        const NutritionValues v{atWeight[0], atWeight[1], atWeight[2], atWeight[3],
                                atWeight[4], atWeight[5], atWeight[6]};
        const std::optional<Bookmark> bookmark =
            record::MakeBookmark(name, QStringLiteral("Default"), weight, v, QStringLiteral("Remark"));
        QVERIFY(bookmark);
        QCOMPARE(record::DragText(*bookmark), expected);
    }

    void storedNumbersAreNotRounded()
    {
        const NutritionValues atWeight = ScaledToWeight({100, 24, 0, 0, 0, 5.5f, 0}, 133);
        const QStringList fields =
            record::splitFields(record::MakeBookmark(QStringLiteral("Bread"), QStringLiteral("Default"), 133,
                                                     atWeight, QStringLiteral("r"))
                                    ->text);
        QCOMPARE(fields.value(5), QStringLiteral("7.315"));
        QCOMPARE(fields.value(3), QStringLiteral("133"));
    }

    void ounces_data()
    {
        QTest::addColumn<QString>("grams");
        QTest::addColumn<QString>("ounces");
        QTest::newRow("100 g") << QStringLiteral("100") << QStringLiteral("3.5");
        QTest::newRow("150 g") << QStringLiteral("150") << QStringLiteral("5.3");
        QTest::newRow("10 g") << QStringLiteral("10") << QStringLiteral("0.4");
        QTest::newRow("whole ounces have no decimal") << QStringLiteral("113.4") << QStringLiteral("4");
        QTest::newRow("comma as decimal point") << QStringLiteral("113,4") << QStringLiteral("4");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("not a number") << QStringLiteral("abc") << QStringLiteral("0");
    }
    void ounces()
    {
        QFETCH(QString, grams);
        QFETCH(QString, ounces);
        QCOMPARE(gramsToOunces(grams, state.lang, messenger), ounces);
        QVERIFY(messenger.shown.isEmpty());
    }

    void grams_data()
    {
        QTest::addColumn<QString>("ounces");
        QTest::addColumn<QString>("grams");
        QTest::newRow("3.5 oz") << QStringLiteral("3.5") << QStringLiteral("99");
        QTest::newRow("comma") << QStringLiteral("3,5") << QStringLiteral("99");
        QTest::newRow("1 oz") << QStringLiteral("1") << QStringLiteral("28");
        QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("0");
        QTest::newRow("empty") << QString() << QString();
    }
    void grams()
    {
        QFETCH(QString, ounces);
        QFETCH(QString, grams);
        QCOMPARE(ouncesToGrams(ounces, state.lang, messenger), grams);
        QVERIFY(messenger.shown.isEmpty());
    }

    void conversionOverflowShowsF70h()
    {
        QCOMPARE(ouncesToGrams(QStringLiteral("1E+38"), state.lang, messenger), QString());
        QCOMPARE(gramsToOunces(QStringLiteral("1E+300"), state.lang, messenger), QString());
        QCOMPARE(messenger.titles(),
                 (QStringList{QStringLiteral("Error #F7-0h"), QStringLiteral("Error #F7-0h")}));
        QCOMPARE(messenger.shown[0].text,
                 QStringLiteral("An error occurred during the calculations of Menuvia FOOD.\n"
                                "Please notify us about this error.\n\nContact the maker."));
    }

    void bookmarkLabel()
    {
        QCOMPARE(shownBookmarkLabel(QStringLiteral("Apple"), QStringLiteral("150"), state.settings,
                                    state.lang, messenger),
                 QStringLiteral("Apple (150 Gram)"));
        state.settings.WeightUnit = QStringLiteral("1");
        QCOMPARE(shownBookmarkLabel(QStringLiteral("Apple"), QStringLiteral("150"), state.settings,
                                    state.lang, messenger),
                 QStringLiteral("Apple (5.3 oz )"));
    }
};

QTEST_GUILESS_MAIN(TestFoodRecord)
#include "test_fooditem.moc"
