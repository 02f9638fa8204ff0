#pragma once

#include "Failure.h"
#include "Installation.h"
#include "TUser.h"

#include <QByteArray>
#include <QList>

// The user list in memory: the plain (unscrambled) Windows-1250 lines of
// AppDir\Users\usr.txt, one per profile, in creation order, which is the order
// of the login list. Lines are kept as bytes so that a list read and saved
// again is byte for byte the same, whatever a line holds.
struct UserList {
    QList<QByteArray> lines;

    qsizetype count() const { return lines.size(); }
    bool isEmpty() const { return lines.isEmpty(); }
    TUser user(qsizetype index) const;      // ParseUserLine of line `index`
    QString lineText(qsizetype index) const; // the plain line decoded
    qsizetype indexOfId(qint32 id) const;    // -1 when no line has that Id
};

// AppDir\Users\usr.txt (resolved).
QString UserListPath(const Installation& inst);

// Reads and unscrambles every line; a missing file gives an empty list. A file
// that exists but cannot be read is a failure: an empty list saved over it
// would lose every profile.
Expected<UserList> LoadUserList(const Installation& inst);

// Scrambles every line and replaces usr.txt with them crash-safely, each line
// followed by CR LF. The Users folder is not created; without it this fails.
Status SaveUserList(const Installation& inst, const UserList& list);

// 1 for an empty list, else the Id of the last line plus 1, so the Id of a
// profile removed from the end is given again. When that number is below 1 or
// already taken (only possible in a list edited by hand), the largest Id plus 1.
qint32 NewUserId(const UserList& list);

// Whether another profile (one whose Id differs from `editedId`, 0 for a new
// profile) has the login `login`, comparing both after upper-casing a-z only.
bool IsLoginTaken(const UserList& list, const QString& login, qint32 editedId);
