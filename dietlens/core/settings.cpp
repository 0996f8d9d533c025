#include "dietlens/core/settings.h"

#include "lang/atomicfile.h"
#include "lang/boundedread.h"
#include "lang/countedtexts.h"
#include "lang/cp1252.h"
#include "lang/languagefile.h"
#include "lang/messenger.h"

#include <QFile>

#include <optional>

namespace {

constexpr int kMaxFieldBytes = 0xFFFF;

// Only the first record is used, so nothing past its largest size is read.
constexpr qint64 kMaxFirstRecord = 4 + Settings::kFieldCount * (2 + kMaxFieldBytes);

const QString kDefaultLanguageFile = QStringLiteral("default.lsf");

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
    const QByteArray bytes = ReadAtMost(file, kMaxFirstRecord);
    if (file.error() != QFileDevice::NoError)
        return SettingsLoad::FirstRun;
    // Records after the first are not used, so a damaged one does not matter.
    CountedTextsReader reader(bytes);
    const std::optional<qint32> count = reader.count();
    if (!count || *count < 1)
        return SettingsLoad::FirstRun;
    Settings first;
    for (int f = 1; f <= Settings::kFieldCount; ++f) {
        const std::optional<QByteArrayView> text = reader.text();
        if (!text)
            return SettingsLoad::FirstRun;
        first.field(f) = cp1252::decode(*text);
    }
    state.settings = std::move(first);
    return SettingsLoad::Loaded;
}

QByteArray SettingsFileBytes(const Settings& settings)
{
    QList<QByteArray> fields;
    for (int f = 1; f <= Settings::kFieldCount; ++f)
        fields.append(cp1252::encode(settings.field(f)));
    return OneRecordFile(fields, kMaxFieldBytes).value_or(QByteArray());
}

bool SaveSettings(const AppState& state, Messenger& messenger)
{
    const QByteArray bytes = SettingsFileBytes(state.settings);
    if (bytes.isEmpty() || !WriteFileAtomically(state.SettingsPath, bytes)) {
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
