#include "dietlens/core/appstate.h"
#include "dietlens/ui/dl_core.h"
#include "widgets/openwith.h"
#include "widgets/popupaccess.h"
#include "widgets/programicon.h"
#include "widgets/qtmessenger.h"

#include <QApplication>
#include <QPointer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ListOpenPopupMenus(); // the tray menu, for screen readers
    // Closing the main window sends it to the tray; only Exit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon(QStringLiteral("dietlens")));
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.quelmar.dietlens"));
    AppState state;
    // Message boxes open over the dialog in front, else over the main window.
    QPointer<QWidget> mainWindow;
    QtMessenger messenger([&]() -> QWidget* {
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal;
        return mainWindow.data();
    });
    DL_Core window(state, messenger);
    mainWindow = &window;
    // Exit ends the program at once; a web address opens with the desktop
    // (failures are silent).
    QObject::connect(&window, &DL_Core::programEndRequested, &app, [] { QCoreApplication::exit(0); });
    QObject::connect(&window, &DL_Core::documentRequested, &window, [&window](const QString& address) {
        OpenDialog(address, OpenWithLauncher::desktop(), &window);
    });
    window.Form_Load();
    return app.exec();
}
