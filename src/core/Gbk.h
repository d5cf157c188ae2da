#pragma once
#include <QByteArray>
#include <QString>

// Conversion between the program's Unicode text and the GBK bytes that the stored password form
// and the Excel export are defined on. Characters that GBK cannot hold become '?'.
namespace Gbk {
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
}
