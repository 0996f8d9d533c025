// A bare Qt Widgets main window with a menu bar and a status bar, started
// and ended like bench_startup_dietlens: the yardstick for its start-up.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")));
    window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
    window.resize(480, 360);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
