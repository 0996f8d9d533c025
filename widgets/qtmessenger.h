#pragma once
#include "lang/messenger.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QMessageBox;

// Gives a message box its title, text, icon and buttons, and makes it wide
// enough that the window manager can show the whole title: a box with short
// lines would otherwise cut a longer title.
void SetUpMessageBox(QMessageBox& box, const QString& title, const QString& text, MessageIcon icon,
                     MessageButtons buttons);

// Messenger that shows real message boxes and file dialogs, parented to the
// window the caller names (the dialog in front, so boxes never open behind it).
class QtMessenger : public Messenger
{
public:
    using ParentProvider = std::function<QWidget*()>;
    explicit QtMessenger(ParentProvider parent = {});

    MessageAnswer message(const QString& title, const QString& text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok) override;
    QString saveFileName(const FileDialogRequest& request) override;
    QString openFileName(const FileDialogRequest& request) override;

private:
    QWidget* parentWidget() const;
    ParentProvider m_parent;
};
