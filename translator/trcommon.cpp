#include "translator/trcommon.h"

#include "lang/messenger.h"
#include "widgets/screenplacement.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>

#include <utility>

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

DialogButtons LayOutDialog(QDialog* dialog, std::initializer_list<QWidget*> widgets,
                           const QString& acceptName, const QString& acceptText, int minimumWidth)
{
    DialogButtons made{new QPushButton(acceptText, dialog),
                       new QPushButton(QStringLiteral("Cancel"), dialog)};
    made.accept->setObjectName(acceptName);
    made.accept->setDefault(true);
    made.cancel->setObjectName(QStringLiteral("cmd_annuleer"));
    made.cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(made.accept);
    buttons->addWidget(made.cancel);
    auto* layout = new QVBoxLayout(dialog);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addLayout(buttons);
    dialog->setMinimumWidth(minimumWidth);
    KeepOnScreen(dialog);

    QObject::connect(made.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return made;
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
    connect(edit, &QLineEdit::textEdited, this, [this] { m_typed = true; });
    connect(edit, &QLineEdit::textChanged, this, [this, edit](const QString& text) {
        const bool typed = std::exchange(m_typed, false);
        m_allowance = int(text.size());
        if (typed || text.size() <= m_max)
            return;
        // The box checked a long text set by the program against the old
        // allowance and marked it unacceptable; from such a state it takes
        // every key. Setting the text again checks it against its own length.
        const QSignalBlocker block(edit);
        edit->setText(QString());
        edit->setText(text);
    });
    edit->setValidator(this);
}

QValidator::State TypingLimit::validate(QString& input, int&) const
{
    return input.size() <= m_max || input.size() <= m_allowance ? Acceptable : Invalid;
}

} // namespace translator
