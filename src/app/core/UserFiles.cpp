#include "UserFiles.h"

#include "SafeSave.h"
#include "Utf16Text.h"

QString UserFilePath(const Installation& inst, int userId, const QString& suffix)
{
    return inst.path(QStringLiteral("\\Users\\") + QString::number(userId) + suffix);
}

QByteArray EmptyResultsFileBytes()
{
    return encodeUtf16LeLines({QStringLiteral("<?xml version=\"1.0\"?><cwiczenia></cwiczenia>")});
}

QByteArray DefaultConfigFileBytes()
{
    return encodeUtf16LeLines({
        QStringLiteral("<?xml version=\"1.0\"?>"),
        QStringLiteral("<config>"),
        QStringLiteral("<value id=\"1\">0</value>"),
        QStringLiteral("<value id=\"2\">0</value>"),
        QStringLiteral("<value id=\"3\">0</value>"),
        QStringLiteral("<value id=\"4\">1</value>"),
        QStringLiteral("<value id=\"5\">61</value>"),
        QStringLiteral("<value id=\"6\">3</value>"),
        QStringLiteral("<value id=\"7\">1</value>"),
        QStringLiteral("<value id=\"8\">1</value>"),
        QStringLiteral("<value id=\"9\">1</value>"),
        QStringLiteral("<value id=\"10\">0</value>"),
        QStringLiteral("<value id=\"11\">1</value>"),
        QStringLiteral("</config>"),
    });
}

Status WriteEmptyResultsFile(const Installation& inst, int userId)
{
    return SaveFileAtomically(UserFilePath(inst, userId, QStringLiteral("_stat.xml")), EmptyResultsFileBytes());
}

Status WriteDefaultConfigFile(const Installation& inst, int userId)
{
    return SaveFileAtomically(UserFilePath(inst, userId, QStringLiteral("_config.xml")), DefaultConfigFileBytes());
}
