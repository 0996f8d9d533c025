#include "settings.h"

#include "cp1252.h"
#include "languagefile.h"
#include "messenger.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <optional>

namespace {

constexpr int kMaxFieldBytes = 0xFFFF;

const QString kDefaultLanguageFile = QStringLiteral("default.lsf");

// Reads exactly n bytes or nothing.
std::optional<QByteArray> readExactly(QFile& file, qint64 n)
{
    QByteArray bytes = file.read(n);
    if (bytes.size() != n)
        return std::nullopt;
    return bytes;
}

std::optional<QString> readField(QFile& file)
{
    const auto length = readExactly(file, 2);
    if (!length)
        return std::nullopt;
    const quint16 n = qFromLittleEndian<quint16>(length->constData());
    const auto text = readExactly(file, n);
    if (!text)
        return std::nullopt;
    return cp1252::decode(*text);
}

std::optional<Settings> readRecord(QFile& file)
{
    Settings record;
    for (int f = 1; f <= Settings::kFieldCount; ++f) {
        auto text = readField(file);
        if (!text)
            return std::nullopt;
        record.field(f) = std::move(*text);
    }
    return record;
}

void appendLittleEndian(QByteArray& out, auto value)
{
    char bytes[sizeof value];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof value);
}

void showSaveFailure(const AppState& state, Messenger& messenger)
{
    messenger.message(QStringLiteral("Error #201"),
                      joinLines({state.F(7, 0), state.F(7, 1), QString(), state.F(7, 2)}),
                      MessageIcon::Critical);
}

} // namespace

SettingsLoad ReadSettingsFile(AppState& state)
{
    QFile file(state.SettingsPath);
    if (!file.open(QIODevice::ReadOnly))
        return SettingsLoad::FirstRun;
    const auto countBytes = readExactly(file, 4);
    if (!countBytes)
        return SettingsLoad::FirstRun;
    const qint32 count = qFromLittleEndian<qint32>(countBytes->constData());
    if (count < 1)
        return SettingsLoad::FirstRun;
    std::optional<Settings> first = readRecord(file);
    if (!first)
        return SettingsLoad::FirstRun;
    // Further records are read through and not used; a damaged one does not
    // matter once the first is whole.
    for (qint32 r = 2; r <= count; ++r) {
        if (!readRecord(file))
            break;
    }
    state.settings = std::move(*first);
    return SettingsLoad::Loaded;
}

QByteArray SettingsFileBytes(const Settings& settings)
{
    QByteArray out;
    appendLittleEndian(out, qint32(1));
    for (int f = 1; f <= Settings::kFieldCount; ++f) {
        const QByteArray text = cp1252::encode(settings.field(f));
        if (text.size() > kMaxFieldBytes)
            return {};
        appendLittleEndian(out, quint16(text.size()));
        out.append(text);
    }
    return out;
}

bool SaveSettings(const AppState& state, Messenger& messenger)
{
    const QByteArray bytes = SettingsFileBytes(state.settings);
    if (bytes.isEmpty()) {
        showSaveFailure(state, messenger);
        return false;
    }
    QSaveFile file(state.SettingsPath);
    // A failed flush must stop the commit: Qt 6.4 would otherwise put the
    // short temporary file in place of the old one.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        file.cancelWriting();
        showSaveFailure(state, messenger);
        return false;
    }
    return true;
}

void ApplySettingDefaults(AppState& state)
{
    Settings& s = state.settings;
    const auto orDefault = [](QString& field, const char16_t* value) {
        if (field.isEmpty())
            field = QString::fromUtf16(value);
    };
    orDefault(s.LanguageFile, u"default.lsf");
    orDefault(s.ServerChoice, u"0");
    orDefault(s.ShowTrayNotice, u"1");
    orDefault(s.ShowConnectNotice, u"1");
    orDefault(s.EnergyUnit, u"1");
    orDefault(s.MailOptIn, u"1");
    orDefault(s.SearchCount, u"0");
    orDefault(s.TrafficCount, u"0");
    orDefault(s.AddedCount, u"0");
    orDefault(s.AlwaysOnTop, u"0");
    orDefault(s.WeightUnit, u"0");
    if (!FileExists(state.LanguageFolder + s.LanguageFile))
        s.LanguageFile = kDefaultLanguageFile;
}

SettingsLoad LoadSettings(AppState& state, Messenger& messenger, const FirstRunSettingsDialog& dialog)
{
    if (ReadSettingsFile(state) == SettingsLoad::Loaded)
        return SettingsLoad::Loaded;

    ApplySettingDefaults(state);
    LoadLanguageFile(state.lang, state.LanguageFolder + kDefaultLanguageFile, messenger);
    messenger.message(state.ProgramName,
                      joinLines({state.F(7, 3), state.F(7, 4), QString(), state.F(7, 5), state.F(7, 6)}),
                      MessageIcon::Information);
    if (dialog)
        dialog();
    return SettingsLoad::FirstRun;
}
