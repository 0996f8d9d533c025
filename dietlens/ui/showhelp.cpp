#include "dietlens/ui/showhelp.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// MIME types under which desktops register CHM viewers (the second is the older alias).
const QStringList chmTypes{u"application/vnd.ms-htmlhelp"_s, u"application/x-chm"_s};

// Window that shows the HTML help when the desktop has no program for it. One per owner;
// F1 again brings it to the front.
QDialog* helpWindowOf(QWidget* owner)
{
    if (owner) {
        const auto existing = owner->findChildren<QDialog*>(u"HelpWindow"_s, Qt::FindDirectChildrenOnly);
        if (!existing.isEmpty())
            return existing.first();
    }
    auto* window = new QDialog(owner, Qt::Window);
    window->setObjectName(u"HelpWindow"_s);
    if (!owner)
        window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(720, 560);
    auto* browser = new QTextBrowser(window);
    browser->setObjectName(u"HelpBrowser"_s);
    browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    QObject::connect(browser, &QTextBrowser::sourceChanged, window,
                     [window, browser] { window->setWindowTitle(browser->documentTitle()); });
    return window;
}

void showHtmlWindow(QWidget* owner, const QString& indexPath)
{
    QDialog* window = helpWindowOf(owner);
    auto* browser = window->findChild<QTextBrowser*>(u"HelpBrowser"_s);
    browser->setSource(QUrl::fromLocalFile(indexPath));
    window->setWindowTitle(browser->documentTitle());
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

bool MimeTypeHasHandler(const QStringList& listFiles, const QStringList& applicationDirs,
                        const QString& mimeType)
{
    const QString key = mimeType + u'=';
    for (const QString& path : listFiles) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        bool inAssociations = false;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine(64 * 1024)).trimmed();
            if (line.startsWith(u'[')) {
                inAssociations = line == u"[Default Applications]"_s || line == u"[Added Associations]"_s ||
                                 line == u"[MIME Cache]"_s;
                continue;
            }
            if (!inAssociations || !line.startsWith(key))
                continue;
            // A listed program counts only when its desktop entry is still installed.
            const QStringList entries = line.mid(key.size()).split(u';', Qt::SkipEmptyParts);
            for (const QString& entry : entries) {
                for (const QString& dir : applicationDirs) {
                    if (QFileInfo::exists(dir + u'/' + entry))
                        return true;
                }
            }
        }
    }
    return false;
}

bool SystemHelpDesktop::hasHandlerFor(const QString& mimeType) const
{
    // The desktop's MIME associations: mimeapps.list in the configuration folders, and
    // mimeapps.list, defaults.list and the mimeinfo.cache of the installed programs in the
    // application folders. Read directly: asking xdg-mime takes a second per type.
    const QStringList applicationDirs =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    QStringList listFiles;
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        listFiles << dir + u"/mimeapps.list"_s;
    for (const QString& dir : applicationDirs)
        listFiles << dir + u"/mimeapps.list"_s << dir + u"/defaults.list"_s << dir + u"/mimeinfo.cache"_s;
    return MimeTypeHasHandler(listFiles, applicationDirs, mimeType);
}

bool SystemHelpDesktop::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

HelpShown ShowHelp(QWidget* owner, const QString& programFolder, HelpDesktop& desktop)
{
    const QString chmPath = programFolder + u"help.chm"_s;
    const QString indexPath = programFolder + u"help/index.html"_s;
    const bool haveChm = QFileInfo(chmPath).isFile();
    const bool haveHtml = QFileInfo(indexPath).isFile();

    if (haveChm) {
        const bool chmViewer = std::any_of(chmTypes.begin(), chmTypes.end(),
                                           [&](const QString& type) { return desktop.hasHandlerFor(type); });
        // Without the HTML pages the desktop gets the CHM file whatever it makes of it.
        if ((chmViewer || !haveHtml) && desktop.open(QUrl::fromLocalFile(chmPath)))
            return HelpShown::CompiledHelp;
    }
    if (!haveHtml)
        return HelpShown::Nothing;
    if (desktop.hasHandlerFor(u"text/html"_s) && desktop.open(QUrl::fromLocalFile(indexPath)))
        return HelpShown::HtmlBrowser;
    showHtmlWindow(owner, indexPath);
    return HelpShown::HtmlWindow;
}

HelpShown ShowHelp(QWidget* owner)
{
    SystemHelpDesktop desktop;
    return ShowHelp(owner, QCoreApplication::applicationDirPath() + u"/"_s, desktop);
}
