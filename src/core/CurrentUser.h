#pragma once
#include <QString>

// The logged-in user, filled once at login from the login query.
struct TCurrentUser {
    QString UserID;
    QString UserName;
    QString DeptID;
    QString DeptName;
    QString RoleName;
    QString FindRole;

    bool isAdministrator() const { return RoleName == QStringLiteral("管理员"); }
};

// Held by the main window; every screen reads it.
extern TCurrentUser CurrentUser;
