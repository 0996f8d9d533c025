#include "tests/support/scriptedmessenger.h"

MessageAnswer ScriptedMessenger::message(const QString& title, const QString& text, MessageIcon icon,
                                         MessageButtons buttons)
{
    shown.append({title, text, icon, buttons});
    if (!answers.empty()) {
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    }
    return MessageAnswer::Cancel;
}

QString ScriptedMessenger::saveFileName(const FileDialogRequest& request)
{
    fileDialogs.append(request);
    if (fileNames.empty())
        return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedMessenger::openFileName(const FileDialogRequest& request)
{
    return saveFileName(request);
}

QStringList ScriptedMessenger::titles() const
{
    QStringList out;
    for (const Shown& s : shown)
        out << s.title;
    return out;
}

void ScriptedMessenger::clear()
{
    answers.clear();
    fileNames.clear();
    shown.clear();
    fileDialogs.clear();
}
