#pragma once
// The database engine a food-server test runs against. Each test program runs once per engine:
// SQLite by default, PostgreSQL when FOODSERVER_TEST_ENGINE is "postgresql"; the PostgreSQL
// cluster is the one scripts/pgcluster.sh started, named by the state file in
// FOODSERVER_TEST_POSTGRES_STATE.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace testdb {

bool isPostgres();
// Whether the engine can be used here; the reason when not.
bool available(QString& reason);
// A new, empty database: an SQLite file in the folder, or a new PostgreSQL database.
QString freshLocation(const QTemporaryDir& folder, const QString& name);
// Runs SQL that both engines understand; false with a warning on failure.
bool exec(const QString& location, const QByteArray& sql);
// The rows of a query, each as its column texts ("" for NULL).
QList<QStringList> rows(const QString& location, const QByteArray& sql);

// CTest counts this exit status as "skipped".
constexpr int kSkipped = 77;

} // namespace testdb

// A Qt Test main that reports "skipped" with the reason when the engine cannot be used.
#define FOODSERVER_ENGINE_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        QString reason;                                                                                      \
        if (!testdb::available(reason)) {                                                                    \
            std::printf("skipped: %s\n", qPrintable(reason));                                                \
            return testdb::kSkipped;                                                                         \
        }                                                                                                    \
        TestObject test;                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
