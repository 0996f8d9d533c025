// dietlens as its main() starts it, ending as soon as the event loop is idle
// for the first time with the main window shown.
#include "appstate.h"
#include "dl_core.h"
#include "qtmessenger.h"

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
