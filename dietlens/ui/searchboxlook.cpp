#include "dietlens/ui/searchboxlook.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

QColor SearchBoxFill(const QPalette& application, bool enabled)
{
    if (enabled)
        return application.color(QPalette::Active, QPalette::Base);
    if (application.color(QPalette::Active, QPalette::Base).lightness() >= 128)
        return QColor(224, 224, 224);
    return application.color(QPalette::Disabled, QPalette::Base);
}

void PaintSearchBox(QLineEdit* box, bool enabled)
{
    QPalette palette = box->palette();
    const QColor fill = SearchBoxFill(QApplication::palette(box), enabled);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, fill);
    box->setPalette(palette);
}
