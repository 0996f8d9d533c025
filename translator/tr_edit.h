#pragma once
// The row dialog: a new row for the shown form, or a changed text for a chosen row.
#include "translator/trcommon.h"

#include <QDialog>
#include <QTimer>

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

    // Shows the reference text of the row above the box, and warnings about
    // the typed text against it. Without this call the dialog has neither.
    void ShowReference(const QString& referenceText);
    // Shows where the row's text lands in dietlens and whether it fits there,
    // measured again while the text is typed. Without this call, or for a row
    // dietlens does not show, the dialog has no such part.
    void ShowDietlensFits(DietlensFits fits);
    // Ctrl+Enter: Save, and when it stored the text, ask for the next row to do.
    void saveAndGoToNextRow();
    bool wantsNextRow() const { return m_nextRow; }

private:
    void showWarnings(const QString& text);
    void measureFits();

    TranslatorDocument& m_document;
    Messenger& m_messenger;
    bool m_newRow = true;
    int m_row = -1;
    bool m_nextRow = false;
    QString m_reference;
    DietlensFits m_fits;
    QTimer m_fitTimer;

    QLabel* lbl_info;
    QGroupBox* referenceFrame;
    QLabel* referenceText;
    QLabel* warnings;
    QGroupBox* dietlensFrame;
    QLabel* dietlensFits;
    QLabel* dietlensPicture;
    QGroupBox* Frame_text;
    QLineEdit* txt_newtxt;
    QGroupBox* Frame_preview;
    QLabel* lbl_text;
    QPushButton* cmd_save;
    QPushButton* cmd_annuleer;
};

} // namespace translator
