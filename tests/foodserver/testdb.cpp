#include "tests/foodserver/testdb.h"

#include <QFile>
#include <QProcessEnvironment>

#include <libpq-fe.h>
#include <sqlite3.h>

#include <atomic>
#include <unistd.h>

namespace testdb {

namespace {

// The cluster's address (its maintenance database), or "" with the reason.
QString postgresAddress(QString& reason)
{
    const QString statePath = qEnvironmentVariable("FOODSERVER_TEST_POSTGRES_STATE");
    if (statePath.isEmpty()) {
        reason = QStringLiteral("FOODSERVER_TEST_POSTGRES_STATE is not set (run the tests through ctest)");
        return {};
    }
    QFile state(statePath);
    if (!state.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("no PostgreSQL cluster was started (%1 is missing)").arg(statePath);
        return {};
    }
    for (const QByteArray& line : state.readAll().split('\n')) {
        if (line.startsWith("uri="))
            return QString::fromUtf8(line.mid(4));
        if (line.startsWith("unavailable="))
            reason = QString::fromUtf8(line.mid(12));
    }
    if (reason.isEmpty())
        reason = QStringLiteral("%1 names no cluster").arg(statePath);
    return {};
}

QString withDatabase(const QString& address, const QString& database)
{
    return address.left(address.lastIndexOf(QLatin1Char('/')) + 1) + database;
}

} // namespace

bool isPostgres()
{
    return qEnvironmentVariable("FOODSERVER_TEST_ENGINE") == QLatin1String("postgresql");
}

bool available(QString& reason)
{
    if (!isPostgres())
        return true;
    const QString address = postgresAddress(reason);
    if (address.isEmpty())
        return false;
    PGconn* conn = PQconnectdb(address.toUtf8().constData());
    const bool ok = PQstatus(conn) == CONNECTION_OK;
    if (!ok)
        reason = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
    PQfinish(conn);
    return ok;
}

QString freshLocation(const QTemporaryDir& folder, const QString& name)
{
    if (!isPostgres())
        return folder.filePath(name + QStringLiteral(".db"));
    static std::atomic<int> counter = 0;
    QString reason;
    const QString address = postgresAddress(reason);
    const QString database = QStringLiteral("t%1_%2_%3")
                                 .arg(::getpid())
                                 .arg(++counter)
                                 .arg(name.toLower().remove(QLatin1Char('-')));
    if (!exec(address, "CREATE DATABASE " + database.toUtf8()))
        return {};
    return withDatabase(address, database);
}

bool exec(const QString& location, const QByteArray& sql)
{
    if (!location.startsWith(QLatin1String("postgresql://"))) {
        sqlite3* db = nullptr;
        char* message = nullptr;
        const bool ok = sqlite3_open(location.toUtf8().constData(), &db) == SQLITE_OK &&
                        sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) == SQLITE_OK;
        if (!ok)
            qWarning("%s: %s", sql.constData(), message ? message : sqlite3_errmsg(db));
        sqlite3_free(message);
        sqlite3_close(db);
        return ok;
    }
    PGconn* conn = PQconnectdb(location.toUtf8().constData());
    PGresult* result = PQexec(conn, sql.constData());
    const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK;
    if (!ok)
        qWarning("%s: %s", sql.constData(), PQerrorMessage(conn));
    PQclear(result);
    PQfinish(conn);
    return ok;
}

QList<QStringList> rows(const QString& location, const QByteArray& sql)
{
    QList<QStringList> out;
    if (!location.startsWith(QLatin1String("postgresql://"))) {
        sqlite3* db = nullptr;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_open_v2(location.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW) {
                QStringList row;
                for (int i = 0; i < sqlite3_column_count(st); ++i)
                    row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
                out << row;
            }
        } else {
            qWarning("%s: %s", sql.constData(), sqlite3_errmsg(db));
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
        return out;
    }
    PGconn* conn = PQconnectdb(location.toUtf8().constData());
    PGresult* result = PQexec(conn, sql.constData());
    if (PQresultStatus(result) != PGRES_TUPLES_OK)
        qWarning("%s: %s", sql.constData(), PQerrorMessage(conn));
    for (int r = 0; r < PQntuples(result); ++r) {
        QStringList row;
        for (int c = 0; c < PQnfields(result); ++c)
            row << QString::fromUtf8(PQgetvalue(result, r, c));
        out << row;
    }
    PQclear(result);
    PQfinish(conn);
    return out;
}

} // namespace testdb
