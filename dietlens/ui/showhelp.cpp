#include "showhelp.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QProcess>
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

bool SystemHelpDesktop::hasHandlerFor(const QString& mimeType) const
{
    const QString xdgMime = QStandardPaths::findExecutable(u"xdg-mime"_s);
    if (xdgMime.isEmpty())
        return false;
    QProcess query;
    query.start(xdgMime, {u"query"_s, u"default"_s, mimeType});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
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
