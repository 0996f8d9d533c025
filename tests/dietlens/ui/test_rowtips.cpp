// The icon column of the lists: its text (a bookmark's position) is painted
// whole or not at all, whatever the font.
#include "widgets/rowtips.h"

#include <QHeaderView>
#include <QPixmap>
#include <QTest>
#include <QTreeWidget>

namespace {

QIcon squareIcon()
{
    QPixmap p(16, 16);
    p.fill(Qt::blue);
    return QIcon(p);
}

// Pixels in the cell's strip right of the icon that differ from the base.
int inkRightOfIcon(QTreeWidget& list, int row)
{
    const QImage image = list.viewport()->grab().toImage();
    const QRect cell = list.visualRect(list.model()->index(row, 0));
    const QRgb base = list.palette().color(QPalette::Base).rgb();
    int ink = 0;
    for (int x = cell.left() + 19; x <= cell.right(); ++x)
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            ink += image.pixel(x, y) != base;
    return ink;
}

} // namespace

class TestRowTips : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void iconColumnText_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("columnWidth");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("painted");
        QTest::newRow("13 pt, room for one digit") << 13 << 44 << 3 << true;
        // Rows look alike: none shows its number when the last one cannot.
        QTest::newRow("13 pt, two-digit last row") << 13 << 44 << 12 << false;
    }
    void iconColumnText()
    {
        QFETCH(int, pointSize);
        QFETCH(int, columnWidth);
        QFETCH(int, rows);
        QFETCH(bool, painted);
        QTreeWidget list;
        QFont font = list.font();
        font.setPointSize(pointSize);
        list.setFont(font);
        list.setColumnCount(2);
        list.header()->setMinimumSectionSize(1);
        list.setColumnWidth(0, columnWidth);
        list.setRootIsDecorated(false);
        list.resize(240, 400);
        ShowCutTextsAsToolTips(&list, 0);
        for (int i = 0; i < rows; ++i) {
            auto* item = new QTreeWidgetItem({QString::number(i), QStringLiteral("Apple (150 Gram)")});
            item->setIcon(0, squareIcon());
            list.addTopLevelItem(item);
        }
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        // Row 1: the current row 0 has a focus frame of its own.
        QCOMPARE(inkRightOfIcon(list, 1) > 0, painted);
    }
};

QTEST_MAIN(TestRowTips)
#include "test_rowtips.moc"
