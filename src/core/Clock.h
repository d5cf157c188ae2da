#pragma once
#include <QDate>
#include <QDateTime>

// The program's one clock for "today" and "now". Tests fix it to a date of their choosing.
namespace Clock {
QDateTime now();
QDate today();
void setFixed(const QDateTime& moment);   // from now on now() answers this moment
void reset();                              // back to the system clock
}
