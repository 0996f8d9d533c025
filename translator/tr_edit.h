#pragma once
// The row dialog: a new row for the shown form, or a changed text for a chosen row.
#include <QDialog>

class Messenger;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace translator {

class TranslatorDocument;

class TR_Edit : public QDialog
{
    Q_OBJECT
public:
    TR_Edit(TranslatorDocument& document, Messenger& messenger, QWidget* parent = nullptr);

    // Prepare the dialog; exec() shows it. The document changes only on Save.
    void PrepareNewRow();
    void PrepareEditRow(int row);
    // Prepare and show modally; true when a row was stored.
    bool New_Row();
    bool Edit_Row(int row);

    void cmd_save_Click();

private:
    TranslatorDocument& m_document;
    Messenger& m_messenger;
    bool m_newRow = true;
    int m_row = -1;

    QLabel* lbl_info;
    QGroupBox* Frame_text;
    QLineEdit* txt_newtxt;
    QGroupBox* Frame_preview;
    QLabel* lbl_text;
    QPushButton* cmd_save;
    QPushButton* cmd_annuleer;
};

} // namespace translator
