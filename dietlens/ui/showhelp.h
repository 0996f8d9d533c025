#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

// What the desktop can do for the help command. Production asks the desktop's MIME
// associations and opens through it; tests script the answers.
class HelpDesktop
{
public:
    virtual ~HelpDesktop() = default;
    // True when some program is registered to open files of this MIME type.
    virtual bool hasHandlerFor(const QString& mimeType) const = 0;
    // Opens a file with the program associated with it; false when that failed to start.
    virtual bool open(const QUrl& url) = 0;
};

// Looks the type up in the desktop's MIME associations and opens with QDesktopServices.
class SystemHelpDesktop : public HelpDesktop
{
public:
    bool hasHandlerFor(const QString& mimeType) const override;
    bool open(const QUrl& url) override;
};

// True when one of the association files (mimeapps.list, defaults.list, mimeinfo.cache)
// names, for the MIME type, a desktop entry that exists in one of the application folders.
bool MimeTypeHasHandler(const QStringList& listFiles, const QStringList& applicationDirs,
                        const QString& mimeType);

// How the help was shown.
enum class HelpShown {
    Nothing,      // neither help.chm nor the HTML pages are in the program folder
    CompiledHelp, // help.chm handed to the desktop
    HtmlBrowser,  // help/index.html handed to the desktop's web browser
    HtmlWindow,   // help/index.html shown in the program's own help window
};

// Opens the help of the program folder (with trailing "/"): help.chm through the desktop
// when a program reads CHM files; otherwise the HTML pages in help/, in the web browser
// or, when there is none, in a help window owned by `owner`. A missing help shows nothing.
HelpShown ShowHelp(QWidget* owner, const QString& programFolder, HelpDesktop& desktop);

// ShowHelp on QCoreApplication::applicationDirPath() with the system desktop.
HelpShown ShowHelp(QWidget* owner);
