#pragma once
// Keyboard and screen-reader access of dietlens' main window: shortcuts for
// the two list views, the Tab order, menu mnemonics, accessible names that
// follow the language, and a layout that grows with a larger desktop font.
class LanguageTables;
class MainBars;
class QMainWindow;
class QWidget;
struct MainControls;

// Once, when the window has its bars and controls: shortcuts, Tab order,
// names a screen reader falls back on, mnemonics of every menu as it opens,
// and the menu shortcuts taking precedence over the search box's own keys.
void SetUpKeyboardAndNames(QMainWindow& window, MainBars& bars, const MainControls& c);

// The parts that come from the language texts, each time they change (after
// the bars have their captions and tips).
void ApplyKeyboardAndNames(QMainWindow& window, MainBars& bars, const MainControls& c,
                           const LanguageTables& lang);

// After the window has been laid out in twips: at the desktop's default font
// the layout stands as designed; a larger font needs a taller search box, and
// everything below it moves down by as much, the window growing with it.
void FitToFont(QMainWindow& window, QWidget* client, const MainControls& c);
