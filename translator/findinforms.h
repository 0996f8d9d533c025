#pragma once
// Find in all forms: every row of the document, and of the reference when
// one is chosen, that holds the typed words. Read-only; choosing a hit shows
// its form and row in the main window.
#include "translator/review.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QListWidget;
class QLabel;

namespace translator {

class TranslatorDocument;

class FindInFormsDialog : public QDialog
{
    Q_OBJECT
public:
    FindInFormsDialog(const TranslatorDocument& document, const LanguageTables* reference,
                      QWidget* parent = nullptr);

    void search(const QString& term);
    // The hit chosen with Enter or a double click, when the dialog was accepted.
    const FoundRow* chosen() const { return m_chosen; }

private:
    void choose();

    const TranslatorDocument& m_document;
    const LanguageTables* m_reference;
    std::vector<FoundRow> m_hits;
    const FoundRow* m_chosen = nullptr;
    QLineEdit* m_term;
    QListWidget* m_list;
    QLabel* m_count;
};

} // namespace translator
