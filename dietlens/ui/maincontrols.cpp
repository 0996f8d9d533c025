#include "dietlens/ui/maincontrols.h"

#include "dietlens/ui/coreicons.h"
#include "dietlens/ui/foodlistview.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/searchboxlook.h"
#include "widgets/twips.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>

namespace {

constexpr int kChartLeft = 3360, kChartTop = 420, kChartWidth = 3615, kChartHeight = 3700;
constexpr int kSearchButtonSize = 255;

QToolButton* makePictureButton(const char* name, CoreImage image, int iconTwips, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(CoreIcon(image));
    button->setIconSize(TwipsSize(iconTwips, iconTwips));
    return button;
}

} // namespace

MainControls MainControls::create(QWidget* client)
{
    MainControls c;
    c.txt_item = new QLineEdit(client);
    c.txt_item->setObjectName(QStringLiteral("txt_item"));
    c.txt_item->setGeometry(TwipsRect(kChartLeft, 60, kChartWidth - kSearchButtonSize - 120, 315));

    c.Pic_zoeken = makePictureButton("Pic_zoeken", CoreImage::Search, kSearchButtonSize, client);
    c.Pic_zoeken->setGeometry(TwipsRect(kChartLeft + kChartWidth - kSearchButtonSize - 30, 45,
                                        kSearchButtonSize + 60, kSearchButtonSize + 60));

    c.Pic_zoeken_bw = new QLabel(client);
    c.Pic_zoeken_bw->setObjectName(QStringLiteral("Pic_zoeken_bw"));
    c.Pic_zoeken_bw->setAlignment(Qt::AlignCenter);
    c.Pic_zoeken_bw->setPixmap(
        CoreIcon(CoreImage::SearchGrey).pixmap(TwipsSize(kSearchButtonSize, kSearchButtonSize)));
    c.Pic_zoeken_bw->resize(c.Pic_zoeken->size());

    c.LV_browse = new FoodListView(QStringLiteral("LV_browse"), client);
    c.LV_browse_bookmarks = new FoodListView(QStringLiteral("LV_browse_bookmarks"), client);
    c.LV_browse_bookmarks->hide();

    c.Slider = new QSlider(Qt::Vertical, client);
    c.Slider->setObjectName(QStringLiteral("Slider"));
    c.Slider->setRange(10, 1000);
    c.Slider->setValue(100);
    c.Slider->setSingleStep(10);
    c.Slider->setPageStep(10);
    c.Slider->setTickPosition(QSlider::NoTicks);
    c.Slider->setInvertedAppearance(true); // minimum at the top
    c.Slider->setInvertedControls(true);
    c.Slider->setGeometry(TwipsRect(2960, 720, 375, 3075));

    c.Pic_plus = makePictureButton("Pic_plus", CoreImage::ArrowUp, 225, client);
    c.Pic_plus->setGeometry(TwipsRect(3000, 480, 255, 255));
    c.Pic_min = makePictureButton("Pic_min", CoreImage::ArrowDown, 225, client);
    c.Pic_min->setGeometry(TwipsRect(3000, 3840, 255, 255));

    c.Pic_grafiek = new NutritionChartView(client);
    c.Pic_grafiek->setObjectName(QStringLiteral("Pic_grafiek"));
    c.Pic_grafiek->setGeometry(TwipsRect(kChartLeft, kChartTop, kChartWidth, kChartHeight));

    QWidget::setTabOrder(c.txt_item, c.LV_browse);
    QWidget::setTabOrder(c.LV_browse, c.LV_browse_bookmarks);
    QWidget::setTabOrder(c.LV_browse_bookmarks, c.Slider);
    return c;
}

void MainControls::SetSearchBoxLook(bool enabled) const
{
    txt_item->setEnabled(enabled);
    PaintSearchBox(txt_item, enabled);
    Pic_zoeken->setVisible(enabled);
    Pic_zoeken_bw->setVisible(!enabled);
}
