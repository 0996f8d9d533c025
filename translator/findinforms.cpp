#include "translator/findinforms.h"

#include "translator/document.h"

#include "widgets/screenplacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace translator {

namespace {
constexpr int kMaxHitsShown = 500;
}

FindInFormsDialog::FindInFormsDialog(const TranslatorDocument& document, const LanguageTables* reference,
                                     QWidget* parent)
    : QDialog(parent), m_document(document), m_reference(reference)
{
    setObjectName(QStringLiteral("findInForms"));
    setWindowTitle(QStringLiteral("Find in all forms"));
    auto* label = new QLabel(reference ? QStringLiteral("&Find in the texts and the reference texts:")
                                       : QStringLiteral("&Find in the texts:"),
                             this);
    m_term = new QLineEdit(this);
    m_term->setObjectName(QStringLiteral("findTerm"));
    label->setBuddy(m_term);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("findCount"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("findHits"));
    m_list->setAccessibleName(QStringLiteral("Rows found"));
    auto* go = new QPushButton(QStringLiteral("Show the row"), this);
    go->setObjectName(QStringLiteral("showFoundRow"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeFind"));
    close->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(go);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_term);
    layout->addWidget(m_count);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(560, 420);
    KeepOnScreen(this);

    connect(m_term, &QLineEdit::textChanged, this, &FindInFormsDialog::search);
    connect(m_list, &QListWidget::itemActivated, this, &FindInFormsDialog::choose);
    connect(go, &QPushButton::clicked, this, &FindInFormsDialog::choose);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // Enter (the default button) shows the highlighted hit, the first one unless another was chosen.
    search(QString());
}

void FindInFormsDialog::search(const QString& term)
{
    m_hits = FindInAllForms(m_document, m_reference, term);
    m_list->clear();
    for (const FoundRow& hit : m_hits) {
        if (m_list->count() == kMaxHitsShown)
            break;
        QString line = QStringLiteral("%1 (form %2), row %3: %4")
                           .arg(m_document.formNames().value(hit.form - 1).trimmed())
                           .arg(hit.form)
                           .arg(hit.index)
                           .arg(hit.text);
        if (hit.inReference)
            line += QStringLiteral("    (reference: %1)").arg(hit.referenceText);
        auto* item = new QListWidgetItem(line, m_list);
        item->setToolTip(line);
    }
    if (term.trimmed().isEmpty())
        m_count->setText(QString());
    else if (m_hits.size() > size_t(kMaxHitsShown))
        m_count->setText(
            QStringLiteral("%1 rows found; the first %2 are listed.").arg(m_hits.size()).arg(kMaxHitsShown));
    else
        m_count->setText(m_hits.size() == 1 ? QStringLiteral("1 row found.")
                                            : QStringLiteral("%1 rows found.").arg(m_hits.size()));
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void FindInFormsDialog::choose()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= int(m_hits.size()))
        return;
    m_chosen = &m_hits[size_t(row)];
    accept();
}

} // namespace translator
