#pragma once
// The check-in with the maker's server: the facts the client reports, the
// request URL, the version gate, and the choice of food server.
#include <QByteArray>
#include <QString>

#include <optional>

struct FoodServerUrls;
struct ServerHosts;
struct Settings;

namespace net {

// A query value as it travels in a URL: its Windows-1252 bytes, every byte
// percent-encoded except the unreserved characters A-Z a-z 0-9 - . _ ~.
// A character Windows-1252 cannot hold is sent as "?" (encoded "%3F").
QByteArray EncodeQueryValue(const QString& value);

// Facts about the machine and its user that the check-in reports.
struct MachineFacts
{
    QString machineCode; // "family-MHz-model", e.g. "6-2400-142"
    QString computerName;
    QString userName;
    QString systemVersion; // two-decimal version number, e.g. "6.01"
    QString mailAddress;   // "" where no mail account can be read
};

MachineFacts CollectMachineFacts();

// "cpu family", whole "cpu MHz" and "model" of the first processor in
// /proc/cpuinfo text, joined by "-"; "0" for any part that is missing.
QString MachineCodeFromCpuInfo(const QString& cpuinfo);

// Kernel release "6.1.0-18-amd64" -> major + minor / 100 with two decimals: "6.01".
QString SystemVersionFromKernel(const QString& release);

// The full check-in URL, values in the fixed order and percent-encoded.
QByteArray BuildCheckinUrl(const Settings& settings, const ServerHosts& hosts, const MachineFacts& facts);

// The check-in reply as a version number: white space around it is ignored
// and "," reads as "."; anything that is not a number as a whole gives none.
std::optional<float> ParseVersionReply(const QString& reply);

// The program's own version as a number, in the precision of the reply.
float ProgramVersionValue(const QString& programVersion);

// Points SearchUrl and SubmitUrl at the food server that ServerChoice names:
// "" becomes "1"; 0 is the Dutch server, 1 the English one; other values
// leave both addresses as they are.
void SelectServer(Settings& settings, const ServerHosts& hosts, FoodServerUrls& urls);

} // namespace net
