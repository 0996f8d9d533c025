#include "dialogsupport.h"

#include "programicon.h"

#include <QWidget>
#include <QWindow>

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

QIcon DietlensIcon()
{
    return ProgramIcon(QStringLiteral("dietlens"));
}
