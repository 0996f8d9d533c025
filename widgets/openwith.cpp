#include "widgets/openwith.h"

#include "widgets/screenplacement.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace {

bool hasScheme(const QString& text)
{
    // Two letters at least, so that a drive-like "c:" or a relative path never counts.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch();
}

const QString kSchemeHandler = QStringLiteral("x-scheme-handler/");

// The type and the types it derives from (text/x-csrc is also text/plain).
QStringList typeAndAncestors(const QString& mimeType)
{
    QStringList types{mimeType};
    if (!mimeType.startsWith(kSchemeHandler)) {
        const QMimeType type = QMimeDatabase().mimeTypeForName(mimeType);
        if (type.isValid()) {
            types << type.aliases() << type.allAncestors();
            types.removeAll(QStringLiteral("application/octet-stream")); // every file is one
        }
    }
    return types;
}

// dietlens or translator itself (by the program its entry starts).
bool isOwnProgram(const OpenWithProgram& program)
{
    const QStringList parts = QProcess::splitCommand(program.command);
    if (parts.isEmpty())
        return false;
    const QString name = QFileInfo(parts.first()).fileName();
    return name == QLatin1String("dietlens") || name == QLatin1String("translator") ||
           name == QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

// A short run of a helper program; its first line of output, "" when it
// cannot run or says nothing.
QString firstLineOf(const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return {};
    QProcess process;
    process.start(path, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(2000)) {
        process.kill();
        process.waitForFinished(500);
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed();
}

// Reads the few keys of a desktop entry the chooser needs.
bool readDesktopEntry(const QString& path, OpenWithProgram& program, QStringList& mimeTypes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    bool inEntry = false;
    QString type;
    bool hidden = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine(64 * 1024)).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("Name"))
            program.name = value;
        else if (key == QLatin1String("Exec"))
            program.command = value;
        else if (key == QLatin1String("Type"))
            type = value;
        else if (key == QLatin1String("MimeType"))
            mimeTypes = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        else if ((key == QLatin1String("NoDisplay") || key == QLatin1String("Hidden")) &&
                 value == QLatin1String("true"))
            hidden = true;
    }
    return type == QLatin1String("Application") && !hidden && !program.name.isEmpty() &&
           !program.command.isEmpty();
}

} // namespace

OpenWithLauncher OpenWithLauncher::desktop()
{
    OpenWithLauncher l;
    l.openUrl = [](const QUrl& url) {
        const QString target = url.isLocalFile() ? url.toLocalFile() : url.toString();
        return DesktopHasHandler(OpenTargetType(target)) && QDesktopServices::openUrl(url);
    };
    l.chooseProgram = [](const QString& target, QWidget* parent) {
        OpenWithChooser chooser(target, OpenWithPrograms(OpenTargetType(target)), parent);
        return chooser.exec() == QDialog::Accepted ? chooser.command() : QString();
    };
    l.startProgram = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    return l;
}

QUrl OpenTargetUrl(const QString& fileOrUrl)
{
    if (hasScheme(fileOrUrl))
        return QUrl(fileOrUrl, QUrl::TolerantMode);
    return QUrl::fromLocalFile(QFileInfo(fileOrUrl).absoluteFilePath());
}

QString OpenTargetType(const QString& fileOrUrl)
{
    const QUrl url = OpenTargetUrl(fileOrUrl);
    if (!url.isLocalFile())
        return kSchemeHandler + url.scheme().toLower();
    return QMimeDatabase().mimeTypeForFile(url.toLocalFile()).name();
}

QStringList OpenWithCommandLine(const QString& command, const QString& target)
{
    const QStringList parts = QProcess::splitCommand(command);
    if (parts.isEmpty())
        return {};
    QStringList out;
    bool placed = false;
    for (const QString& part : parts) {
        if (part == QLatin1String("%f") || part == QLatin1String("%F") || part == QLatin1String("%u") ||
            part == QLatin1String("%U")) {
            out << target;
            placed = true;
            continue;
        }
        // Other field codes (%i, %c, %k and the deprecated ones) carry nothing here.
        if (part.size() == 2 && part.startsWith(QLatin1Char('%')))
            continue;
        QString arg = part;
        arg.replace(QLatin1String("%%"), QLatin1String("%"));
        out << arg;
    }
    if (!placed)
        out << target;
    return out;
}

QList<OpenWithProgram> OpenWithPrograms(const QString& mimeType)
{
    QList<OpenWithProgram> matching;
    QList<OpenWithProgram> others;
    QStringList seen;
    const QStringList handled = typeAndAncestors(mimeType);
    const bool webAddress = mimeType.startsWith(kSchemeHandler);
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& folder : folders) {
        const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.desktop")},
                                                               QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& info : files) {
            if (seen.contains(info.fileName()))
                continue; // the first folder wins, as on the desktop
            seen << info.fileName();
            OpenWithProgram program;
            QStringList types;
            if (!readDesktopEntry(info.filePath(), program, types))
                continue;
            if (webAddress && isOwnProgram(program))
                continue;
            program.handlesType = std::any_of(types.cbegin(), types.cend(),
                                              [&](const QString& t) { return handled.contains(t); });
            (program.handlesType ? matching : others) << program;
        }
    }
    const auto byName = [](const OpenWithProgram& a, const OpenWithProgram& b) {
        return a.name.localeAwareCompare(b.name) < 0;
    };
    std::sort(matching.begin(), matching.end(), byName);
    std::sort(others.begin(), others.end(), byName);
    return matching + others;
}

bool DesktopHasHandler(const QString& mimeType)
{
    const QList<OpenWithProgram> programs = OpenWithPrograms(mimeType);
    if (!programs.isEmpty() && programs.first().handlesType)
        return true;
    if (!firstLineOf(QStringLiteral("xdg-mime"),
                     {QStringLiteral("query"), QStringLiteral("default"), mimeType})
             .isEmpty())
        return true;
    if (mimeType == QLatin1String("x-scheme-handler/http") ||
        mimeType == QLatin1String("x-scheme-handler/https")) {
        if (!qEnvironmentVariableIsEmpty("BROWSER"))
            return true;
        return !QStandardPaths::findExecutable(QStringLiteral("x-www-browser")).isEmpty();
    }
    return false;
}

bool OpenDialog(const QString& fileOrUrl, const OpenWithLauncher& launcher, QWidget* parent)
{
    if (fileOrUrl.trimmed().isEmpty())
        return false;
    if (launcher.openUrl && launcher.openUrl(OpenTargetUrl(fileOrUrl)))
        return true;
    if (!launcher.chooseProgram || !launcher.startProgram)
        return false;
    const QString target = hasScheme(fileOrUrl) ? fileOrUrl : QFileInfo(fileOrUrl).absoluteFilePath();
    const QStringList commandLine = OpenWithCommandLine(launcher.chooseProgram(target, parent), target);
    if (commandLine.isEmpty())
        return false;
    return launcher.startProgram(commandLine.first(), commandLine.mid(1));
}

OpenWithChooser::OpenWithChooser(const QString& target, const QList<OpenWithProgram>& programs,
                                 QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this)), m_command(new QLineEdit(this)), m_programs(programs)
{
    setObjectName(QStringLiteral("OpenWithChooser"));
    setWindowTitle(QStringLiteral("Open with"));
    auto* info = new QLabel(target.contains(QLatin1String("://"))
                                ? QStringLiteral("Choose the program to open this address with:")
                                : QStringLiteral("Choose the program to open this file with:"),
                            this);
    auto* name = new QLabel(target, this);
    name->setObjectName(QStringLiteral("lbl_target"));
    name->setTextFormat(Qt::PlainText);
    name->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("lst_programs"));
    for (const OpenWithProgram& p : m_programs)
        m_list->addItem(p.name);
    info->setBuddy(m_list);
    m_list->setAccessibleName(info->text()); // a list's name does not come from its buddy
    auto* commandLabel = new QLabel(QStringLiteral("&Command:"), this);
    commandLabel->setBuddy(m_command);
    m_command->setObjectName(QStringLiteral("txt_program"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("cmd_ok"));
    m_ok->setEnabled(false);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmd_annuleer"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(name);
    layout->addWidget(m_list, 1);
    layout->addWidget(commandLabel);
    layout->addWidget(m_command);
    layout->addWidget(buttons);

    // A program is taken when it is selected, by the user or below; the
    // keyboard entering the list only marks a row and takes nothing.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &OpenWithChooser::lst_programs_Changed);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(m_command, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(!text.trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(420, 380);
    if (!m_programs.isEmpty() && m_programs.first().handlesType)
        m_list->setCurrentRow(0);
    m_list->setFocus();
    KeepOnScreen(this);
}

QString OpenWithChooser::command() const
{
    return m_command->text().trimmed();
}

void OpenWithChooser::lst_programs_Changed()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    const int row = selected.isEmpty() ? -1 : m_list->row(selected.first());
    if (row >= 0 && row < m_programs.size())
        m_command->setText(m_programs.at(row).command);
}
