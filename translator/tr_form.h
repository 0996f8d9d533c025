#pragma once
// The form-name dialog.
#include <QDialog>

class Messenger;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace translator {

class TranslatorDocument;

class TR_Form : public QDialog
{
    Q_OBJECT
public:
    TR_Form(TranslatorDocument& document, Messenger& messenger, QWidget* parent = nullptr);

    void PrepareEditForm(int form);
    // Prepare and show modally; true when the name was stored.
    bool Edit_form(int form);

    void cmd_save_Click();

private:
    TranslatorDocument& m_document;
    Messenger& m_messenger;
    int m_form = 0;

    QLabel* lbl_info;
    QGroupBox* Frame_form;
    QLineEdit* txt_form;
    QPushButton* cmd_save;
    QPushButton* cmd_annuleer;
};

} // namespace translator
