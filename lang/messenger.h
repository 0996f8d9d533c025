#pragma once
// The one way the programs talk to the user through message boxes and file
// dialogs. Production code shows real dialogs (QtMessenger); the tests answer
// from a script and record what was shown.
#include <QString>

#include <initializer_list>

enum class MessageIcon { NoIcon, Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest
{
    QString title;
    QString startFolder;
    QString filter;      // Qt filter syntax, e.g. "Food database (*.dat)"
    QString defaultName; // proposed file name, may be empty
};

class Messenger
{
public:
    virtual ~Messenger() = default;
    virtual MessageAnswer message(const QString& title, const QString& text, MessageIcon icon,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
    // Returns the chosen path, or "" when the user cancelled.
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    virtual QString openFileName(const FileDialogRequest& request) = 0;
};

// Message texts are lines; an empty string in the list gives an empty line.
QString joinLines(std::initializer_list<QString> lines);
