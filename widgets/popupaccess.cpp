#include "widgets/popupaccess.h"

#include <QAccessibleObject>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

// A shown pop-up menu that hangs below no menu bar or menu.
bool isFreeStandingMenu(const QWidget* widget)
{
    const auto* menu = qobject_cast<const QMenu*>(widget);
    if (!menu || !menu->isVisible() || !menu->isWindow())
        return false;
    for (const QObject* owner : menu->menuAction()->associatedObjects()) {
        if (owner != menu && (qobject_cast<const QMenu*>(owner) || qobject_cast<const QMenuBar*>(owner)))
            return false;
    }
    return true;
}

QList<QWidget*> openMenus()
{
    QList<QWidget*> menus;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (isFreeStandingMenu(widget))
            menus.append(widget);
    }
    return menus;
}

class ApplicationWithOpenMenus : public QAccessibleApplication
{
public:
    int childCount() const override { return QAccessibleApplication::childCount() + int(openMenus().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows)
            return QAccessibleApplication::child(index);
        const QList<QWidget*> menus = openMenus();
        return index - windows < menus.size()
                   ? QAccessible::queryAccessibleInterface(menus.at(index - windows))
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int index = QAccessibleApplication::indexOfChild(child);
        if (index >= 0 || !child)
            return index;
        const qsizetype menu = openMenus().indexOf(qobject_cast<QWidget*>(child->object()));
        return menu < 0 ? -1 : QAccessibleApplication::childCount() + int(menu);
    }
};

QAccessibleInterface* applicationInterface(const QString& className, QObject* object)
{
    if (object == qApp && className == QLatin1String("QApplication"))
        return new ApplicationWithOpenMenus;
    return nullptr;
}

} // namespace

void ListOpenPopupMenus()
{
    QAccessible::installFactory(applicationInterface);
    // The application's object may have been made already, when the accessibility bridge
    // started with the application: replace it, and tell the bridge.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(qApp);
        made && !dynamic_cast<ApplicationWithOpenMenus*>(made)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        QAccessible::setRootObject(qApp);
    }
}

void OpenLikeAWindow(QMenu* menu)
{
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        // After the menu is shown and has set itself up, which clears the choice.
        QTimer::singleShot(0, menu, [menu] {
            if (!menu->isVisible())
                return;
            // A screen reader learns of the application's new child, as of a new window.
            QAccessibleEvent opened(menu, QAccessible::ObjectCreated);
            QAccessible::updateAccessibility(&opened);
            for (QAction* action : menu->actions()) {
                if (action->isVisible() && action->isEnabled() && !action->isSeparator()) {
                    menu->setActiveAction(action);
                    break;
                }
            }
        });
    });
    QObject::connect(menu, &QMenu::aboutToHide, menu, [menu] {
        QAccessibleEvent closed(menu, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&closed);
    });
}
