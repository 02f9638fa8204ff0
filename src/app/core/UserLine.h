#pragma once

#include "Failure.h"
#include "TUser.h"

#include <QByteArray>
#include <QString>

#include <optional>

// One line of the user list AppDir\Users\usr.txt. Plain, it reads
//   Id=Login=Gender=HasPassword=Password=Figure
// in Windows-1250; on disk every byte is scrambled with the 8-byte key
// "QEV_MARO", the key restarting with every line.

// Byte j of the line is stored as (byte + key[(j + 1) mod 8]) mod 256.
QByteArray ScrambleUserLine(const QByteArray& plain);
QByteArray UnscrambleUserLine(const QByteArray& scrambled);

// Fields 1..6 of a plain line. Id and the figure are decimal (a field that is
// not a number counts as 0); Figure is returned in memory form (file value + 1,
// wrapping as a byte); Gender is the first character of field 3; HasPassword
// is field 4 read as a number other than 0. Missing fields are empty. Never fails.
TUser ParseUserLine(const QByteArray& plain);

// The six fields joined by "=", with Figure written as the record holds it,
// which must be the file form (see TUser). No checks; see EncodeUserLine.
QString FormatUserLine(const TUser& user);

// Why `login` cannot be part of a line: it holds "=", a control character or a
// character outside Windows-1250. Nullopt when it can.
std::optional<QString> LoginCharacterProblem(const QString& login);

// Why `user` cannot be stored as a line that reads back as the same profile,
// or nullopt. A field holding "=" would split into two fields; a character
// outside Windows-1250 or a control character would be changed or break the
// line; and some letters above code 127 scramble, at some positions, into CR,
// LF or NUL, which would break the line when the list is read again. The
// message is the one the learner is shown.
std::optional<QString> UserLineProblem(const TUser& user);

// The plain Windows-1250 line of `user` (Figure in file form), or the failure
// UserLineProblem describes.
Expected<QByteArray> EncodeUserLine(const TUser& user);
