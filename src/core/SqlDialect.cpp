#include "core/SqlDialect.h"

namespace SqlDialect {
QString Like(const QString& column) { return column + QStringLiteral(" like ? escape '\\'"); }

QString LikeContains(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QString Year(const QString& column) { return QStringLiteral("cast(strftime('%Y',%1) as integer)").arg(column); }
QString Month(const QString& column) { return QStringLiteral("cast(strftime('%m',%1) as integer)").arg(column); }
}
