#include "widgets/qtmessenger.h"

#include "widgets/screenplacement.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>

QtMessenger::QtMessenger(ParentProvider parent) : m_parent(std::move(parent)) {}

QWidget* QtMessenger::parentWidget() const
{
    if (m_parent) {
        if (QWidget* w = m_parent())
            return w;
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void SetUpMessageBox(QMessageBox& box, const QString& title, const QString& text, MessageIcon icon,
                     MessageButtons buttons)
{
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MessageIcon::NoIcon:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // Title bars usually show the title in bold, between the window's own
    // icon and its buttons; leave room for about eight line heights of those.
    // The box sizes itself from its layout, so the room is a spacer there.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int titleWidth = metrics.horizontalAdvance(title) + 8 * metrics.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

MessageAnswer QtMessenger::message(const QString& title, const QString& text, MessageIcon icon,
                                   MessageButtons buttons)
{
    QMessageBox box(parentWidget());
    SetUpMessageBox(box, title, text, icon, buttons);
    // A topmost dialog must not hide its own message boxes.
    if (box.parentWidget() && (box.parentWidget()->windowFlags() & Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    KeepOnScreen(&box);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        break;
    }
    // Closing the box without a button: Ok for an Ok box, otherwise the
    // answer that changes nothing.
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

namespace {

// What QFileDialog's getSaveFileName and getOpenFileName do (the desktop's own dialog where it
// has one; asking before a file is replaced), with the dialog kept where a screen reader is
// told it stands.
QString chosenFile(QWidget* parent, const QString& title, const QString& start, const QString& filter,
                   QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title, start, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    KeepOnScreen(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString QtMessenger::saveFileName(const FileDialogRequest& request)
{
    QString start = request.startFolder;
    if (!request.defaultName.isEmpty())
        start = start.isEmpty() ? request.defaultName : start + QLatin1Char('/') + request.defaultName;
    return chosenFile(parentWidget(), request.title, start, request.filter, QFileDialog::AcceptSave);
}

QString QtMessenger::openFileName(const FileDialogRequest& request)
{
    return chosenFile(parentWidget(), request.title, request.startFolder, request.filter,
                      QFileDialog::AcceptOpen);
}
