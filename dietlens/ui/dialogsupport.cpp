#include "dietlens/ui/dialogsupport.h"

#include "dietlens/ui/kit/programicon.h"

#include <QWidget>

bool WantsTopmost(const QString& alwaysOnTop, bool emptyCounts)
{
    return alwaysOnTop == QLatin1String("1") || (emptyCounts && alwaysOnTop.isEmpty());
}

void SetTopmost(QWidget* window, bool topmost)
{
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (shown)
        window->show();
}

QIcon DietlensIcon()
{
    return ProgramIcon(QStringLiteral("dietlens"));
}
