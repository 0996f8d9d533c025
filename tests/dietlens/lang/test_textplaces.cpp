// The table of where each text lands: it covers tables 1 to 7 slot by slot,
// its joins name only known values and slots that show beside them, and the
// slots it has shown are exactly those dietlens' code names.
#include "dietlens/core/serverhosts.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/lang/textplaces.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

QString nameOf(TextSlot slot)
{
    const std::string_view name = SlotName(slot);
    return name.empty() ? u"%1.%2"_s.arg(slot.table).arg(slot.index)
                        : QString::fromUtf8(name.data(), qsizetype(name.size()));
}

bool isShown(const TextPlace& place)
{
    return place.use != TextUse::NotShown;
}

LanguageTables english()
{
    const ServerHosts hosts{u"check.test:8000"_s, u"en.test:8001"_s, u"nl.test:8002"_s,
                            u"http://site-en.test/"_s, u"http://site-nl.test/"_s};
    LanguageTables t;
    CreateEnglishLanguage(t, u"2.12"_s, hosts);
    return t;
}

// "L:text" for what is shown as written, "F:name" for a name in braces.
QStringList described(const std::vector<ShownAsPiece>& pieces)
{
    QStringList out;
    for (const ShownAsPiece& p : pieces)
        out << (p.filler ? u"F:"_s : u"L:"_s) + QString::fromUtf8(p.text.data(), qsizetype(p.text.size()));
    return out;
}

// The slots named in dietlens' sources, as "Main::File": written out
// (text::Main::File) or through a namespace alias (namespace T = text::Main;
// T::File) defined before the use in the same file.
QSet<QString> slotsNamedInSources(const QString& root, QStringList& files)
{
    static const QRegularExpression alias(u"namespace\\s+(\\w+)\\s*=\\s*text::(\\w+)\\s*;"_s);
    static const QRegularExpression full(u"(?<![\\w:])text::(\\w+)::(\\w+)"_s);
    static const QRegularExpression scoped(u"(?<![\\w:])(\\w+)::(\\w+)"_s);
    QSet<QString> named;
    QDirIterator it(root + u"/dietlens"_s, {u"*.cpp"_s, u"*.h"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // The slots' own headers and the table itself are not uses.
        if (path.contains(u"/dietlens/lang/text/"_s) || path.endsWith(u"/dietlens/lang/textplaces.cpp"_s))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        files << path;
        const QString source = QString::fromUtf8(file.readAll());
        QList<std::pair<qsizetype, QRegularExpressionMatch>> aliases;
        for (const QRegularExpressionMatch& m : alias.globalMatch(source))
            aliases.append({m.capturedStart(), m});
        for (const QRegularExpressionMatch& m : full.globalMatch(source))
            named.insert(m.captured(1) + u"::"_s + m.captured(2));
        for (const QRegularExpressionMatch& m : scoped.globalMatch(source)) {
            QString space;
            for (const auto& [at, a] : aliases) {
                if (at < m.capturedStart() && a.captured(1) == m.captured(1))
                    space = a.captured(2);
            }
            if (!space.isEmpty())
                named.insert(space + u"::"_s + m.captured(2));
        }
    }
    return named;
}

} // namespace

class TestTextPlaces : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySlotOfATableHasAPlace_data()
    {
        QTest::addColumn<int>("table");
        const char* const forms[] = {"main window", "new food item", "connect notice", "tray notice",
                                     "settings",    "information",   "functions"};
        for (int t = 1; t <= 7; ++t)
            QTest::newRow(forms[t - 1]) << t;
    }

    // Each text of the built-in tables has a place, each place a text of
    // them, and each of them a name.
    void everySlotOfATableHasAPlace()
    {
        QFETCH(int, table);
        const LanguageTables tables = english();
        int texts = 0;
        for (int index = LanguageTables::firstIndex(table); index <= LanguageTables::lastIndex(table);
             ++index) {
            if (tables.at(table, index).isEmpty())
                continue;
            ++texts;
            const TextSlot slot{table, index};
            QVERIFY2(!PlacesOf(slot).empty(), qPrintable(nameOf(slot)));
            QVERIFY2(!SlotName(slot).empty(), qPrintable(nameOf(slot)));
            QVERIFY(SlotNamed(SlotName(slot)).has_value() && *SlotNamed(SlotName(slot)) == slot);
        }
        QVERIFY(texts > 0);
        for (const TextPlace& place : TextPlaces()) {
            if (place.slot.table == table)
                QVERIFY2(!tables.at(place.slot).isEmpty(), qPrintable(nameOf(place.slot)));
        }
    }

    void placesAreInTheFormsAndInOrder()
    {
        const std::span<const TextPlace> places = TextPlaces();
        QVERIFY(!places.empty());
        for (const TextPlace& place : places)
            QVERIFY2(place.slot.table >= 1 && place.slot.table <= 7, qPrintable(nameOf(place.slot)));
        const auto before = [](const TextPlace& a, const TextPlace& b) {
            return std::pair(a.slot.table, a.slot.index) < std::pair(b.slot.table, b.slot.index);
        };
        QVERIFY(std::is_sorted(places.begin(), places.end(), before));
        QVERIFY(PlacesOf(TextSlot{0, 1}).empty());
        QVERIFY(PlacesOf(TextSlot{8, 0}).empty());
    }

    // A text that is not shown has that one place and no window or control.
    void notShownStandsAlone()
    {
        int notShown = 0;
        for (const TextPlace& place : TextPlaces()) {
            if (isShown(place))
                continue;
            ++notShown;
            const std::vector<TextPlace> all = PlacesOf(place.slot);
            QVERIFY2(all.size() == 1, qPrintable(nameOf(place.slot)));
            QCOMPARE(place.window, TextWindow::None);
            QCOMPARE(place.control, "");
            QCOMPARE(place.shownAs, "");
        }
        QVERIFY(notShown > 0);
    }

    // Every join holds the slot's own text once, and otherwise only values of
    // kTextFillers and slots that show in the same control in the same way.
    void joinsNameKnownFillersAndSlotsShownAlongside()
    {
        for (const TextPlace& place : TextPlaces()) {
            const QString what = nameOf(place.slot) + u" in "_s + QString::fromUtf8(place.where);
            const std::optional<std::vector<ShownAsPiece>> pieces = ShownAsPieces(place.shownAs);
            QVERIFY2(pieces.has_value(), qPrintable(what));
            if (pieces->empty())
                continue;
            int own = 0;
            for (const ShownAsPiece& piece : *pieces) {
                if (!piece.filler)
                    continue;
                if (piece.text == "text") {
                    ++own;
                    continue;
                }
                const bool isValue = std::any_of(std::begin(kTextFillers), std::end(kTextFillers),
                                                 [&](const TextFiller& f) { return piece.text == f.name; });
                if (isValue)
                    continue;
                const std::optional<std::vector<TextSlot>> slots = FillerSlots(piece.text);
                QVERIFY2(slots.has_value(), qPrintable(what + u": {"_s + QLatin1String(piece.text) + u'}'));
                for (TextSlot joined : *slots) {
                    const std::vector<TextPlace> there = PlacesOf(joined);
                    const bool alongside = std::any_of(there.begin(), there.end(), [&](const TextPlace& p) {
                        return p.window == place.window && std::strcmp(p.control, place.control) == 0 &&
                               p.item == place.item && p.use == place.use;
                    });
                    QVERIFY2(alongside,
                             qPrintable(what + u": "_s + nameOf(joined) + u" does not show there"_s));
                }
            }
            QVERIFY2(own == 1, qPrintable(what));
        }
    }

    void shownAsPieces_data()
    {
        QTest::addColumn<QString>("shownAs");
        QTest::addColumn<QStringList>("pieces"); // empty with `valid` false: refused
        QTest::addColumn<bool>("valid");
        QTest::newRow("alone") << u""_s << QStringList() << true;
        QTest::newRow("plain") << u"a b"_s << QStringList{u"L:a b"_s} << true;
        QTest::newRow("joined")
            << u"{text} ({weight} {Main::Gram|Main::Oz})."_s
            << QStringList{u"F:text"_s, u"L: ("_s, u"F:weight"_s, u"L: "_s, u"F:Main::Gram|Main::Oz"_s,
                           u"L:)."_s}
            << true;
        QTest::newRow("adjacent") << u"{a}{b}"_s << QStringList{u"F:a"_s, u"F:b"_s} << true;
        QTest::newRow("unclosed") << u"x {text"_s << QStringList() << false;
        QTest::newRow("unopened") << u"text} x"_s << QStringList() << false;
        QTest::newRow("nested") << u"{a{b}}"_s << QStringList() << false;
    }

    void shownAsPieces()
    {
        QFETCH(QString, shownAs);
        QFETCH(QStringList, pieces);
        QFETCH(bool, valid);
        const QByteArray utf8 = shownAs.toUtf8();
        const std::optional<std::vector<ShownAsPiece>> cut =
            ShownAsPieces(std::string_view(utf8.constData()));
        QCOMPARE(cut.has_value(), valid);
        if (cut)
            QCOMPARE(described(*cut), pieces);
    }

    void fillerSlots()
    {
        const std::optional<std::vector<TextSlot>> two = FillerSlots("Functions::Gram|Functions::Oz");
        QVERIFY(two && two->size() == 2);
        QVERIFY((two->at(0) == TextSlot{7, 32}) && (two->at(1) == TextSlot{7, 40}));
        for (const char* notSlots :
             {"weight", "Functions::Gram|weight", "Functions::Gram|", "", "Main::Nothing"})
            QVERIFY2(!FillerSlots(notSlots), notSlots);
    }

    // The slots with a shown place are exactly those dietlens' sources name:
    // a text the code starts to use needs its place, and a place whose text
    // the code no longer uses (or a place under the wrong slot) shows up.
    void shownSlotsAreThoseTheCodeNames()
    {
        QStringList files;
        QSet<QString> named = slotsNamedInSources(QStringLiteral(DIETLENS_SOURCE_DIR), files);
        QVERIFY2(files.size() > 20, "the sources of dietlens were not found");
        // Given as a group title in DL_Properties::Set_Taal and replaced there
        // at once by Information::AboutMenuviaFOOD.
        QVERIFY(named.remove(u"Settings::AboutMenuviaFOOD"_s));

        QSet<QString> shown;
        for (const TextPlace& place : TextPlaces()) {
            if (isShown(place))
                shown.insert(nameOf(place.slot));
        }
        for (const QString& name : std::as_const(named)) {
            const std::optional<TextSlot> slot = SlotNamed(name.toStdString());
            QVERIFY2(slot.has_value(), qPrintable(u"not a slot: "_s + name));
            QVERIFY2(shown.contains(name), qPrintable(u"named in the code but shown nowhere: "_s + name));
        }
        for (const QString& name : std::as_const(shown))
            QVERIFY2(named.contains(name), qPrintable(u"shown but not named in the code: "_s + name));
    }
};

QTEST_GUILESS_MAIN(TestTextPlaces)
#include "test_textplaces.moc"
