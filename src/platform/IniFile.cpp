#include "IniFile.h"

#include "AnsiText.h"

#include <QFile>

QString ReadIniString(const QString& path, const QString& section, const QString& key,
                      const QString& defaultValue)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return defaultValue;
    QByteArray bytes = f.readAll();
    QStringList lines;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        lines = QString::fromUtf8(bytes.mid(3)).split(QChar(u'\n'));
    else
        lines = splitAnsiLines(bytes);

    bool inSection = false;
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QString value = line.mid(eq + 1).trimmed();
        // Windows strips one pair of surrounding quotes.
        if (value.size() >= 2 && ((value.startsWith(u'"') && value.endsWith(u'"'))
                                  || (value.startsWith(u'\'') && value.endsWith(u'\''))))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return defaultValue;
}
