#include "translator/fitcheck.h"
#include "translator/tr_core.h"
#include "widgets/programicon.h"
#include "widgets/qtmessenger.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // translator --check FILE.lsf measures the file's texts on dietlens's
    // windows, never shown: on the desktop's screen when there is one, else
    // offscreen.
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (check && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (check) // the offscreen windows' remarks are no part of the report
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type != QtDebugMsg && type != QtWarningMsg && type != QtInfoMsg)
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
    QApplication app(argc, argv);
    if (check) {
        QTextStream out(stdout);
        return CheckTextsFit(QString::fromLocal8Bit(argv[2]), out);
    }
    QApplication::setApplicationName(QStringLiteral("translator"));
    QApplication::setApplicationVersion(translator::versionText());
    QApplication::setWindowIcon(ProgramIcon(QStringLiteral("translator")));
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.quelmar.dietlens.translator"));

    QtMessenger messenger;
    translator::TranslatorSettings settings;
    settings.documentsFolder = translator::GetSpecialFolder(messenger);
    if (const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        !config.isEmpty())
        settings.notesFile = config + QStringLiteral("/Quelmar/translator-notes.json");
    settings.siteEn = QStringLiteral(TRANSLATOR_SITE_EN);
    settings.siteNl = QStringLiteral(TRANSLATOR_SITE_NL);
    settings.developerSwitch = QStringLiteral(TRANSLATOR_DEVELOPER_SWITCH_VALUE);
    settings.dietlensFits = DietlensFitsOf;
    settings.dietlensCuts = DietlensCutsOf;

    translator::TR_Core window(settings, messenger);
    window.show();
    return app.exec();
}
