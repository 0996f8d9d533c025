#pragma once
// A Messenger for tests, benchmarks and fuzz harnesses: answers from a script
// and records every message and file dialog.
#include "lang/messenger.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

class ScriptedMessenger : public Messenger
{
public:
    struct Shown
    {
        QString title;
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer message(const QString& title, const QString& text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok) override;
    QString saveFileName(const FileDialogRequest& request) override;
    QString openFileName(const FileDialogRequest& request) override;

    // Answers are used in order; with none left the safe answer is given:
    // Ok for an Ok box, Cancel where there is a Cancel button, No for Yes/No.
    std::deque<MessageAnswer> answers;
    std::deque<QString> fileNames; // "" = cancel; none left = cancel

    QList<Shown> shown;
    QList<FileDialogRequest> fileDialogs;

    QStringList titles() const;
    void clear();
};
