#pragma once
// What translator's windows share: the program's fixed values, the general
// error message, the documents folder and typing limits for text boxes.
#include "widgets/openwith.h"

class LanguageTables;

#include <QHash>
#include <QImage>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QValidator>

#include <exception>
#include <functional>
#include <initializer_list>

class Messenger;
class QDialog;
class QLineEdit;
class QPushButton;
class QWidget;

namespace translator {

QString programTitle();   // "Quelmar Translator"
QString versionText();    // "1.6"
QString programCaption(); // title, a blank and the version

// Fixed at start and handed to the main window.
// Where a text of a form shows in dietlens and whether it fits there, one
// line a place ("Main window › search box: fits, 20 px to spare"); none for a
// row dietlens does not show. The tables are the document's, with the text in
// place of the row's own.
struct DietlensPlaces
{
    QStringList lines;
    QImage picture; // dietlens's window with the first place outlined; null when none
};
using DietlensFits = std::function<DietlensPlaces(const LanguageTables& tables, int form, int index)>;

// Every row of forms 1 to 7 whose text dietlens cuts or makes a dialog grow for,
// by form and table index, with where and by how much, in one line.
using DietlensCuts = std::function<QHash<QPair<int, int>, QString>(const LanguageTables& tables)>;

struct TranslatorSettings
{
    QString documentsFolder; // ends in "/", or "" when unknown
    QString notesFile;       // the user's notes per language file (reference, marks); "" keeps none
    QString siteEn;
    QString siteNl;
    QString developerSwitch = QStringLiteral("0");
    OpenWithLauncher launcher = OpenWithLauncher::desktop();
    DietlensFits dietlensFits; // the row dialog shows where a text lands when set
    DietlensCuts dietlensCuts; // with a reference, rows that do not fit are warned of
};

// The user's documents folder with a trailing "/"; "" (after a message)
// when the desktop names none.
QString GetSpecialFolder(Messenger& messenger);

// "An error occured while executing a function." with the command's code.
void ShowGeneralError(Messenger& messenger, const QString& code);

// Runs a command; an exception escaping it ends the command with the
// general error message for code instead of ending the program.
template <class F> void RunCommand(Messenger& messenger, const QString& code, F&& command)
{
    try {
        command();
    } catch (const std::exception&) {
        ShowGeneralError(messenger, code);
    }
}

// The buttons of translator's small dialogs.
struct DialogButtons
{
    QPushButton* accept;
    QPushButton* cancel;
};

// Stacks a small dialog's widgets in the given order and puts its buttons at the right below
// them: the accepting button (the default, so Enter presses it) with the given object name and
// text, and "Cancel" ("cmd_annuleer"), which rejects the dialog, as Esc does.
DialogButtons LayOutDialog(QDialog* dialog, std::initializer_list<QWidget*> widgets,
                           const QString& acceptName, const QString& acceptText, int minimumWidth);

// A typing limit that, unlike QLineEdit::setMaxLength, never cuts a longer
// text set by the program: such a text stays whole and can only get shorter.
class TypingLimit : public QValidator
{
    Q_OBJECT
public:
    TypingLimit(QLineEdit* edit, int maxLength);
    State validate(QString& input, int& pos) const override;

private:
    int m_max;
    int m_allowance = 0; // a text set by the program may keep this length
    bool m_typed = false;
};

} // namespace translator
