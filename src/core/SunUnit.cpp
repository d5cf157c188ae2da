#include "core/SunUnit.h"

#include "core/CurrentUser.h"
#include "core/DbError.h"
#include "core/Gbk.h"
#include "core/dmUnit.h"
#include "ui/Texts.h"

#include <QComboBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {
const char* const NotObtained = "未取得值";

// Re-arms the shared query with sql and its values and runs it.
QSqlQuery& runShared(const QString& sql, const QVariantList& params)
{
    QSqlQuery& q = dm().Query();
    q.finish();
    Tdm::Exec(q, sql, params);
    return q;
}

void closeShared()
{
    dm().Query().finish();
}

// Fills box with the first column of every row of sql. When swallow is set an error ends the
// filling silently and keeps what was added; otherwise it is raised.
void fillCombo(QComboBox* box, const QString& sql, const QVariantList& params, bool clearFirst,
               const QString* firstItem, bool selectFirst, bool swallow)
{
    try {
        QSqlQuery& q = runShared(sql, params);
        if (clearFirst)
            box->clear();
        if (firstItem)
            box->addItem(*firstItem);
        while (q.next())
            box->addItem(q.value(0).toString());
        closeShared();
    } catch (const DbError&) {
        if (!swallow)
            throw;
    }
    box->setCurrentIndex(selectFirst && box->count() > 0 ? 0 : -1);
}

const unsigned char PasswordTable[8] = {0x3C, 0xE1, 0x07, 0x9D, 0x52, 0xA4, 0x1B, 0xF6};
}

bool ExecSql(const QString& sql, const QVariantList& params)
{
    try {
        runShared(sql, params);
        closeShared();
        return true;
    } catch (const DbError&) {
        return false;
    }
}

QString GetSqlValue(const QString& sql, const QVariantList& params)
{
    try {
        QSqlQuery& q = runShared(sql, params);
        QString value = QStringLiteral("-1");
        if (q.next()) {
            const QVariant v = q.value(0);
            if (v.isNull())
                value = QString::fromUtf8(NotObtained);
            else if (v.typeId() == QMetaType::Double)
                value = ui::NumberText(v.toDouble());
            else
                value = v.toString();
        }
        closeShared();
        return value;
    } catch (const DbError&) {
        return QString::fromUtf8(NotObtained);
    }
}

int GetSqlCount(const QString& sql, const QVariantList& params)
{
    try {
        QSqlQuery& q = runShared(sql, params);
        double number = 0;
        bool ok = false;
        if (q.next()) {
            const QVariant v = q.value(0);
            if (!v.isNull()) {
                if (v.typeId() == QMetaType::QString) {
                    const QString text = v.toString().trimmed();
                    const qlonglong whole = text.toLongLong(&ok);
                    number = ok ? static_cast<double>(whole) : text.toDouble(&ok);
                } else {
                    number = v.toDouble(&ok);
                }
            }
        }
        closeShared();
        if (!ok || !std::isfinite(number))
            return 0;
        const double rounded = std::nearbyint(number);   // halves to the even neighbour
        if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
            return 0;
        return static_cast<int>(rounded);
    } catch (const DbError&) {
        return 0;
    }
}

void FillDeptCombo(QComboBox* box)
{
    fillCombo(box, QStringLiteral("select DeptName from hb_SysDept order by xh"), {}, false, nullptr, true, true);
}

void FillRoleCombo(QComboBox* box)
{
    fillCombo(box, QStringLiteral("select RoleName from hb_SysRole order by RoleName"), {}, true, nullptr, true, true);
}

void FillDatumCombo(QComboBox* box, const QString& code)
{
    // Emptied before the query, unlike the role filler.
    box->clear();
    const QString dashes = QStringLiteral("----");
    fillCombo(box, QStringLiteral("select Datum from hb_SysCodeChild where CodeNum=? order by xh"), {code}, false,
              &dashes, false, true);
}

void FillAreaCombo(QComboBox* box, int parentId)
{
    box->clear();
    const QString dashes = QStringLiteral("----");
    fillCombo(box, QStringLiteral("select AreaName from hb_SysArea where TopID=? order by xh"), {parentId}, false,
              &dashes, true, false);
}

void FillChildAreaCombo(QComboBox* box, const QString& parentName)
{
    box->clear();
    const QString dashes = QStringLiteral("----");
    fillCombo(box,
              QStringLiteral("select AreaName from hb_SysArea where TopID=(select ID from hb_SysArea where AreaName=?) "
                             "order by xh"),
              {parentName}, false, &dashes, true, false);
}

void FillProductGridCombo(QComboBox* box)
{
    box->clear();
    fillCombo(box, QStringLiteral("select ProductName from hb_ProductInfo order by ID"), {}, false, nullptr, false,
              false);
}

void FillUserCombo(QComboBox* box)
{
    box->clear();
    const QString empty;
    fillCombo(box, QStringLiteral("select  UseName from hb_SysUser where state='在职' order by ID"), {}, false, &empty,
              false, false);
}

void FillDeptUserCombo(QComboBox* box, const QString& deptId)
{
    box->clear();
    const QString empty;
    bool numeric = false;
    const qlonglong id = deptId.toLongLong(&numeric);
    fillCombo(box, QStringLiteral("select  UseName from hb_SysUser where state='在职' and DeptID=? order by ID"),
              {numeric ? QVariant(id) : QVariant(deptId)}, false, &empty, false, false);
}

QStringList SplitString(const QString& text, const QString& separator)
{
    QStringList pieces;
    if (separator.isEmpty()) {
        if (!text.isEmpty())
            pieces << text;
        return pieces;
    }
    qsizetype start = 0;
    while (start <= text.size()) {
        const qsizetype at = text.indexOf(separator, start);
        if (at < 0) {
            if (start < text.size())
                pieces << text.mid(start);
            break;
        }
        if (at > start)
            pieces << text.mid(start, at - start);
        start = at + separator.size();
    }
    return pieces;
}

QString EncodePassword(const QString& text)
{
    const QByteArray bytes = Gbk::encode(text);
    QString result;
    result.reserve(bytes.size() * 2);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]) ^ PasswordTable[i % 8];
        result += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    }
    return result;
}

QString DecodePassword(const QString& text)
{
    QByteArray bytes;
    const qsizetype pairs = text.size() / 2;
    for (qsizetype k = 0; k < pairs; ++k) {
        bool ok = false;
        const QString pair = text.mid(k * 2, 2);
        const uint value = pair.toUInt(&ok, 16);
        if (!ok || pair.startsWith(QLatin1Char('+')) || pair.startsWith(QLatin1Char('-')) || pair.contains(QLatin1Char(' ')))
            throw std::invalid_argument(QStringLiteral("'%1' is not a valid hexadecimal value").arg(pair).toStdString());
        bytes.append(static_cast<char>(static_cast<unsigned char>(value) ^ PasswordTable[k % 8]));
    }
    return Gbk::decode(bytes);
}

namespace {
TSqlCondition scope(const TCurrentUser& user, const QString& prefix, const QString& lead)
{
    const auto number = [](const QString& digits) {
        bool ok = false;
        const qlonglong id = digits.toLongLong(&ok);
        return ok ? QVariant(id) : QVariant(digits);
    };
    if (user.FindRole == QLatin1String("1"))
        return {lead + prefix + QStringLiteral("DeptID=?"), {number(user.DeptID)}};
    if (user.FindRole == QLatin1String("2"))
        return {lead + prefix + QStringLiteral("UserID=?"), {number(user.UserID)}};
    return {};
}
}

TSqlCondition DataScopeAnd(const TCurrentUser& user, const QString& prefix)
{
    return scope(user, prefix, QStringLiteral(" and "));
}

TSqlCondition DataScopeCondition(const TCurrentUser& user, const QString& prefix)
{
    return scope(user, prefix, QString());
}
