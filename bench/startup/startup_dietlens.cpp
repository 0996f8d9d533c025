// dietlens as its main() starts it, ending as soon as the event loop is idle
// for the first time with the main window shown.
#include "dietlens/core/appstate.h"
#include "dietlens/ui/dl_core.h"
#include "widgets/qtmessenger.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    AppState state;
    QtMessenger messenger;
    DL_Core window(state, messenger);
    window.Form_Load();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
