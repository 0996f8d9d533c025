#include "translator/tr_edit.h"

#include "lang/messenger.h"
#include "translator/document.h"
#include "translator/review.h"
#include "translator/trcommon.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace translator {

TR_Edit::TR_Edit(TranslatorDocument& document, Messenger& messenger, QWidget* parent)
    : QDialog(parent), m_document(document), m_messenger(messenger)
{
    setObjectName(QStringLiteral("TR_Edit"));
    lbl_info =
        new QLabel(QStringLiteral("Enter a new text or change the existing text in the textfield below. "
                                  "Press save to save the changes."),
                   this);
    lbl_info->setObjectName(QStringLiteral("lbl_info"));
    lbl_info->setWordWrap(true);

    // The reference text, read-only, with its blanks drawn: there only while a reference is chosen.
    referenceFrame = new QGroupBox(QStringLiteral("Reference:"), this);
    referenceFrame->setObjectName(QStringLiteral("referenceFrame"));
    referenceText = new QLabel(referenceFrame);
    referenceText->setObjectName(QStringLiteral("referenceText"));
    referenceText->setTextFormat(Qt::PlainText);
    referenceText->setWordWrap(true);
    referenceText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    referenceText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    (new QVBoxLayout(referenceFrame))->addWidget(referenceText);
    referenceFrame->hide();
    warnings = new QLabel(this);
    warnings->setObjectName(QStringLiteral("warnings"));
    warnings->setTextFormat(Qt::PlainText);
    warnings->setWordWrap(true);
    warnings->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    warnings->hide();

    // Where the text lands in dietlens: only for a row dietlens shows.
    dietlensFrame = new QGroupBox(QStringLiteral("In dietlens:"), this);
    dietlensFrame->setObjectName(QStringLiteral("dietlensFrame"));
    dietlensFits = new QLabel(dietlensFrame);
    dietlensFits->setObjectName(QStringLiteral("dietlensFits"));
    dietlensFits->setTextFormat(Qt::PlainText);
    dietlensFits->setWordWrap(true);
    dietlensFits->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    dietlensFits->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    dietlensFits->setAccessibleName(QStringLiteral("Where the text shows in dietlens"));
    dietlensPicture = new QLabel(dietlensFrame);
    dietlensPicture->setObjectName(QStringLiteral("dietlensPicture"));
    dietlensPicture->setAlignment(Qt::AlignCenter);
    dietlensPicture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* fitLayout = new QVBoxLayout(dietlensFrame);
    fitLayout->addWidget(dietlensFits);
    fitLayout->addWidget(dietlensPicture);
    dietlensFrame->hide();
    m_fitTimer.setSingleShot(true);
    m_fitTimer.setInterval(250);
    connect(&m_fitTimer, &QTimer::timeout, this, &TR_Edit::measureFits);

    Frame_text = new QGroupBox(QStringLiteral("Text:"), this);
    Frame_text->setObjectName(QStringLiteral("Frame_text"));
    txt_newtxt = new QLineEdit(Frame_text);
    txt_newtxt->setObjectName(QStringLiteral("txt_newtxt"));
    new TypingLimit(txt_newtxt, kMaxRowLength);
    (new QVBoxLayout(Frame_text))->addWidget(txt_newtxt);

    Frame_preview = new QGroupBox(QStringLiteral("Preview: "), this);
    Frame_preview->setObjectName(QStringLiteral("Frame_preview"));
    lbl_text = new QLabel(Frame_preview);
    lbl_text->setObjectName(QStringLiteral("lbl_text"));
    lbl_text->setTextFormat(Qt::PlainText);
    lbl_text->setWordWrap(true);
    // A long text without blanks must not stretch the dialog past the screen.
    lbl_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lbl_text->setMinimumHeight(lbl_text->fontMetrics().height() * 3);
    lbl_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    (new QVBoxLayout(Frame_preview))->addWidget(lbl_text);

    const DialogButtons buttons =
        LayOutDialog(this, {lbl_info, referenceFrame, Frame_text, Frame_preview, warnings, dietlensFrame},
                     QStringLiteral("cmd_save"), QStringLiteral("Save"), 460);
    cmd_save = buttons.accept;
    cmd_annuleer = buttons.cancel;

    connect(txt_newtxt, &QLineEdit::textChanged, lbl_text, &QLabel::setText);
    connect(cmd_save, &QPushButton::clicked, this, &TR_Edit::cmd_save_Click);

    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* next = new QShortcut(keys, this);
        connect(next, &QShortcut::activated, this, &TR_Edit::saveAndGoToNextRow);
    }
    cmd_save->setToolTip(QStringLiteral("Save (Enter); save and edit the next row to do (Ctrl+Enter)"));
}

void TR_Edit::ShowReference(const QString& reference)
{
    m_reference = reference;
    referenceText->setText(reference.isEmpty() ? QStringLiteral("(not in the reference)")
                                               : WithVisibleBlanks(reference));
    referenceText->setAccessibleName(QStringLiteral("Reference text"));
    referenceFrame->show();
    connect(txt_newtxt, &QLineEdit::textChanged, this, &TR_Edit::showWarnings, Qt::UniqueConnection);
    showWarnings(txt_newtxt->text());
}

void TR_Edit::showWarnings(const QString& text)
{
    QStringList lines;
    if (text != m_reference) {
        for (const RowProblem& problem : TextProblems(text, m_reference))
            lines << QStringLiteral("\u26A0 ") + problem.message;
    }
    warnings->setText(lines.join(QLatin1Char('\n')));
    warnings->setVisible(!lines.isEmpty());
}

void TR_Edit::ShowDietlensFits(DietlensFits fits)
{
    m_fits = std::move(fits);
    connect(txt_newtxt, &QLineEdit::textChanged, &m_fitTimer, qOverload<>(&QTimer::start),
            Qt::UniqueConnection);
}

void TR_Edit::measureFits()
{
    const int form = m_document.currentForm();
    const int index = m_newRow ? int(m_document.rows().size()) : m_document.rowTableIndex(m_row);
    DietlensPlaces places;
    if (m_fits && form > 0 && index >= 0) {
        LanguageTables tables = m_document.tables();
        tables.set(form, index, txt_newtxt->text());
        places = m_fits(tables, form, index);
    }
    dietlensFits->setText(places.lines.join(QLatin1Char('\n')));
    // The window as dietlens will draw it, the place outlined, no wider than the dialog's boxes.
    constexpr int kPictureWidth = 400;
    QPixmap picture = QPixmap::fromImage(places.picture);
    if (!picture.isNull() && picture.deviceIndependentSize().width() > kPictureWidth)
        picture =
            picture.scaledToWidth(int(kPictureWidth * picture.devicePixelRatio()), Qt::SmoothTransformation);
    dietlensPicture->setPixmap(picture);
    dietlensPicture->setFixedHeight(picture.isNull() ? 0 : int(picture.deviceIndependentSize().height()));
    dietlensPicture->setVisible(!picture.isNull());
    dietlensPicture->setAccessibleName(QStringLiteral("dietlens's window with the place outlined"));
    const bool grew = dietlensFrame->isHidden() && !places.lines.isEmpty();
    dietlensFrame->setVisible(!places.lines.isEmpty());
    if (grew && isVisible())
        adjustSize();
}

void TR_Edit::saveAndGoToNextRow()
{
    m_nextRow = true;
    cmd_save_Click();
    if (result() != QDialog::Accepted)
        m_nextRow = false;
}

void TR_Edit::PrepareNewRow()
{
    setWindowTitle(QStringLiteral("New text"));
    m_newRow = true;
    m_row = -1;
    txt_newtxt->clear();
    txt_newtxt->setFocus();
    measureFits();
}

void TR_Edit::PrepareEditRow(int row)
{
    setWindowTitle(QStringLiteral("Edit text"));
    m_newRow = false;
    m_row = row;
    txt_newtxt->setText(m_document.rows().value(row));
    txt_newtxt->selectAll();
    txt_newtxt->setFocus();
    measureFits();
}

bool TR_Edit::New_Row()
{
    PrepareNewRow();
    return exec() == QDialog::Accepted;
}

bool TR_Edit::Edit_Row(int row)
{
    PrepareEditRow(row);
    return exec() == QDialog::Accepted;
}

void TR_Edit::cmd_save_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #11.0"), [this] {
        const QString text = txt_newtxt->text();
        const TextCheck check = m_newRow ? m_document.AddRow(text) : m_document.EditRow(m_row, text);
        if (check == TextCheck::Ok) {
            accept();
            return;
        }
        if (check == TextCheck::NoRow) {
            reject();
            return;
        }
        m_messenger.message(programTitle(), RefusalText(check), MessageIcon::Critical);
    });
}

} // namespace translator
