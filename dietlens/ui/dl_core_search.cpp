// The food search: request, counters, splitting the reply and the results list.
#include "dietlens/ui/dl_core.h"

#include "dietlens/core/appstate.h"
#include "dietlens/core/numbers.h"
#include "dietlens/core/settings.h"
#include "dietlens/net/request.h"
#include "dietlens/net/search.h"
#include "dietlens/ui/kit/twips.h"
#include "lang/messenger.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <exception>

void DL_Core::Pic_zoeken_Click()
{
    if (requestRunning())
        return;
    if (Val(m_state.ViewListMode) == 1) {
        m_messenger.message(m_state.ProgramName, joinLines({m_state.F(1, 59), m_state.F(1, 60)}),
                            MessageIcon::Exclamation);
        return;
    }
    if (txt_item->text().size() < 3) {
        m_messenger.message(QStringLiteral("Error #112"), joinLines({m_state.F(1, 61), m_state.F(1, 62)}),
                            MessageIcon::Critical);
        return;
    }
    SearchFoodItems();
}

void DL_Core::SearchFoodItems()
{
    DataBuffers& data = m_state.data;
    const QString term = txt_item->text();
    bool locked = false;
    const auto showSearchFailure = [this] {
        m_messenger.message(QStringLiteral("Error #100"),
                            joinLines({m_state.F(1, 30), m_state.F(1, 31), QString(), m_state.F(1, 32)}),
                            MessageIcon::Critical);
    };
    try {
        data.lst_data.clear();
        ClearResultsList();
        data.txt_serverzoek.clear();

        const QByteArray url = net::BuildSearchUrl(m_state.SearchUrl, term);
        // No address to send to (a server choice other than 0 or 1): the
        // search fails here, before anything is sent or counted.
        if (!net::CanStart(QUrl::fromEncoded(url, QUrl::TolerantMode))) {
            showSearchFailure();
            return;
        }

        LockForRequest(true);
        locked = true;
        statusPanel(2)->setText(m_state.F(1, 69));
        const net::RequestResult result = m_searchCycle->get(url);
        if (result.failure == net::RequestFailure::Abandoned)
            return; // the program is ending
        if (result.transferError()) {
            m_messenger.message(QStringLiteral("Error #102"),
                                joinLines({m_state.F(1, 42), m_state.F(1, 43), QString(), m_state.F(1, 44)}),
                                MessageIcon::Critical);
        }
        data.txt_serverzoek = result.body;

        // Every request counts, also one that brought nothing back.
        Settings& s = m_state.settings;
        s.SearchCount = AddToCounter(s.SearchCount, 1);
        s.TrafficCount = AddToCounter(s.TrafficCount, data.txt_serverzoek.size());
        SaveSettings(m_state, m_messenger);

        LockForRequest(false);
        locked = false;

        if (net::HasRecords(data.txt_serverzoek)) {
            data.lst_data = net::SplitRecords(data.txt_serverzoek, net::kMaxListedRecords);
            ShowSearchResults();
            UpdateStatusBar();
            return;
        }
        m_messenger.message(m_state.ProgramName,
                            joinLines({m_state.F(1, 28) + QStringLiteral(" '") + term + QLatin1Char('\''),
                                       m_state.F(1, 29)}),
                            MessageIcon::Information);
        UpdateStatusBar();
    } catch (const std::exception&) {
        if (locked)
            LockForRequest(false);
        showSearchFailure();
    }
}

void DL_Core::ShowSearchResults()
{
    DataBuffers& data = m_state.data;
    try {
        ClearResultsList();
        LV_browse->setHeaderLabels({QString(), QStringLiteral("ID"), QStringLiteral("NM")});
        LV_browse->header()->resizeSection(0, Twips(320));
        LV_browse->header()->resizeSection(1, 0);
        LV_browse->header()->setSectionHidden(1, true);
        LV_browse->header()->resizeSection(2, Twips(PixelsToTwips(LV_browse->width()) - 320 - 320));

        QList<QTreeWidgetItem*> rows;
        rows.reserve(data.lst_data.size());
        QList<QStringView> fields;
        for (const QString& record : std::as_const(data.lst_data)) {
            fields = net::SplitFieldViews(record);
            auto* row = new QTreeWidgetItem;
            switch (net::StatusOf(fields)) {
            case net::RecordStatus::Checked: row->setIcon(0, m_checkedIcon); break;
            case net::RecordStatus::Unchecked: row->setIcon(0, m_uncheckedIcon); break;
            case net::RecordStatus::Unknown: break; // no icon rather than a neighbour's
            }
            if (!fields.isEmpty())
                row->setText(2, fields.first().left(kMaxShownText).toString());
            rows.append(row);
        }
        // The scratch list ends up holding the fields of the last record.
        if (!data.lst_data.isEmpty())
            data.temp_filter = net::SplitFields(data.lst_data.last());
        LV_browse->addTopLevelItems(rows);
    } catch (const std::exception&) {
        m_messenger.message(QStringLiteral("Error #103"), joinLines({m_state.F(1, 46), m_state.F(1, 47)}),
                            MessageIcon::Critical);
    }
}
