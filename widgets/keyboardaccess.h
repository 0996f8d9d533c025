#pragma once
// Keyboard and screen-reader helpers both programs share: menu mnemonics
// derived from the captions at run time, accessible names that follow a
// control's tooltip, and tooltips that name a command's shortcut.
#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Gives each caption of a group of sibling actions (the titles of a menu bar,
// the items of one menu) a mnemonic: the first letter of its caption that no
// caption before it in the group uses yet. A "&" of the caption itself is
// kept as a literal "&". The caption is remembered, so running this again
// after the texts changed derives the mnemonics afresh; a caption set anew
// by other code is taken as the new caption.
void AssignMnemonics(const QList<QAction*>& group);

// The menu bar's titles, and each menu's items every time it opens (its
// captions may change while it is closed, as the connect command's does).
void AssignMenuBarMnemonics(QMenuBar* bar);
void AssignMnemonicsWhenShown(QMenu* menu);

// The caption as the user reads it: the mnemonic marker removed, "&&" as "&".
QString WithoutMnemonic(const QString& text);

// "Bookmarks (Ctrl+2)": the text, then the shortcut in the desktop's spelling.
QString ToolTipWithShortcut(const QString& text, const QKeySequence& shortcut);

// Keeps the widget's accessible name equal to its tooltip, without a
// shortcut that ToolTipWithShortcut added; an empty tooltip gives the
// fallback, so a screen reader never meets a nameless control.
void NameFollowsToolTip(QWidget* widget, const QString& fallback);
