#include "trcommon.h"

#include "messenger.h"

#include <QLineEdit>
#include <QStandardPaths>

namespace translator {

QString programTitle()
{
    return QStringLiteral("Quelmar Translator");
}

QString versionText()
{
    return QStringLiteral("1.6");
}

QString programCaption()
{
    return programTitle() + QLatin1Char(' ') + versionText();
}

QString GetSpecialFolder(Messenger& messenger)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        messenger.message(
            programTitle(),
            joinLines({QStringLiteral("Error"), QString(), QStringLiteral("Quelmar CODE:#FF4-2")}),
            MessageIcon::NoIcon);
        return {};
    }
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void ShowGeneralError(Messenger& messenger, const QString& code)
{
    messenger.message(
        programTitle(),
        joinLines({QStringLiteral("An error occured while executing a function."),
                   QStringLiteral("Please report the error code on our website."), QString(), code}),
        MessageIcon::Exclamation);
}

TypingLimit::TypingLimit(QLineEdit* edit, int maxLength) : QValidator(edit), m_max(maxLength)
{
    m_allowance = int(edit->text().size());
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_allowance = int(text.size()); });
    edit->setValidator(this);
}

QValidator::State TypingLimit::validate(QString& input, int&) const
{
    return input.size() <= m_max || input.size() <= m_allowance ? Acceptable : Invalid;
}

} // namespace translator
