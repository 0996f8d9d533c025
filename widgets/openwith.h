#pragma once
// Opens a document or web address with the program the desktop associates
// with it; when no program takes it, a small chooser lets the user pick one.
// Both programs use it for their web-site commands and generated files.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

// The three ways OpenDialog reaches the desktop, replaceable in tests.
struct OpenWithLauncher
{
    // Hands the address to the desktop's handler; false when none takes it.
    std::function<bool(const QUrl& url)> openUrl;
    // Asks the user for a program; returns its command line, "" when cancelled.
    std::function<QString(const QString& target, QWidget* parent)> chooseProgram;
    // Starts a program without waiting for it; false when it cannot start.
    std::function<bool(const QString& program, const QStringList& arguments)> startProgram;

    static OpenWithLauncher desktop();
};

// Opens fileOrUrl (a full path or an address with a scheme). When the
// desktop has no program for it, shows the chooser and starts the chosen
// program with it. Nothing is shown on failure; returns whether a program
// was started.
bool OpenDialog(const QString& fileOrUrl, const OpenWithLauncher& launcher = OpenWithLauncher::desktop(),
                QWidget* parent = nullptr);

// A path becomes a file URL; a text with a scheme ("http:", "mailto:") stays an address.
QUrl OpenTargetUrl(const QString& fileOrUrl);

// The argument list to start a program with the target: the command is
// split like a shell would, the desktop-entry field codes %f %F %u %U are
// replaced by the target (and the others dropped); without a field code the
// target is appended. Empty when the command is empty.
QStringList OpenWithCommandLine(const QString& command, const QString& target);

// One program the chooser offers.
struct OpenWithProgram
{
    QString name;
    QString command;          // the desktop entry's Exec line
    bool handlesType = false; // the entry declares the target's type (or a type it derives from)
};

// The type the desktop files a target under: "x-scheme-handler/http" for a
// web address, the file's MIME type for a path.
QString OpenTargetType(const QString& fileOrUrl);

// Desktop entries of installed programs; those that handle mimeType come
// first, each part sorted by name. For a web address (an "x-scheme-handler/"
// type) dietlens and translator themselves are left out: neither opens one.
QList<OpenWithProgram> OpenWithPrograms(const QString& mimeType);

// Whether the desktop has a program registered for the type: an installed
// entry that handles it, a default set for it (xdg-mime), or for web pages a
// browser named by $BROWSER or the system's x-www-browser. The desktop's
// opener is started even when nothing is registered and then opens nothing,
// so without a program the chooser is shown instead.
bool DesktopHasHandler(const QString& mimeType);

class OpenWithChooser : public QDialog
{
    Q_OBJECT
public:
    OpenWithChooser(const QString& target, const QList<OpenWithProgram>& programs, QWidget* parent = nullptr);

    // The command line typed or picked. The first program is picked in
    // advance only when it handles the target's type; otherwise nothing is.
    QString command() const;

private:
    void lst_programs_Changed();

    QListWidget* m_list;
    QLineEdit* m_command;
    QPushButton* m_ok;
    QList<OpenWithProgram> m_programs;
};
