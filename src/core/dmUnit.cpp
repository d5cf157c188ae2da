#include "core/dmUnit.h"

#include "core/DbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QUrl>

Tdm& dm()
{
    static Tdm instance;
    return instance;
}

Tdm::Tdm() : databasePath(DefaultDatabasePath()), connectionName(QStringLiteral("SysConn")) {}

// The application closes the connection before it ends (Qt's connection registry is gone by the
// time static objects are destroyed).
Tdm::~Tdm() = default;

QString Tdm::DefaultDatabasePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Pemrox/PemroxCRM.mdb"));
}

void Tdm::SetDatabasePath(const QString& path)
{
    Close();
    databasePath = path;
}

void Tdm::Close()
{
    delete query;
    query = nullptr;
    if (QSqlDatabase::contains(connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connectionName);
    }
}

QSqlDatabase Tdm::SysConn()
{
    if (!QSqlDatabase::contains(connectionName)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    }
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    if (!db.isOpen()) {
        QUrl url = QUrl::fromLocalFile(databasePath);
        db.setDatabaseName(QStringLiteral("file:%1?mode=rw").arg(QString::fromUtf8(url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority))));
        if (!db.open())
            throw DbError(db.lastError().text());
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    }
    return db;
}

QSqlQuery& Tdm::Query()
{
    QSqlDatabase db = SysConn();
    if (!query)
        query = new QSqlQuery(db);
    return *query;
}

QSqlQuery Tdm::Run(const QString& sql, const QVariantList& params)
{
    QSqlQuery q(SysConn());
    Exec(q, sql, params);
    return q;
}

void Tdm::Exec(QSqlQuery& query, const QString& sql, const QVariantList& params)
{
    if (!query.prepare(sql))
        throw DbError(query.lastError().text());
    for (const QVariant& value : params)
        query.addBindValue(value);
    if (!query.exec())
        throw DbError(query.lastError().text());
}

qlonglong Tdm::InsertRow(const QString& table, const QStringList& columns, const QVariantList& values)
{
    const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(','));
    return Run(QStringLiteral("insert into %1(%2) values(%3)").arg(table, columns.join(QLatin1Char(',')), marks), values)
        .lastInsertId()
        .toLongLong();
}

void Tdm::UpdateRow(const QString& table, const QStringList& columns, QVariantList values, const QVariant& id,
                    const QString& key)
{
    QStringList sets;
    for (const QString& column : columns)
        sets << column + QStringLiteral("=?");
    values << id;
    Run(QStringLiteral("update %1 set %2 where %3=?").arg(table, sets.join(QLatin1Char(',')), key), values);
}

TTransaction::TTransaction()
{
    QSqlDatabase db = dm().SysConn();
    if (!db.transaction())
        throw DbError(db.lastError().text());
    open = true;
}

TTransaction::~TTransaction()
{
    if (open)
        dm().SysConn().rollback();
}

bool TTransaction::commit()
{
    if (!open)
        return false;
    open = false;
    return dm().SysConn().commit();
}
