#pragma once
// Search and replace within the rows of the shown form.
#include <QDialog>

class Messenger;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace translator {

class TranslatorDocument;

class TR_Replace : public QDialog
{
    Q_OBJECT
public:
    TR_Replace(TranslatorDocument& document, Messenger& messenger, QWidget* parent = nullptr);

    void cmd_replace_Click();

Q_SIGNALS:
    // Rows were changed; the dialog stays open for more.
    void rowsChanged();

private:
    TranslatorDocument& m_document;
    Messenger& m_messenger;

    QLabel* lbl_info;
    QGroupBox* Frame_zoek;
    QLineEdit* txt_zoek;
    QGroupBox* Frame_vervang;
    QLineEdit* txt_vervang;
    QPushButton* cmd_replace;
    QPushButton* cmd_annuleer;
};

} // namespace translator
