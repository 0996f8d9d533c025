#pragma once
// Where each text of tables 1 to 7 lands in dietlens: the window, the control
// and how the control uses it, where that is in words for a translator, and
// how dietlens joins the text with other texts and values before showing it.
// Every slot of tables 1 to 7 has at least one place; a slot dietlens never
// shows has exactly one, of use NotShown.
//
// Controls are named by their objectName in the window:
//  - a window title by the window's own name ("DL_Core", "DL_Properties");
//  - a menu by its QMenu, a menu item by its QAction ("mnu_bestand", "mnu_connect");
//  - a toolbar button by its QAction ("Toolbar_Button5"); the button itself is
//    the toolbar's widget for that action and carries the tooltip and the
//    accessible name;
//  - a text drawn in the nutrition chart by the chart ("Pic_grafiek"), with the
//    bar in `item`; the bars' accessible names by their items ("lbl_bar(0)");
//  - nothing ("") for a message line, the save dialog's title, the tray
//    icon's tooltip and a text that is not shown.
#include "lang/languagetables.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

enum class TextWindow {
    Main,          // DL_Core with its menus, toolbar, status bar and chart
    NewFoodItem,   // DL_Add
    ConnectNotice, // DL_Connectmelding
    TrayNotice,    // DL_ToTray
    Settings,      // DL_Properties
    Information,   // DL_Informatie
    MessageBox,    // titled with an error number or the program's name, never with a text of the tables
    FileDialog,    // the save dialog of the bookmark export
    Tray,          // the tray icon's tooltip and the tray menu
    None,          // no window: the text is opened, stored or not used
};

enum class TextUse {
    Caption,        // the whole text of a label, button, check box, radio button, group box or tab
    Command,        // a menu or menu item
    ToolTip,        // a control's tooltip, or a tab's
    WindowTitle,    // a window's or dialog's title
    StatusPanel,    // a panel of the main window's status bar
    InBox,          // shown inside the search box in place of a search term
    ListItem,       // a row of a list
    ChartCaption,   // a caption above a bar of the chart, drawn on one line in a fixed box
    ChartValue,     // the value behind a bar of the chart, drawn on one line in a smaller fixed box
    MessageLine,    // a line of a message box
    AccessibleName, // what a screen reader names the control by
    Address,        // a web address dietlens opens; never drawn
    InRecord, // written into every new bookmark (the bookmarks file, the export, a dragged item); never drawn
    NotShown, // in the language file, unused by dietlens
};

struct TextPlace
{
    TextSlot slot;
    TextWindow window;
    const char* control; // objectName, see above; "" when none
    int item;            // a tab of a tab bar or a bar of the chart (from 0); -1 for the control as a whole
    TextUse use;
    const char* where; // in words, for a translator: "Main window › menu bar › File menu"
    // How dietlens joins the text at run time, "" when it shows the text alone.
    // In braces: {text} is this slot's text; {Main::Gram} the text of another
    // slot (text::Main::Gram); {Functions::Gram|Functions::Oz} one of those
    // slots, as the settings or the state choose; any other name is a value
    // of kTextFillers. Everything else is shown as written; "\n" breaks a line.
    const char* shownAs;
};

// The values dietlens puts into a joined text, by the name `shownAs` gives them.
struct TextFiller
{
    const char* name;
    const char* value;
};

inline constexpr TextFiller kTextFillers[] = {
    {"weight", "a food weight in the user's unit: whole grams, or ounces to one decimal (\"150\", \"5.3\")"},
    {"number",
     "a nutrition value as the chart writes it, up to seven digits (\"2260\", \"22.50\", \"0.125\")"},
    {"count", "how many food items the last search found"},
    {"term", "the search term as the user typed it"},
    {"name", "a food item's name, from the server or a bookmark"},
    {"program", "the program's name, \"Dietlens\""},
    {"shortcut", "a command's shortcut as the desktop spells it (\"Ctrl+1\")"},
    {"folders", "the folders that could not be made, one a line"},
};

// Every place, by table and index.
std::span<const TextPlace> TextPlaces();
// The places of one slot; none for a slot outside tables 1 to 7.
std::vector<TextPlace> PlacesOf(TextSlot slot);

// The name of a slot of tables 1 to 7 as `shownAs` writes it ("Main::Gram"),
// and back; "" or none for anything else.
std::string_view SlotName(TextSlot slot);
std::optional<TextSlot> SlotNamed(std::string_view name);

// A `shownAs` cut into what is shown as written and the names in braces (the
// braces left off), in order; none when a brace has no partner.
struct ShownAsPiece
{
    bool filler;
    std::string_view text;
};
std::optional<std::vector<ShownAsPiece>> ShownAsPieces(std::string_view shownAs);

// The slots a name in braces stands for ("Functions::Gram|Functions::Oz");
// none when any of its names is not a slot.
std::optional<std::vector<TextSlot>> FillerSlots(std::string_view filler);
