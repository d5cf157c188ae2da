#include "ui/Texts.h"

#include <QRegularExpression>

#include <cmath>

namespace ui {
QString NumberText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

QString DateText(const QDate& date) { return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString(); }
QString TimeText(const QTime& time) { return time.isValid() ? time.toString(QStringLiteral("HH:mm:ss")) : QString(); }
QString DateTimeText(const QDateTime& moment)
{
    return moment.isValid() ? moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

std::optional<QDate> ParseUserDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{4})\\s*[-/.年]\\s*(\\d{1,2})\\s*[-/.月]\\s*(\\d{1,2})\\s*日?\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QDate StoredDate(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    const QString text = value.toString().trimmed();
    if (auto d = ParseUserDate(text.left(text.indexOf(QLatin1Char(' ')) < 0 ? text.size() : text.indexOf(QLatin1Char(' ')))))
        return *d;
    return {};
}

QTime StoredTime(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QTime)
        return value.toTime();
    QString text = value.toString().trimmed();
    if (text.contains(QLatin1Char(' ')))
        text = text.section(QLatin1Char(' '), 1);
    for (const char* format : {"HH:mm:ss", "H:mm:ss", "HH:mm", "H:mm"}) {
        const QTime t = QTime::fromString(text, QString::fromLatin1(format));
        if (t.isValid())
            return t;
    }
    return {};
}

std::optional<double> ParseNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString CellText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Double)
        return NumberText(value.toDouble());
    if (value.typeId() == QMetaType::QDate)
        return DateText(value.toDate());
    return value.toString();
}
}
