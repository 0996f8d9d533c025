// Chart, weight slider, the choice of a row in either list, bookmarks and export.
#include "dietlens/ui/dl_core.h"

#include "dietlens/core/appstate.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/nutritiondisplay.h"

#include <QLabel>
#include <QMenu>
#include <QToolButton>

QWidget* DL_Core::CreateChartArea(QWidget* parent)
{
    return new NutritionChartView(parent);
}

void DL_Core::ConnectDisplayControls()
{
    DisplayControls c;
    c.window = this;
    c.LV_browse = LV_browse;
    c.LV_browse_bookmarks = LV_browse_bookmarks;
    c.Slider = Slider;
    c.Pic_plus = Pic_plus;
    c.Pic_min = Pic_min;
    c.Pic_grafiek = static_cast<NutritionChartView*>(Pic_grafiek);
    c.txt_item = txt_item;
    c.Pic_zoeken = Pic_zoeken;
    c.Pic_zoeken_bw = Pic_zoeken_bw;
    c.mnu_opties = menu(QStringLiteral("mnu_opties"));
    c.mnu_addlijst = menuAction(QStringLiteral("mnu_addlijst"));
    c.mnu_toevoegen = menuAction(QStringLiteral("mnu_toevoegen"));
    c.mnu_del = menuAction(QStringLiteral("mnu_del"));
    c.toolbarResults = toolbarButton(5);
    c.toolbarBookmarks = toolbarButton(6);
    c.toolbarAddFood = toolbarButton(8);
    c.toolbarBookmark = toolbarButton(9);
    c.setStatusText = [this](const QString& text) { statusPanel(2)->setText(text.left(kMaxShownText)); };
    m_display = new NutritionDisplay(m_state, m_messenger, c, this);
}

void DL_Core::Set_ViewList()
{
    m_display->Set_ViewList();
}

void DL_Core::Fill_BookmarkList()
{
    m_display->Fill_BookmarkList();
}

void DL_Core::LoadBookmarks()
{
    m_display->ReadBookmarksAtStartup();
}

void DL_Core::DrawNutritionChart(float energyKJ, float energyKcal, float unsaturatedFat, float saturatedFat,
                                 float carbohydrates, float protein, float sodium)
{
    m_display->DrawNutritionChart(
        NutritionValues{energyKJ, energyKcal, unsaturatedFat, saturatedFat, carbohydrates, protein, sodium});
}

void DL_Core::LV_browse_Click()
{
    m_display->LV_browse_Click();
}

void DL_Core::LV_browse_bookmarks_Click()
{
    m_display->LV_browse_bookmarks_Click();
}

void DL_Core::Slider_Scroll()
{
    m_display->Slider_Scroll();
}

void DL_Core::Pic_plus_Click()
{
    m_display->Pic_plus_Click();
}

void DL_Core::Pic_min_Click()
{
    m_display->Pic_min_Click();
}

void DL_Core::mnu_addlijst_Click()
{
    m_display->mnu_addlijst_Click();
}

void DL_Core::mnu_del_Click()
{
    m_display->mnu_del_Click();
}

void DL_Core::mnu_opslaan_Click()
{
    m_display->mnu_opslaan_Click();
}
