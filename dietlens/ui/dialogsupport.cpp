#include "dietlens/ui/dialogsupport.h"

#include "files/cp1252.h"
#include "lang/messenger.h"
#include "widgets/programicon.h"

#include <QLineEdit>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <memory>

bool WantsTopmost(const QString& alwaysOnTop, bool emptyCounts)
{
    return alwaysOnTop == QLatin1String("1") || (emptyCounts && alwaysOnTop.isEmpty());
}

void SetTopmost(QWidget* window, bool topmost)
{
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    QWindow* native = window->windowHandle();
    if (native && window->isVisible()) {
        // A shown window changes its stacking in place. Setting the widget's
        // flags would hide it, and shown again it would be placed anew by the
        // window manager.
        window->overrideWindowFlags(flags);
        native->setFlags(flags);
        return;
    }
    window->setWindowFlags(flags);
}

void RefuseUnstorableCharacters(QLineEdit* box, const QString& programName, Messenger& messenger)
{
    auto accepted = std::make_shared<QString>(box->text());
    QObject::connect(box, &QLineEdit::textChanged, box, [box, accepted](const QString& text) {
        if (text == box->text()) // not a refused text whose signal comes after it was put back
            *accepted = text;
    });
    QObject::connect(
        box, &QLineEdit::textEdited, box, [box, accepted, programName, &messenger](const QString& text) {
            QString refused;
            for (const QChar c : text) {
                if (!cp1252::canEncode(c) && !refused.contains(c))
                    refused += c;
            }
            if (refused.isEmpty())
                return;
            const QString before = *accepted;
            const int cursor = box->cursorPosition() - int(text.size() - before.size());
            box->setText(before);
            box->setCursorPosition(std::clamp(cursor, 0, int(before.size())));
            messenger.message(programName,
                              programName + QStringLiteral(" cannot store these characters: ") + refused,
                              MessageIcon::Exclamation);
        });
}

QIcon DietlensIcon()
{
    return ProgramIcon(QStringLiteral("dietlens"));
}
