#pragma once
// The controls in the client area of dietlens' main window, made at their
// design places (twips): the search box with its button and the grey picture
// shown in its place, the two lists on top of each other, the weight slider
// with its two buttons, and the chart.
class NutritionChartView;
class FoodListView;
class QLabel;
class QLineEdit;
class QSlider;
class QToolButton;
class QWidget;

struct MainControls
{
    static constexpr int kListLeft = 60, kListTop = 420, kListWidth = 2850;

    QLineEdit* txt_item = nullptr;
    QToolButton* Pic_zoeken = nullptr;
    QLabel* Pic_zoeken_bw = nullptr;
    FoodListView* LV_browse = nullptr;
    FoodListView* LV_browse_bookmarks = nullptr;
    QSlider* Slider = nullptr;
    QToolButton* Pic_plus = nullptr;
    QToolButton* Pic_min = nullptr;
    NutritionChartView* Pic_grafiek = nullptr;

    static MainControls create(QWidget* client);

    // The search box enabled with the search button, or disabled in light
    // grey with the grey picture.
    void SetSearchBoxLook(bool enabled) const;
};
