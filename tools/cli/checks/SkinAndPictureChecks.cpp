// The skin library and the window backgrounds.
#include "InstallationFileChecks.h"

#include "Definitions.h"
#include "Skin.h"
#include "SkinPictureNames.h"
#include "WinPath.h"

#include <QDir>
#include <QFileInfo>

void CheckSkinLibrary(const Installation& inst, InstallationReport& report)
{
    static const QString where = QStringLiteral("resource.dll");
    const Expected<LoadedSkin> skin = LoadSkin(inst.path(QStringLiteral("\\resource.dll")));
    if (!skin.ok()) {
        report.problem(where, skin.failure().text);
        return;
    }
    // Only the presence and the PNG signature are tested: decoding every
    // picture would make the check slow, and the four pictures LoadSkin needs
    // were decoded above.
    const PeModule& module = skin->library->module();
    for (const QString& name : AllSkinPictureNames()) {
        const auto data = module.find(PeResourceId::of(PeType::RcData), PeResourceId::of(name));
        if (!data)
            report.warning(where, QStringLiteral("picture %1 is missing").arg(name));
        else if (!data->startsWith(QByteArrayView("\x89PNG\r\n\x1A\n")))
            report.warning(where, QStringLiteral("picture %1 is not a PNG picture").arg(name));
    }
    for (const QString& name : SkinSoundNames())
        if (skin->library->sound(name).isEmpty())
            report.warning(where, QStringLiteral("sound %1 is missing").arg(name));
}

void CheckBackgrounds(const Installation& inst, InstallationReport& report)
{
    static const QString where = QStringLiteral("Gfx");
    // Fixed backgrounds: login and help windows, exercise windows, the
    // selection screen and the lesson list.
    static const char* const files[] = {
        "bg.bmp",          "bg_zeszyt.png",       "bg_selko.bmp",        "bg_selko.png",
        "bg_3obrazki.bmp", "bg_dialog.bmp",       "bg_odkrywanka_7.bmp", "bg_odkrywanka_8.bmp",
        "wyborcwiczenia_tlo.bmp", "bg_tw_1.png",  "bg_tw_2.png",
        // The dialogue windows fall back on this one when the exercise has
        // no background of its own.
        "Background_dial\\bg_dialog.bmp",
    };
    QStringList names;
    for (const char* f : files)
        names.append(QLatin1String(f));
    // The main window's background for each interface language.
    if (const auto langs = ReadLanguages(inst); langs.ok())
        for (const LanguageInfo& l : *langs)
            names.append(QStringLiteral("bg_start_%1.png").arg(l.id + 1));
    for (const QString& name : names)
        if (!WinFileExists(inst.path(QStringLiteral("\\Gfx\\") + name)))
            report.problem(where, QStringLiteral("background %1 is missing").arg(name));

    // Folders of which the exercise windows pick one "*.bmp" at random.
    for (const char* folder : {"Background_cw", "Background_selko", "Background_dial", "Background_zda"}) {
        const QString path = inst.path(QStringLiteral("\\Gfx\\") + QLatin1String(folder));
        if (!QFileInfo(path).isDir())
            report.problem(where, QStringLiteral("background folder %1 is missing").arg(QLatin1String(folder)));
        else if (QDir(path).entryList({QStringLiteral("*.bmp")}, QDir::Files).isEmpty())
            report.problem(where, QStringLiteral("background folder %1 holds no .bmp picture").arg(QLatin1String(folder)));
    }
}
