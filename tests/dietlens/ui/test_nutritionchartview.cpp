#include "../display/displaytexts.h"
#include "dietlens/core/appstate.h"
#include "dietlens/ui/nutritionchartview.h"
#include "tests/support/scriptedmessenger.h"

#include <QImage>
#include <QTest>

class TestNutritionChartView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startDrawingPaintsBarsToScale()
    {
        AppState state;
        setDisplayTexts(state.lang);
        ScriptedMessenger messenger;
        NutritionChartView view;
        QCOMPARE(view.objectName(), QStringLiteral("Pic_grafiek"));
        QCOMPARE(view.sizeHint(), QSize(241, 247));
        QCOMPARE(view.draw({540, 540, 1, 1, 1, 1, 1}, 100, state.settings, state.lang, messenger),
                 ChartDrawing::Drawn);
        view.resize(view.sizeHint());

        const QPixmap shot = view.grab();
        QImage image = shot.toImage();
        image.setDevicePixelRatio(1);
        const qreal scale = qreal(image.width()) / view.width();
        auto at = [&](qreal xTwips, qreal yTwips) {
            return image.pixelColor(int(xTwips / 15 * scale), int(yTwips / 15 * scale));
        };

        // Energy bar body from 195 to 735 twips, 375 high from 240; the middle row is blue.
        const qreal middle = 240 + 375 / 2.0;
        QVERIFY(at(400, middle).blue() > at(400, middle).red() + 60);
        QVERIFY(at(700, middle).blue() > at(700, middle).red() + 60);
        // Past the right cap (735 + 135) and before the label: background.
        QCOMPARE(at(885, middle), NutritionChartView::backgroundColor());
        // Saturated fat: 451 long, orange.
        const QColor orange = at(195 + 400, 800 + 375 / 2.0);
        QVERIFY(orange.red() > 180 && orange.blue() < 100);
        QCOMPARE(at(3600, 3690), NutritionChartView::backgroundColor());
    }
};

QTEST_MAIN(TestNutritionChartView)
#include "test_nutritionchartview.moc"
