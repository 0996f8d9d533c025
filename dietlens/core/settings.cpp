#include "dietlens/core/settings.h"

#include "files/atomicfile.h"
#include "files/boundedread.h"
#include "files/countedtexts.h"
#include "files/cp1252.h"
#include "lang/language.h"
#include "lang/languagefile.h"

#include <QFile>

#include <cstdlib>
#include <optional>

namespace {

constexpr int kMaxFieldBytes = 0xFFFF;

// Only the first record is used, so nothing past its largest size is read.
constexpr qint64 kMaxFirstRecord = 4 + Settings::kFieldCount * (2 + kMaxFieldBytes);

const QString kDefaultLanguageFile = QStringLiteral("default.lsf");

template <typename S, typename R> R& fieldOf(S& s, int n)
{
    switch (n) {
    case 1:
        return s.Reserved1;
    case 2:
        return s.Reserved2;
    case 3:
        return s.LanguageFile;
    case 4:
        return s.ServerChoice;
    case 5:
        return s.ShowTrayNotice;
    case 6:
        return s.ShowConnectNotice;
    case 7:
        return s.EnergyUnit;
    case 8:
        return s.MailOptIn;
    case 9:
        return s.FirstName;
    case 10:
        return s.LastName;
    case 11:
        return s.SearchCount;
    case 12:
        return s.TrafficCount;
    case 13:
        return s.AddedCount;
    case 14:
        return s.AlwaysOnTop;
    case 15:
        return s.WeightUnit;
    case 16:
        return s.Reserved3;
    case 17:
        return s.Reserved4;
    case 18:
        return s.Reserved5;
    case 19:
        return s.Reserved6;
    case 20:
        return s.Reserved7;
    case 21:
        return s.Reserved8;
    }
    std::abort();
}

} // namespace

QString& Settings::field(int n)
{
    return fieldOf<Settings, QString>(*this, n);
}

const QString& Settings::field(int n) const
{
    return fieldOf<const Settings, const QString>(*this, n);
}

SettingsLoad ReadSettingsFile(const QString& path, Settings& settings)
{
    QFile file(path);
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
    settings = std::move(first);
    return SettingsLoad::Loaded;
}

QByteArray SettingsFileBytes(const Settings& settings)
{
    QList<QByteArray> fields;
    for (int f = 1; f <= Settings::kFieldCount; ++f)
        fields.append(cp1252::encode(settings.field(f)));
    return OneRecordFile(fields, kMaxFieldBytes).value_or(QByteArray());
}

Result<void, Problem> SaveSettings(const Settings& settings, const QString& path)
{
    const QByteArray bytes = SettingsFileBytes(settings);
    if (bytes.isEmpty() || !WriteFileAtomically(path, bytes))
        return {{{ProblemKind::SettingsNotSaved, QString()}}};
    return {};
}

void ApplySettingDefaults(Settings& s, const QString& languageFolder)
{
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
    if (!FileExists(languageFolder + s.LanguageFile))
        s.LanguageFile = kDefaultLanguageFile;
}

Result<SettingsLoad, Problem> LoadSettings(Settings& settings, const QString& path,
                                           const QString& languageFolder, Language& language)
{
    if (ReadSettingsFile(path, settings) == SettingsLoad::Loaded)
        return {SettingsLoad::Loaded, {}};

    ApplySettingDefaults(settings, languageFolder);
    Result<SettingsLoad, Problem> firstRun{
        SettingsLoad::FirstRun,
        dietlensResult(language.load(languageFolder + kDefaultLanguageFile, LanguageChange::StartUp))
            .problems};
    firstRun.problems.append({ProblemKind::SettingsFileMissing, QString()});
    return firstRun;
}
