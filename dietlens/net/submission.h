#pragma once
// Submitting a new food item to the food server's submission script: the
// request URL and what counts as an accepted reply.
#include <QByteArray>
#include <QString>

#include <array>

namespace net {

struct FoodItemSubmission
{
    QString name;    // food item name as typed
    QString remarks; // may be empty
    QString sender;  // the sender's name
    // Values per 100 gram in the window's box order: kJ, kcal, saturated fat,
    // unsaturated fat, protein, carbohydrates, sodium.
    std::array<QString, 7> per100Gram;
};

// Removes the characters a server record cannot hold and the ones that would
// split the query ("¾", "¼", "½", "&", "=", "'"); blanks stay.
QString CleanSubmissionText(QString text);

// submitUrl + "?naam=...&kj=...&kcal=...&vvet=...&ovet=...&kdr=...&ew=...&nat=...
// &opmerking=...&gepost=...": carbohydrates travel before protein; numbers have
// "," turned into "."; every value is percent-encoded.
QByteArray BuildSubmissionUrl(const QString& submitUrl, const FoodItemSubmission& item);

// The server accepted the item when its reply starts with "OK" (case matters).
bool IsSubmissionAccepted(const QString& replyBody);

} // namespace net
