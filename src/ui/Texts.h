#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>
#include <optional>

// How numbers, dates and times are written as text throughout the program and the database.
namespace ui {
QString NumberText(double value);          // shortest general form: 37.5, 120, 0.3
QString DateText(const QDate& date);       // yyyy-MM-dd (empty for an invalid date)
QString TimeText(const QTime& time);       // HH:mm:ss
QString DateTimeText(const QDateTime& moment);  // yyyy-MM-dd HH:mm:ss

// A date typed by a user, read leniently: 2011-3-28, 2011-03-28, 2011/3/28, 2011.3.28.
std::optional<QDate> ParseUserDate(const QString& text);
// A stored date or date-time text (or a date-time value) read back as a date.
QDate StoredDate(const QVariant& value);
QTime StoredTime(const QVariant& value);
// A typed number: "12.5", " 3 ", "-1e3"; nothing for empty or non-numeric text.
std::optional<double> ParseNumber(const QString& text);

// A grid cell's text for a stored value: numbers in the shortest form, date-times as stored.
QString CellText(const QVariant& value);
}
