#include "translator/tr_replace.h"

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

TR_Replace::TR_Replace(TranslatorDocument& document, Messenger& messenger, QWidget* parent)
    : QDialog(parent), m_document(document), m_messenger(messenger)
{
    setObjectName(QStringLiteral("TR_Replace"));
    setWindowTitle(QStringLiteral("Search and replace"));
    lbl_info = new QLabel(
        QStringLiteral("This search and replace function is case sensitive and will only search "
                       "and replace words in the form that is currently loaded in the right list. "),
        this);
    lbl_info->setObjectName(QStringLiteral("lbl_info"));
    lbl_info->setWordWrap(true);

    Frame_zoek = new QGroupBox(QStringLiteral("Search for:"), this);
    Frame_zoek->setObjectName(QStringLiteral("Frame_zoek"));
    txt_zoek = new QLineEdit(Frame_zoek);
    txt_zoek->setObjectName(QStringLiteral("txt_zoek"));
    (new QVBoxLayout(Frame_zoek))->addWidget(txt_zoek);

    Frame_vervang = new QGroupBox(QStringLiteral("Replace with:"), this);
    Frame_vervang->setObjectName(QStringLiteral("Frame_vervang"));
    txt_vervang = new QLineEdit(Frame_vervang);
    txt_vervang->setObjectName(QStringLiteral("txt_vervang"));
    (new QVBoxLayout(Frame_vervang))->addWidget(txt_vervang);

    const DialogButtons buttons = LayOutDialog(this, {lbl_info, Frame_zoek, Frame_vervang},
                                               QStringLiteral("cmd_replace"), QStringLiteral("Replace"), 420);
    cmd_replace = buttons.accept;
    cmd_annuleer = buttons.cancel;

    connect(cmd_replace, &QPushButton::clicked, this, &TR_Replace::cmd_replace_Click);
}

void TR_Replace::cmd_replace_Click()
{
    RunCommand(m_messenger, QStringLiteral("ERROR CODE #16.0"), [this] {
        const ReplaceResult result = m_document.ReplaceInRows(txt_zoek->text(), txt_vervang->text());
        if (result.check != TextCheck::Ok) {
            m_messenger.message(programTitle(), RefusalText(result.check), MessageIcon::Critical);
            return;
        }
        if (!result.ran)
            return;
        if (result.changedRows > 0)
            Q_EMIT rowsChanged();
        m_messenger.message(programTitle(),
                            QString::number(result.changedRows) + QStringLiteral(" rows are changed."),
                            MessageIcon::Information);
    });
}

} // namespace translator
