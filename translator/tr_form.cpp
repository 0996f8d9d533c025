#include "translator/tr_form.h"

#include "lang/messenger.h"
#include "translator/document.h"
#include "translator/trcommon.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace translator {

TR_Form::TR_Form(TranslatorDocument& document, Messenger& messenger, QWidget* parent)
    : QDialog(parent), m_document(document), m_messenger(messenger)
{
    setObjectName(QStringLiteral("TR_Form"));
    setWindowTitle(QStringLiteral("Edit form"));
    lbl_info =
        new QLabel(QStringLiteral("Change the name of the form in the text field below and press save to "
                                  "save the changes. The form name will not appear the program and is for "
                                  "internal use only."),
                   this);
    lbl_info->setObjectName(QStringLiteral("lbl_info"));
    lbl_info->setWordWrap(true);

    Frame_form = new QGroupBox(QStringLiteral("Form name:"), this);
    Frame_form->setObjectName(QStringLiteral("Frame_form"));
    txt_form = new QLineEdit(Frame_form);
    txt_form->setObjectName(QStringLiteral("txt_form"));
    new TypingLimit(txt_form, kMaxFormNameLength);
    (new QVBoxLayout(Frame_form))->addWidget(txt_form);

    const DialogButtons buttons =
        LayOutDialog(this, {lbl_info, Frame_form}, QStringLiteral("cmd_save"), QStringLiteral("Save"), 420);
    cmd_save = buttons.accept;
    cmd_annuleer = buttons.cancel;

    connect(cmd_save, &QPushButton::clicked, this, &TR_Form::cmd_save_Click);
}

void TR_Form::PrepareEditForm(int form)
{
    m_form = form;
    txt_form->setText(m_document.formNames().value(form - 1));
    txt_form->selectAll();
    txt_form->setFocus();
}

bool TR_Form::Edit_form(int form)
{
    PrepareEditForm(form);
    return exec() == QDialog::Accepted;
}

void TR_Form::cmd_save_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #13.0"), [this] {
        const TextCheck check = m_document.RenameForm(m_form, txt_form->text());
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
