#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The data module: the one connection to the database file and the gateway's shared query.
class Tdm {
public:
    Tdm();
    ~Tdm();

    // Pemrox/PemroxCRM.mdb in the executable's folder unless a path was set (tests set one).
    static QString DefaultDatabasePath();
    void SetDatabasePath(const QString& path);
    QString DatabasePath() const { return databasePath; }

    // The connection, opened by the first query that needs it and kept open. The file is opened
    // read-write without create, so a missing file raises DbError here instead of becoming a new
    // empty database.
    QSqlDatabase SysConn();
    void Close();

    // The gateway's shared query. Only the gateway functions use it.
    QSqlQuery& Query();

    // A new query on the connection, prepared with sql and its bound values, executed.
    // Raises DbError with the database's message when preparing or running fails.
    QSqlQuery Run(const QString& sql, const QVariantList& params = {});
    // Prepares sql on query, binds its values and executes it; raises DbError on failure.
    static void Exec(QSqlQuery& query, const QString& sql, const QVariantList& params);

    // A whole-row insert of columns with their values; returns the new row's key.
    qlonglong InsertRow(const QString& table, const QStringList& columns, const QVariantList& values);
    // A whole-row update of columns with their values, of the row whose key is id.
    void UpdateRow(const QString& table, const QStringList& columns, QVariantList values, const QVariant& id,
                   const QString& key = QStringLiteral("ID"));

private:
    QString databasePath;
    QString connectionName;
    QSqlQuery* query = nullptr;
};

Tdm& dm();

// A transaction on the connection: committed by commit(), rolled back when it ends uncommitted,
// so statements that belong together are stored whole or not at all.
class TTransaction {
public:
    TTransaction();
    ~TTransaction();
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;
    bool commit();

private:
    bool open = false;
};
