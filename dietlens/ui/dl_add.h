#pragma once
// The "new food item" window: the user types the values printed on a package
// for a weight of their choice; the window converts them to 100 gram, checks
// them and submits them to the food server.
#include "dietlens/ui/problempresenter.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class LanguageTables;
class Messenger;
struct FoodServerUrls;
struct Paths;
struct Settings;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace net {
class RequestCycle;
}

class DL_Add : public QDialog
{
    Q_OBJECT
public:
    // Sends one GET for the encoded URL and waits for it: the reply body, or
    // nothing when the transfer failed.
    using FetchFunction = std::function<std::optional<QString>(const QByteArray& encodedUrl)>;

    // The production fetch: the request cycle's GET; a transfer error gives
    // nothing, an abandoned wait (the program is ending) an empty reply.
    static FetchFunction fetchWith(net::RequestCycle& cycle);

    DL_Add(Settings& settings, const Paths& paths, const FoodServerUrls& urls, const LanguageTables& lang,
           Messenger& messenger, FetchFunction fetch, QWidget* parent = nullptr);

    void Set_Taal();
    void CalculatePer100Gram();
    void CheckFoodItem();
    void SubmitFoodItem();

    float CheckPassed = 0.0f;

    // Handlers.
    void txt_gram_KeyUp();
    void txt_oz_KeyUp();
    void txt_s_KeyUp(int index);
    void cmd_verzenden_Click();
    void cmd_annuleer_Click();

    bool isWaiting() const { return m_waiting; }

public Q_SLOTS:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // Index of the first rule the input breaks (1 to 4), 0 when it passes.
    virtual int firstBrokenRule() const;

private:
    void interface_draw();
    bool filterKey(QLineEdit* box, QKeyEvent* event);
    void handleReply(const std::optional<QString>& reply);
    void setWaiting(bool waiting);
    void showCheckFailed();
    QLineEdit* newBox(const QString& name);

    Settings& m_settings;
    const Paths& m_paths;
    const FoodServerUrls& m_urls;
    const LanguageTables& m_lang;
    Messenger& m_messenger;
    ProblemPresenter m_problems;
    FetchFunction m_fetch;
    bool m_waiting = false;

    QLabel* lbl_info;
    QGroupBox* Frame_1;
    QGroupBox* Frame_2;
    std::array<QLabel*, 13> m_labels{}; // lbl_1 .. lbl_13
    std::array<QLineEdit*, 3> txt_algemeen{};
    QLineEdit* txt_gram;
    QLineEdit* txt_oz;
    QLineEdit* txt_sGewicht;
    std::array<QLineEdit*, 7> txt_s{};
    std::array<QLineEdit*, 7> txt_d{};
    QPushButton* cmd_verzenden;
    QPushButton* cmd_annuleer;
};
