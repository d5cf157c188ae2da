#pragma once
// The few expressions that depend on the database engine, kept in one place.
#include <QString>

namespace SqlDialect {
// "column like ? escape '\'" with the bound pattern from LikeContains: a substring match in
// which %, _ and \ typed by the user match themselves.
QString Like(const QString& column);
QString LikeContains(const QString& text);
// Year and month of a stored date text, as numbers.
QString Year(const QString& column);
QString Month(const QString& column);
}
