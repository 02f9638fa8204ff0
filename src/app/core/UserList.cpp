#include "UserList.h"

#include "AnsiText.h"
#include "FieldOf.h"
#include "SafeSave.h"
#include "UserLine.h"

#include <QFile>

#include <algorithm>

TUser UserList::user(qsizetype index) const
{
    return ParseUserLine(lines.at(index));
}

QString UserList::lineText(qsizetype index) const
{
    return decodeAnsi(lines.at(index));
}

qsizetype UserList::indexOfId(qint32 id) const
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (user(i).Id == id)
            return i;
    return -1;
}

QString UserListPath(const Installation& inst)
{
    return inst.path(QStringLiteral("\\Users\\usr.txt"));
}

Expected<UserList> LoadUserList(const Installation& inst)
{
    const QString path = UserListPath(inst);
    UserList list;
    if (!QFile::exists(path))
        return list;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Failure::error(QStringLiteral("Nie można odczytać listy użytkowników z pliku %1.").arg(path), path);
    for (const QByteArray& line : splitByteLines(f.readAll()))
        list.lines.append(UnscrambleUserLine(line));
    return list;
}

Status SaveUserList(const Installation& inst, const UserList& list)
{
    QByteArray bytes;
    for (const QByteArray& line : list.lines)
        bytes += ScrambleUserLine(line) + "\r\n";
    return SaveFileAtomically(UserListPath(inst), bytes);
}

qint32 NewUserId(const UserList& list)
{
    if (list.isEmpty())
        return 1;
    const qint32 next = list.user(list.count() - 1).Id + 1;
    if (next >= 1 && list.indexOfId(next) < 0)
        return next;
    qint32 largest = 0;
    for (qsizetype i = 0; i < list.count(); ++i)
        largest = std::max(largest, list.user(i).Id);
    return largest + 1;
}

static QString asciiUpper(QString s)
{
    for (QChar& c : s)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return s;
}

bool IsLoginTaken(const UserList& list, const QString& login, qint32 editedId)
{
    const QString wanted = asciiUpper(login);
    for (qsizetype i = 0; i < list.count(); ++i) {
        const TUser u = list.user(i);
        if (u.Id != editedId && asciiUpper(u.Login) == wanted)
            return true;
    }
    return false;
}
