#pragma once

#include <QString>

// The n-th field (1-based) of `text` split at `separator`. The text is treated as
// ending in a separator; consecutive separators give empty fields; an empty text,
// n below 1 or n beyond the last field give the empty text.
QString FieldOf(int n, const QString& text, QChar separator);
QByteArray FieldOf(int n, const QByteArray& text, char separator);
