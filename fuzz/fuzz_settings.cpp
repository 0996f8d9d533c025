// The settings file "dl2set.dat": reader, byte layout and writer.
//
// Checked for every input:
// - the reader loads exactly when an independent reading finds a count of 1
//   or more and a whole first record of 21 length-prefixed fields;
// - a load sets every one of the 21 fields to its bytes read as Windows-1252,
//   and writing them again gives the count 1 followed by exactly the bytes of
//   that first record;
// - otherwise it is a first run and the settings in memory are untouched;
// - SaveSettings writes the same bytes, and reading them back gives the same
//   settings.
#include "dietlens/core/settings.h"
#include "files/cp1252.h"
#include "fuzz/fuzzsupport.h"

#include <QFile>

namespace {

Settings markedSettings()
{
    Settings s;
    for (int f = 1; f <= Settings::kFieldCount; ++f)
        s.field(f) = QStringLiteral("before %1").arg(f);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = fuzzsupport::scratchPath(QStringLiteral("dl2set.dat"));
    static const QString copyPath = fuzzsupport::scratchPath(QStringLiteral("copy.dat"));
    static const Settings marked = markedSettings();

    const QByteArray bytes = fuzzsupport::input(data, size);
    fuzzsupport::putFile(path, bytes);
    const auto reference = fuzzsupport::referenceFirstRecord(bytes, Settings::kFieldCount);

    Settings settings = marked;
    const SettingsLoad result = ReadSettingsFile(path, settings);
    FUZZ_CHECK((result == SettingsLoad::Loaded) == reference.has_value());
    if (!reference) {
        FUZZ_CHECK(settings == marked);
        return 0;
    }
    for (int f = 1; f <= Settings::kFieldCount; ++f)
        FUZZ_CHECK(settings.field(f) == cp1252::decode(reference->fields[f - 1]));

    const QByteArray written = SettingsFileBytes(settings);
    FUZZ_CHECK(written == QByteArray("\x01\x00\x00\x00", 4) + reference->raw);

    QFile::remove(copyPath);
    FUZZ_CHECK(SaveSettings(settings, copyPath).ok());
    FUZZ_CHECK(fuzzsupport::fileBytes(copyPath) == written);
    Settings copy = marked;
    FUZZ_CHECK(ReadSettingsFile(copyPath, copy) == SettingsLoad::Loaded);
    FUZZ_CHECK(copy == settings);
    return 0;
}
