#include "widgets/keyboardaccess.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QWidget>

namespace {

// The caption an action had before a mnemonic was put in, and the text shown with it.
const char* const kCaption = "mnemonicCaption";
const char* const kShown = "mnemonicShown";

// " (Ctrl+2)", or "" without a shortcut.
QString shortcutSuffix(const QKeySequence& shortcut)
{
    if (shortcut.isEmpty())
        return {};
    return QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

QString captionOf(const QAction* action)
{
    const QVariant shown = action->property(kShown);
    if (shown.isValid() && shown.toString() == action->text())
        return action->property(kCaption).toString();
    return action->text(); // set anew since the last derivation
}

class ToolTipName : public QObject
{
public:
    ToolTipName(QWidget* widget, const QString& fallback) : QObject(widget), m_fallback(fallback)
    {
        widget->installEventFilter(this);
        apply(widget);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTipChange)
            apply(static_cast<QWidget*>(watched));
        return false;
    }

private:
    void apply(QWidget* widget) const
    {
        QString name = widget->toolTip();
        if (const auto* button = qobject_cast<QToolButton*>(widget); button && button->defaultAction()) {
            const QString suffix = shortcutSuffix(button->defaultAction()->shortcut());
            if (!suffix.isEmpty() && name.endsWith(suffix))
                name.chop(suffix.size());
        }
        if (name.trimmed().isEmpty())
            name = m_fallback;
        if (widget->accessibleName() != name)
            widget->setAccessibleName(name);
    }

    QString m_fallback;
};

} // namespace

void AssignMnemonics(const QList<QAction*>& group)
{
    QString used; // lower-case letters already taken in the group
    for (QAction* action : group) {
        if (!action || action->isSeparator() || !action->isVisible())
            continue;
        const QString caption = captionOf(action);
        QString shown;
        shown.reserve(caption.size() + 4);
        bool placed = false;
        for (const QChar c : caption) {
            if (!placed && c.isLetter() && !used.contains(c.toLower())) {
                shown += QLatin1Char('&');
                used += c.toLower();
                placed = true;
            }
            shown += c;
            if (c == QLatin1Char('&'))
                shown += QLatin1Char('&'); // the caption's own "&" is shown as it is
        }
        action->setProperty(kCaption, caption);
        action->setProperty(kShown, shown);
        if (action->text() != shown)
            action->setText(shown);
    }
}

void AssignMenuBarMnemonics(QMenuBar* bar)
{
    AssignMnemonics(bar->actions());
}

void AssignMnemonicsWhenShown(QMenu* menu)
{
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { AssignMnemonics(menu->actions()); });
    for (QAction* action : menu->actions()) {
        if (QMenu* submenu = action->menu())
            AssignMnemonicsWhenShown(submenu);
    }
}

QString WithoutMnemonic(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += text.at(i);
    }
    return out;
}

QString ToolTipWithShortcut(const QString& text, const QKeySequence& shortcut)
{
    // An empty text stays empty, as an empty language slot gives an empty tooltip.
    return text.isEmpty() ? text : text + shortcutSuffix(shortcut);
}

void NameFollowsToolTip(QWidget* widget, const QString& fallback)
{
    new ToolTipName(widget, fallback);
}
