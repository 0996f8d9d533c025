#pragma once
// Pop-up menus that no menu bar owns (the tray icon's) for screen readers and the keyboard.
class QMenu;

// Makes the application's accessible object list, beside its windows, every such menu while it
// is open. Qt leaves pop-up windows out of the application's children, which is right for the
// menus of a menu bar (they hang below their bar) but leaves a tray menu where nothing that walks
// the tree finds it. Call once, after the QApplication is made and before any window is shown.
void ListOpenPopupMenus();

// A free-standing menu opens for a screen reader as a window does: the application announces
// it as a new child, and its first command is chosen, however the menu was opened, so the arrow
// keys and Enter work at once and a screen reader reads the command.
void OpenLikeAWindow(QMenu* menu);
