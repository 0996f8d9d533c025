#include "widgets/programicon.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestProgramIcon : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawnSizes_data();
    void drawnSizes();
};

void TestProgramIcon::drawnSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("largest");
    QTest::newRow("dietlens") << u"dietlens"_s << 256;
    QTest::newRow("translator") << u"translator"_s << 256;
    QTest::newRow("tray") << u"dietlens-tray"_s << 48;
    QTest::newRow("unknown") << u"nothing"_s << 0;
}

void TestProgramIcon::drawnSizes()
{
    QFETCH(QString, name);
    QFETCH(int, largest);
    const QIcon icon = ProgramIcon(name);
    QCOMPARE(icon.isNull(), largest == 0);
    if (largest == 0)
        return;
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(22, 22)));
    QVERIFY(sizes.contains(QSize(largest, largest)));
    // The small tray sizes are not blank: the tile covers most of the picture.
    const QImage image = icon.pixmap(QSize(16, 16)).toImage();
    QCOMPARE(image.size(), QSize(16, 16));
    QVERIFY(qAlpha(image.pixel(8, 8)) > 200);
}

QTEST_MAIN(TestProgramIcon)
#include "test_programicon.moc"
