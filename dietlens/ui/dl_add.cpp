#include "dietlens/ui/dl_add.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/paths.h"
#include "dietlens/core/program.h"
#include "dietlens/core/serverhosts.h"
#include "dietlens/core/settings.h"
#include "dietlens/display/units.h"
#include "dietlens/lang/text/newfooditem.h"
#include "dietlens/net/request.h"
#include "dietlens/net/submission.h"
#include "dietlens/ui/dialogsupport.h"
#include "lang/languagetables.h"
#include "lang/messenger.h"
#include "widgets/screenplacement.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cfloat>
#include <cmath>

namespace {

const QString kTitle501 = QStringLiteral("Error #501");
const QString kTitle502 = QStringLiteral("Error #502");
const QString kTitle503 = QStringLiteral("Error #503");
const QString kTitle504 = QStringLiteral("Error #504");

// Screen patterns of the seven converted values.
const char16_t* const kPatterns[7] = {u"######0", u"#####0", u"##0.00", u"##0.00",
                                      u"##0.00",  u"##0.00", u"#0.0000"};

// The number a box holds, commas read as periods.
double boxValue(const QString& text)
{
    QString t = text;
    return Val(t.replace(QLatin1Char(','), QLatin1Char('.')));
}

// A single-precision value, or nothing when the number does not fit.
std::optional<float> toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return std::nullopt;
    return float(value);
}

} // namespace

DL_Add::FetchFunction DL_Add::fetchWith(net::RequestCycle& cycle)
{
    return [&cycle](const QByteArray& url) -> std::optional<QString> {
        const net::RequestResult result = cycle.get(url);
        if (result.transferError())
            return std::nullopt;
        return result.body;
    };
}

DL_Add::DL_Add(Settings& settings, const Paths& paths, const FoodServerUrls& urls, const LanguageTables& lang,
               Messenger& messenger, FetchFunction fetch, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_paths(paths), m_urls(urls), m_lang(lang),
      m_messenger(messenger), m_problems(lang, messenger), m_fetch(std::move(fetch))
{
    setObjectName(QStringLiteral("DL_Add"));
    setWindowIcon(DietlensIcon());

    lbl_info = new QLabel(this);
    lbl_info->setObjectName(QStringLiteral("lbl_info"));
    lbl_info->setWordWrap(true);
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i] = new QLabel(this);
        m_labels[i]->setObjectName(QStringLiteral("lbl_%1").arg(i + 1));
    }

    // General information: sender, item name, remarks.
    Frame_1 = new QGroupBox(this);
    Frame_1->setObjectName(QStringLiteral("Frame_1"));
    auto* general = new QGridLayout(Frame_1);
    for (std::size_t i = 0; i < txt_algemeen.size(); ++i) {
        txt_algemeen[i] = newBox(QStringLiteral("txt_algemeen(%1)").arg(i));
        m_labels[i]->setBuddy(txt_algemeen[i]);
        RefuseUnstorableCharacters(txt_algemeen[i], ProgramName(), m_messenger);
        const int row = static_cast<int>(i);
        general->addWidget(m_labels[i], row, 0);
        general->addWidget(txt_algemeen[i], row, 1);
    }
    txt_algemeen[1]->setMinimumWidth(260);

    // Nutrition values as typed and per 100 gram.
    Frame_2 = new QGroupBox(this);
    Frame_2->setObjectName(QStringLiteral("Frame_2"));
    auto* values = new QGridLayout(Frame_2);
    txt_gram = newBox(QStringLiteral("txt_gram"));
    txt_gram->setText(QStringLiteral("100"));
    txt_oz = newBox(QStringLiteral("txt_oz"));
    txt_oz->setText(QStringLiteral("3.5"));
    txt_sGewicht = newBox(QStringLiteral("txt_sGewicht"));
    txt_sGewicht->setText(QStringLiteral("100"));
    txt_sGewicht->hide();
    auto* weightRow = new QHBoxLayout;
    weightRow->addWidget(m_labels[3]);
    weightRow->addWidget(txt_gram);
    weightRow->addWidget(txt_oz);
    weightRow->addWidget(m_labels[4]);
    weightRow->addStretch();
    values->addLayout(weightRow, 0, 0, 1, 3);
    for (std::size_t i = 0; i < txt_s.size(); ++i) {
        txt_s[i] = newBox(QStringLiteral("txt_s(%1)").arg(i));
        txt_d[i] = newBox(QStringLiteral("txt_d(%1)").arg(i));
        // The converted values are the window's own results, not typed.
        txt_d[i]->setReadOnly(true);
        txt_d[i]->setFocusPolicy(Qt::NoFocus);
        QPalette shaded = txt_d[i]->palette();
        shaded.setColor(QPalette::Base, shaded.color(QPalette::Window));
        txt_d[i]->setPalette(shaded);
        m_labels[5 + i]->setBuddy(txt_s[i]);
        const int row = static_cast<int>(i) + 1;
        values->addWidget(m_labels[5 + i], row, 0);
        values->addWidget(txt_s[i], row, 1);
        values->addWidget(txt_d[i], row, 2);
    }
    m_labels[12]->setWordWrap(true);
    values->addWidget(m_labels[12], 8, 0, 1, 3);

    cmd_annuleer = new QPushButton(this);
    cmd_annuleer->setObjectName(QStringLiteral("cmd_annuleer"));
    cmd_annuleer->setAutoDefault(false);
    cmd_verzenden = new QPushButton(this);
    cmd_verzenden->setObjectName(QStringLiteral("cmd_verzenden"));
    cmd_verzenden->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmd_annuleer);
    buttons->addWidget(cmd_verzenden);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbl_info);
    layout->addWidget(Frame_1);
    layout->addWidget(Frame_2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    lbl_info->setMaximumWidth(460);

    connect(cmd_verzenden, &QPushButton::clicked, this, &DL_Add::cmd_verzenden_Click);
    connect(cmd_annuleer, &QPushButton::clicked, this, &DL_Add::cmd_annuleer_Click);
    // Key release is the described trigger; an edit without keys (paste with
    // the mouse) recalculates as well. Text set by the window itself does not.
    connect(txt_gram, &QLineEdit::textEdited, this, &DL_Add::txt_gram_KeyUp);
    connect(txt_oz, &QLineEdit::textEdited, this, &DL_Add::txt_oz_KeyUp);
    for (std::size_t i = 0; i < txt_s.size(); ++i)
        connect(txt_s[i], &QLineEdit::textEdited, this, [this, i] { txt_s_KeyUp(static_cast<int>(i)); });

    // Form_Load
    interface_draw();
    Set_Taal();
    const Settings& s = m_settings;
    txt_algemeen[0]->setText(s.FirstName + QLatin1Char(' ') + s.LastName);
    SetTopmost(this, WantsTopmost(s.AlwaysOnTop, true));
    KeepOnScreen(this);
    // The sender's name is filled in already: typing starts at the item's name.
    txt_algemeen[1]->setFocus();
}

QLineEdit* DL_Add::newBox(const QString& name)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->installEventFilter(this);
    return box;
}

void DL_Add::interface_draw()
{
    const bool ounces = Val(m_settings.WeightUnit) == 1.0;
    txt_gram->setVisible(!ounces);
    txt_oz->setVisible(ounces);
    m_labels[3]->setBuddy(ounces ? txt_oz : txt_gram); // "The nutrition values are per:"
    for (QLineEdit* box : {txt_gram, txt_oz})
        box->setFixedWidth(70);
}

void DL_Add::Set_Taal()
{
    auto F = [this](TextSlot slot) { return m_lang.at(slot); };
    setWindowTitle(F(text::NewFoodItem::AddFoodItemsToDatabase));
    lbl_info->setText(F(text::NewFoodItem::Introduction));
    Frame_1->setTitle(F(text::NewFoodItem::GeneralInformation));
    Frame_2->setTitle(F(text::NewFoodItem::OriginalNutritionValues));
    namespace N = text::NewFoodItem;
    // Labels 1 to 4 and 6 to 13 (lbl_5, the unit, follows the setting).
    const TextSlot labels[] = {N::YourName, N::FoodItem, N::Remarks, N::TheNutritionValuesArePer};
    for (std::size_t i = 0; i < std::size(labels); ++i)
        m_labels[i]->setText(F(labels[i]));
    const double unit = Val(m_settings.WeightUnit);
    if (unit == 0.0)
        m_labels[4]->setText(F(text::NewFoodItem::GramS));
    else if (unit == 1.0)
        m_labels[4]->setText(F(text::NewFoodItem::Oz));
    const TextSlot values[] = {N::Kilojoules, N::Kilocalories, N::FatS,   N::FatU,
                               N::Protein,    N::Carbs,        N::Sodium, N::TheValueForSodiumIs};
    for (std::size_t i = 0; i < std::size(values); ++i)
        m_labels[5 + i]->setText(F(values[i]));
    cmd_annuleer->setText(F(text::NewFoodItem::Cancel));
    cmd_verzenden->setText(F(text::NewFoodItem::Submit));
}

bool DL_Add::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || box->isReadOnly())
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return filterKey(box, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        if (box == txt_gram)
            txt_gram_KeyUp();
        else if (box == txt_oz)
            txt_oz_KeyUp();
        else if (const auto it = std::find(txt_s.begin(), txt_s.end(), box); it != txt_s.end())
            txt_s_KeyUp(int(it - txt_s.begin()));
    }
    return QDialog::eventFilter(watched, event);
}

// Typed characters: the weight boxes and value boxes take numbers only. Keys
// that type nothing (arrows, Delete, Tab) and shortcuts pass untouched.
bool DL_Add::filterKey(QLineEdit* box, QKeyEvent* event)
{
    const QString text = event->text();
    const bool isGram = box == txt_gram;
    const bool isOz = box == txt_oz;
    const bool isValue = std::find(txt_s.begin(), txt_s.end(), box) != txt_s.end();
    if (!isGram && !isOz && !isValue)
        return false;
    if (text.size() != 1 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QChar c = text.at(0);
    if (c == QChar(u'\b') || (c >= u'0' && c <= u'9'))
        return false;
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        return false; // Enter, Escape, Tab: dialog keys
    if (isOz && (c == u',' || c == u'.'))
        return false;
    if (isValue && c == u'.')
        return false;
    if (isValue && c == u',') {
        box->insert(QStringLiteral("."));
        return true;
    }
    return true; // swallowed
}

void DL_Add::txt_gram_KeyUp()
{
    const QString grams = txt_gram->text();
    if (grams.isEmpty()) {
        txt_sGewicht->clear();
        txt_oz->clear();
    } else {
        txt_sGewicht->setText(grams);
        txt_oz->setText(m_problems.take(GramsToOunces(grams)));
    }
    CalculatePer100Gram();
}

void DL_Add::txt_oz_KeyUp()
{
    const QString ounces = txt_oz->text();
    if (ounces.isEmpty()) {
        txt_sGewicht->clear();
        txt_gram->clear();
    } else {
        const QString grams = m_problems.take(OuncesToGrams(ounces));
        txt_sGewicht->setText(grams);
        txt_gram->setText(grams);
    }
    CalculatePer100Gram();
}

void DL_Add::txt_s_KeyUp(int)
{
    CalculatePer100Gram();
}

void DL_Add::CalculatePer100Gram()
{
    auto clearResults = [this] {
        for (QLineEdit* box : txt_d)
            box->clear();
    };
    auto fail = [this, &clearResults] {
        clearResults();
        m_messenger.message(kTitle501,
                            joinLines({m_lang.at(text::NewFoodItem::AnErrorOccurredDuringThe),
                                       m_lang.at(text::NewFoodItem::PleaseTryAgain)}),
                            MessageIcon::Critical);
    };

    // Without a usable weight the old results would be wrong for the new
    // weight: they are emptied so they cannot be sent.
    if (txt_sGewicht->text().isEmpty())
        return clearResults();
    const std::optional<float> weight = toSingle(boxValue(txt_sGewicht->text()));
    if (!weight)
        return fail();
    if (*weight == 0.0f)
        return clearResults();
    const std::optional<float> factor = toSingle(100.0 / double(*weight));
    if (!factor)
        return fail();

    std::array<QString, 7> results;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const std::optional<float> typed = toSingle(boxValue(txt_s[i]->text()));
        if (!typed)
            return fail();
        const std::optional<float> value = toSingle(double(*typed * *factor));
        if (!value)
            return fail();
        results[i] = FormatNumber(double(*value), QStringView(kPatterns[i]));
    }
    for (std::size_t i = 0; i < results.size(); ++i)
        txt_d[i]->setText(results[i]);
}

int DL_Add::firstBrokenRule() const
{
    if (txt_algemeen[0]->text().isEmpty())
        return 1;
    if (txt_algemeen[1]->text().isEmpty())
        return 2;
    const QString weight = txt_sGewicht->text();
    if (weight.isEmpty() || weight.contains(QLatin1Char(',')) || weight.contains(QLatin1Char('.')))
        return 3;
    for (const QLineEdit* box : txt_d) {
        const QString v = box->text();
        auto isPoint = [](QChar c) { return c == u',' || c == u'.'; };
        if (v.isEmpty() || isPoint(v.back()) || isPoint(v.front()) || v.contains(QLatin1String(",,")) ||
            v.contains(QLatin1String("..")))
            return 4;
    }
    return 0;
}

void DL_Add::showCheckFailed()
{
    m_messenger.message(ProgramName(),
                        joinLines({m_lang.at(text::NewFoodItem::NotAllValuesHaveBeen),
                                   m_lang.at(text::NewFoodItem::PleaseFillInTheMissing)}),
                        MessageIcon::Critical);
}

void DL_Add::CheckFoodItem()
{
    CheckPassed = 1.0f;
    try {
        if (firstBrokenRule() != 0) {
            CheckPassed = 0.0f;
            showCheckFailed();
        }
    } catch (const std::exception&) {
        // A check that could not finish has not passed: nothing is sent.
        CheckPassed = 0.0f;
        m_messenger.message(kTitle502,
                            joinLines({m_lang.at(text::NewFoodItem::AnErrorOccurredWhileChecking),
                                       m_lang.at(text::NewFoodItem::PleaseContactQuelmarWhenThis)}),
                            MessageIcon::Critical);
    }
}

void DL_Add::SubmitFoodItem()
{
    net::FoodItemSubmission item;
    item.sender = txt_algemeen[0]->text();
    item.name = txt_algemeen[1]->text();
    item.remarks = txt_algemeen[2]->text();
    for (std::size_t i = 0; i < item.per100Gram.size(); ++i)
        item.per100Gram[i] = txt_d[i]->text();
    const QByteArray url = net::BuildSubmissionUrl(m_urls.SubmitUrl, item);
    const QUrl parsed = QUrl::fromEncoded(url, QUrl::StrictMode);
    if (!m_fetch || !parsed.isValid() || parsed.host().isEmpty() ||
        parsed.scheme() != QLatin1String("http")) {
        m_messenger.message(kTitle503,
                            joinLines({m_lang.at(text::NewFoodItem::AnErrorOccurredWhileConnection),
                                       m_lang.at(text::NewFoodItem::PleaseContactQuelmarWhenThis)}),
                            MessageIcon::Critical);
        return;
    }

    setWaiting(true);
    const std::optional<QString> reply = m_fetch(url);
    setWaiting(false);
    handleReply(reply);
}

void DL_Add::handleReply(const std::optional<QString>& reply)
{
    if (!reply) {
        m_messenger.message(kTitle504,
                            joinLines({m_lang.at(text::NewFoodItem::AnErrorOccurredWhileAnalysing),
                                       m_lang.at(text::NewFoodItem::CheckYourInternetConnectionAnd)}),
                            MessageIcon::Critical);
        done(QDialog::Rejected);
        return;
    }
    if (!net::IsSubmissionAccepted(*reply))
        return;
    m_settings.AddedCount = AddToCounter(m_settings.AddedCount, 1);
    m_problems.show(SaveSettings(m_settings, m_paths.SettingsPath).problems);
    m_messenger.message(ProgramName(),
                        joinLines({m_lang.at(text::NewFoodItem::TheFoodItemHasBeen),
                                   m_lang.at(text::NewFoodItem::TheSubmittedFoodItemHas),
                                   m_lang.at(text::NewFoodItem::OneOfOurEmployeesWill), QString(),
                                   m_lang.at(text::NewFoodItem::ThanksForYourSubmission)}),
                        MessageIcon::Information);
    done(QDialog::Accepted);
}

void DL_Add::setWaiting(bool waiting)
{
    m_waiting = waiting;
    cmd_verzenden->setEnabled(!waiting);
    cmd_annuleer->setEnabled(!waiting);
}

void DL_Add::cmd_verzenden_Click()
{
    if (m_waiting)
        return;
    CheckFoodItem();
    if (CheckPassed != 0.0f)
        SubmitFoodItem();
}

void DL_Add::cmd_annuleer_Click()
{
    if (!m_waiting)
        done(QDialog::Rejected);
}

void DL_Add::reject()
{
    if (!m_waiting)
        QDialog::reject();
}

void DL_Add::closeEvent(QCloseEvent* event)
{
    if (m_waiting)
        event->ignore();
    else
        QDialog::closeEvent(event);
}
