#include "appstate.h"
#include "dl_core.h"
#include "qtmessenger.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    AppState state;
    QtMessenger messenger;
    DL_Core window(state, messenger);
    window.show();
    return app.exec();
}
