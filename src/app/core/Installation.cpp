#include "Installation.h"

#include "IniFile.h"
#include "WinPath.h"

QString Installation::path(const QString& winTail) const
{
    return ResolveWinPath(appDir + winTail);
}

// A relative media root is relative to AppDir (the program's working folder).
static QString anchoredMediaRoot(const Installation& inst)
{
    const QString root = inst.cdDir;
    const bool absolute = root.startsWith(u'/') || root.startsWith(u'\\')
                          || (root.size() >= 2 && root.at(1) == u':');
    if (absolute || inst.appDir.isEmpty())
        return root;
    return inst.appDir + u'\\' + root;
}

QString Installation::mediaPath(const QString& winTail) const
{
    return ResolveWinPath(anchoredMediaRoot(*this) + QStringLiteral("Media") + winTail);
}

QString ModeTitle(int programMode)
{
    static const char* const titles[] = {"Orvanta 6.0 Selko ze słuchu i konwersacje", "Orvanta 6.0 Varda",
                                         "Orvanta 6.0 Tolvar"};
    if (programMode < 1 || programMode > 3)
        return {};
    return QString::fromUtf8(titles[programMode - 1]);
}

QString ModeWord(int programMode)
{
    static const char* const words[] = {"Selko", "Varda", "Tolvar"};
    if (programMode < 1 || programMode > 3)
        return {};
    return QString::fromUtf8(words[programMode - 1]);
}

QString HelpDirForMode(int programMode)
{
    if (programMode == 2)
        return QStringLiteral("\\Pomoc - Varda");
    if (programMode == 1)
        return QStringLiteral("\\Pomoc - Selko");
    return QStringLiteral("\\Pomoc - Brenn");
}

Status CheckScreenSize(int width, int height)
{
    if (width < 1000 || height < 760)
        return Failure{QStringLiteral("Program należy uruchamiać w rozdzielczości 1024 x 768 punktów lub większej."),
                       QStringLiteral("Ostrzeżenie"), MessageIcon::Warning, {}};
    return {};
}

Status ReadMediaRoot(Installation& inst)
{
    const QString cfg = inst.path(QStringLiteral("\\Config\\cfg.ini"));
    inst.cdDir = ReadIniString(cfg, QStringLiteral("DEFAULT"), QStringLiteral("CD"), QString());
    if (inst.cdDir.isEmpty())
        return Failure::error(QStringLiteral("Błąd pliku konfiguracyjnego!"), cfg);
    return {};
}

Status CheckMediaRoot(Installation& inst)
{
    if (!inst.cdDir.endsWith(u'\\'))
        inst.cdDir += u'\\';
    if (!WinDirExists(anchoredMediaRoot(inst) + QStringLiteral("Media")))
        return Failure::error(QStringLiteral("Brak płyty CD-ROM programu ") + ModeTitle(inst.programMode)
                                  + QStringLiteral(". ") + QStringLiteral("Proszę umieścić płytę w napędzie CD-ROM ")
                                  + QStringLiteral("i uruchomić program ponownie."),
                              inst.cdDir + QStringLiteral("Media"));
    return {};
}
