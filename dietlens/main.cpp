#include "appstate.h"
#include "defaultlanguages.h"
#include "dl_core.h"
#include "qtmessenger.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Closing the main window sends it to the tray; only Exit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    AppState state;
    CreateEnglishLanguage(state.lang, state);
    QtMessenger messenger;
    DL_Core window(state, messenger);
    window.show();
    window.FinishStartUp();
    return app.exec();
}
