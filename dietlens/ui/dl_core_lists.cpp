// Chart, weight slider, the choice of a row in either list, bookmarks and export.
#include "dl_core.h"

#include "appstate.h"

#include <QWidget>

QWidget* DL_Core::CreateChartArea(QWidget* parent)
{
    return new QWidget(parent);
}

void DL_Core::ConnectDisplayControls() {}

void DL_Core::Set_ViewList() {}

void DL_Core::Fill_BookmarkList() {}

void DL_Core::LoadBookmarks() {}

void DL_Core::DrawNutritionChart(float, float, float, float, float, float, float) {}

void DL_Core::LV_browse_Click() {}

void DL_Core::LV_browse_bookmarks_Click() {}

void DL_Core::Slider_Scroll() {}

void DL_Core::Pic_plus_Click() {}

void DL_Core::Pic_min_Click() {}

void DL_Core::mnu_addlijst_Click() {}

void DL_Core::mnu_del_Click() {}

void DL_Core::mnu_opslaan_Click() {}
