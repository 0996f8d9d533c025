#include "translator/tr_core.h"
#include "widgets/programicon.h"
#include "widgets/qtmessenger.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
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

    translator::TR_Core window(settings, messenger);
    window.show();
    return app.exec();
}
