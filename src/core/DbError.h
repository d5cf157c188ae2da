#pragma once
#include <QString>
#include <stdexcept>

// A database or file error that a screen does not handle itself. It travels up to the nearest
// event boundary (ui::guarded, the hosted screens' show event, the application's notify), which
// shows the standard error box and leaves the screen as it was.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
