// Every writer under failing writes: the file may grow only to a limit (each
// of many offsets into the file), a folder stands where the file goes, or the
// path's folder is a regular file. The previous file must stay byte-identical,
// nothing may be left beside it and the writer's message must be shown.
#include "dietlens/core/appstate.h"
#include "dietlens/core/settings.h"
#include "dietlens/display/bookmarksfile.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/ui/problempresenter.h"
#include "lang/languagefile.h"
#include "tests/hardening/faultinjection.h"
#include "tests/support/languagefiles.h"
#include "tests/support/scriptedmessenger.h"
#include "translator/codelisting.h"
#include "translator/document.h"

#include <QFileInfo>
#include <QTest>
#include <QtEndian>

#include <array>

using namespace Qt::StringLiterals;
using faults::Fault;
using faults::Writer;

namespace {

// Full tables whose texts differ per generation, so a half-written or an
// unchanged file shows.
const LanguageTables& tablesFor(int generation)
{
    static const std::array<LanguageTables, 2> tables = [] {
        std::array<LanguageTables, 2> out;
        for (int g = 0; g < 2; ++g)
            for (int table = 0; table < LanguageTables::kTableCount; ++table)
                for (int i = LanguageTables::firstIndex(table); i <= LanguageTables::lastIndex(table); ++i)
                    out[size_t(g)].set(table, i, u"g%1 %2.%3 \u20AC"_s.arg(g).arg(table).arg(i));
        return out;
    }();
    return tables[size_t(generation)];
}

// Offsets where the language file's count, lengths and texts begin.
QList<qint64> languageFileBoundaries(const LanguageTables& tables)
{
    QList<qint64> out{4};
    qint64 pos = 4;
    for (int t = 0; t < LanguageTables::kTableCount; ++t) {
        pos += 2;
        out.append(pos);
        pos += tables.tableText(t).size();
        out.append(pos);
    }
    return out;
}

// Program state with the built-in English texts, so messages read as shipped.
const AppState& englishState()
{
    static const AppState state = [] {
        AppState s;
        CreateEnglishLanguage(s.lang, s.hosts);
        return s;
    }();
    return state;
}

QList<Writer> allWriters()
{
    QList<Writer> writers;
    writers.append({u"language file (dietlens)"_s,
                    [](const QString& path, Messenger& m, int generation) {
                        return testsupport::saveLanguageFile(tablesFor(generation), path, m,
                                                             LanguageSaveFailure::dietlens());
                    },
                    [](const QString& path) {
                        return ScriptedMessenger::Shown{
                            u"Error #401"_s, u"An error occured while saving the languagefile"_s + path,
                            MessageIcon::Critical, MessageButtons::Ok};
                    }});
    writers.append(
        {u"language file (translator document)"_s,
         [](const QString& path, Messenger& m, int generation) {
             translator::TranslatorDocument doc;
             doc.AdoptLoaded(tablesFor(generation), path);
             const Result<void, LanguageFileProblem> saved = doc.SaveTo(path);
             showLanguageFileProblems(m, saved.problems, LanguageSaveFailure::translator(u"Translator"_s));
             return saved.ok();
         },
         [](const QString& path) {
             return ScriptedMessenger::Shown{u"Translator"_s,
                                             u"An error occured while saving the language file: "_s + path,
                                             MessageIcon::Critical, MessageButtons::Ok};
         }});
    // A file smaller than the write buffer fails only when it is flushed.
    writers.append(
        {u"language file, built-in languages"_s,
         [](const QString& path, Messenger& m, int generation) {
             LanguageTables tables;
             if (generation == 0)
                 CreateDutchLanguage(tables, englishState().hosts);
             else
                 CreateEnglishLanguage(tables, englishState().hosts);
             return testsupport::saveLanguageFile(tables, path, m, LanguageSaveFailure::dietlens());
         },
         [](const QString& path) {
             return ScriptedMessenger::Shown{u"Error #401"_s,
                                             u"An error occured while saving the languagefile"_s + path,
                                             MessageIcon::Critical, MessageButtons::Ok};
         }});
    writers.append({u"code listing, small"_s,
                    [](const QString& path, Messenger&, int generation) {
                        LanguageTables tables;
                        tables.set(1, 1, u"Text %1"_s.arg(generation));
                        tables.set(25, 0, u"Dietlens"_s);
                        return translator::WriteCodeListing(tables, path);
                    },
                    [](const QString&) { return ScriptedMessenger::Shown{}; }});
    // The command shows "ERROR CODE #15.0" itself; the writer only reports.
    writers.append({u"code listing"_s,
                    [](const QString& path, Messenger&, int generation) {
                        return translator::WriteCodeListing(tablesFor(generation), path);
                    },
                    [](const QString&) { return ScriptedMessenger::Shown{}; }});
    // The export writes the same format through the same writer.
    writers.append(
        {u"bookmarks and export"_s,
         [](const QString& path, Messenger& m, int generation) {
             QStringList records;
             for (int i = 0; i < 3 + generation; ++i)
                 records << u"Item %1\u00BDDefault\u00BD150\u00BD300\u00BD71\u00BD1.5\u00BD0\u00BD0\u00BD"
                            u"12\u00BD0.01\u00BD0\u00BDExported with Dietlens\u00BD"_s.arg(i);
             return ProblemPresenter(englishState().lang, m).passed(WriteBookmarks(path, records));
         },
         [](const QString&) {
             return ScriptedMessenger::Shown{u"Error #203"_s, englishState().lang.at(7, 8),
                                             MessageIcon::Critical, MessageButtons::Ok};
         }});
    writers.append({u"settings"_s,
                    [](const QString& path, Messenger& m, int generation) {
                        AppState state = englishState();
                        state.paths.SettingsPath = path;
                        ApplySettingDefaults(state.settings, state.paths.LanguageFolder);
                        state.settings.FirstName = u"Name %1"_s.arg(generation);
                        state.settings.SearchCount = QString::number(1000 * generation);
                        return ProblemPresenter(state.lang, m)
                            .passed(SaveSettings(state.settings, state.paths.SettingsPath));
                    },
                    [](const QString&) {
                        const AppState& state = englishState();
                        return ScriptedMessenger::Shown{u"Error #201"_s,
                                                        joinLines({state.lang.at(7, 0), state.lang.at(7, 1),
                                                                   QString(), state.lang.at(7, 2)}),
                                                        MessageIcon::Critical, MessageButtons::Ok};
                    }});
    return writers;
}

QList<qint64> boundariesOf(const Writer& writer)
{
    if (writer.name.startsWith(u"language file ("_s))
        return languageFileBoundaries(tablesFor(1));
    return {};
}

} // namespace

class TestWriterFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void failingWriteKeepsThePreviousFile_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<int>("fault");
        const QList<Writer> writers = allWriters();
        for (int w = 0; w < writers.size(); ++w) {
            const QByteArray name = writers[w].name.toUtf8();
            QTest::addRow("%s: full disk at every offset", name.constData())
                << w << int(Fault::FileSizeLimit);
            QTest::addRow("%s: folder in place of the file", name.constData())
                << w << int(Fault::FolderAsTarget);
            QTest::addRow("%s: folder is a file", name.constData()) << w << int(Fault::ParentIsFile);
        }
    }
    void failingWriteKeepsThePreviousFile()
    {
        QFETCH(int, writer);
        QFETCH(int, fault);
        const Writer w = allWriters().at(writer);
        if (Fault(fault) != Fault::FileSizeLimit) {
            const QString error = faults::checkFailingWrite(w, Fault(fault));
            QVERIFY2(error.isEmpty(), qPrintable(error));
            return;
        }
        const qint64 size = faults::newFileSize(w);
        QVERIFY(size > 0);
        const QList<qint64> offsets = faults::interestingOffsets(size, boundariesOf(w));
        QVERIFY(offsets.size() >= std::min<qint64>(size, 100));
        const QString error = faults::checkFailingAtOffsets(w, offsets);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // With room for exactly the whole file the write succeeds.
        QVERIFY(faults::withFileSizeLimit(size, [&] {
            QTemporaryDir dir;
            ScriptedMessenger m;
            return w.write(dir.filePath(u"exact"_s), m, 1) && m.shown.isEmpty();
        }));
    }
};

QTEST_GUILESS_MAIN(TestWriterFaults)
#include "test_writer_faults.moc"
