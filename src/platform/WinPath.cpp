#include "WinPath.h"

#include <QDir>
#include <QFileInfo>

static QString normalizeSeparators(const QString& path)
{
    QString p = path;
    p.replace(u'\\', u'/');
    QString out;
    out.reserve(p.size());
    for (QChar c : p) {
        if (c == u'/' && out.endsWith(u'/'))
            continue;
        out.append(c);
    }
    if (out.size() > 1 && out.endsWith(u'/'))
        out.chop(1);
    return out;
}

QString ResolveWinPath(const QString& path)
{
    const QString p = normalizeSeparators(path);
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;

    const bool absolute = p.startsWith(u'/');
    const QStringList parts = p.split(u'/', Qt::SkipEmptyParts);
    QString cur = absolute ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const QString exact = cur.isEmpty() ? part : (cur.endsWith(u'/') ? cur + part : cur + u'/' + part);
        if (part == u"." || part == u".." || QFileInfo::exists(exact)) {
            cur = exact;
            continue;
        }
        const QDir dir(cur.isEmpty() ? QStringLiteral(".") : cur);
        QString match;
        const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& e : entries) {
            if (e.compare(part, Qt::CaseInsensitive) == 0) {
                match = e;
                break;
            }
        }
        if (match.isEmpty()) {
            // Not found: keep the rest as written.
            QString rest = exact;
            for (qsizetype j = i + 1; j < parts.size(); ++j)
                rest += u'/' + parts[j];
            return rest;
        }
        cur = cur.isEmpty() ? match : (cur.endsWith(u'/') ? cur + match : cur + u'/' + match);
    }
    return cur;
}

QString WinJoin(const QString& base, const QString& tail)
{
    return ResolveWinPath(base + u'\\' + tail);
}

bool WinFileExists(const QString& path)
{
    return QFileInfo(ResolveWinPath(path)).isFile();
}

bool WinDirExists(const QString& path)
{
    return QFileInfo(ResolveWinPath(path)).isDir();
}

QString WinFileName(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return cut < 0 ? path : path.mid(cut + 1);
}
