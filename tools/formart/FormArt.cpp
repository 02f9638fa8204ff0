#include "FormArt.h"

#include "FormArtFamilies.h"
#include "GenerateSkin.h"

#include <QDir>
#include <QFileInfo>

QStringList FormPictureNames()
{
    QStringList names = {
        // The navigation form's shared glyphs.
        QStringLiteral("IMG_Sprawdz"), QStringLiteral("IMG_JeszczeRaz"), QStringLiteral("IMG_Zle"),
        QStringLiteral("IMG_OK"), QStringLiteral("IMG_Video"), QStringLiteral("IMG_Glosnik"),
        QStringLiteral("IMG_Info"), QStringLiteral("IMG_Help"), QStringLiteral("IMG_Wroc"),
        QStringLiteral("IMG_Slownik"), QStringLiteral("IMG_Drukuj"), QStringLiteral("IMG_Close_N"),
        QStringLiteral("IMG_Close_D"), QStringLiteral("IMG_Close_H"), QStringLiteral("IMG_Min_N"),
        QStringLiteral("IMG_Min_D"), QStringLiteral("IMG_Min_H"), QStringLiteral("IMG_Mikrofon1"),
        QStringLiteral("IMG_Mikrofon2"), QStringLiteral("IMG_Analizator"),
        // The gap typing window's empty field.
        QStringLiteral("IMG_Pole"),
        // The help window's own pictures.
        QStringLiteral("Pomoc_Image2"), QStringLiteral("Pomoc_btnWroc"),
        // The table of contents.
        QStringLiteral("Tabka_UP"), QStringLiteral("Tabka_Hover"), QStringLiteral("Wiersz_L1_UP"),
        QStringLiteral("Wiersz_L1_Hover"), QStringLiteral("Wiersz_L2_Up"), QStringLiteral("Wiersz_L2_Hover"),
        QStringLiteral("IMG_Books"), QStringLiteral("IMG_Plus"), QStringLiteral("IMG_Minus"),
        QStringLiteral("img_poz1"), QStringLiteral("img_poz2"), QStringLiteral("img_poz3"),
        QStringLiteral("img_poz4"), QStringLiteral("img_prtlo"), QStringLiteral("img_pr"),
        QStringLiteral("SB_UP"), QStringLiteral("SB_DOWN"), QStringLiteral("SB_SUWAK"),
        QStringLiteral("SB_RYNNA1"), QStringLiteral("SB_RYNNA2"), QStringLiteral("SB_RYNNA3"),
    };
    for (const QString& suffix : KindIconSuffixes())
        names << QStringLiteral("Typ_") + suffix;
    for (const QString& suffix : KindIconSuffixes())
        names << QStringLiteral("Typ_g_") + suffix;
    names << ShellPictureNames();
    return names;
}

QImage DrawFormPicture(const QString& name)
{
    if (!FormPictureNames().contains(name))
        return {};
    for (auto draw : {DrawGlyphPicture, DrawRowPicture, DrawKindIcon, DrawShellPicture})
        if (std::optional<QImage> picture = draw(name))
            return *picture;
    return {};
}

Status GenerateFormPictures(const QString& outDir, const QString& qrcFile)
{
    if (!QDir().mkpath(outDir))
        return Failure::error(QStringLiteral("cannot create %1").arg(outDir), outDir);
    const QDir qrcDir = QFileInfo(qrcFile).absoluteDir();
    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/forms\">\n";
    for (const QString& name : FormPictureNames()) {
        const QImage picture = DrawFormPicture(name);
        if (picture.isNull())
            return Failure::error(QStringLiteral("no drawing for the picture %1").arg(name));
        const QString path = outDir + u'/' + name + QStringLiteral(".png");
        if (Status s = WritePngPicture(path, picture); !s.ok())
            return s;
        qrc += "  <file alias=\"" + name.toUtf8() + ".png\">" + qrcDir.relativeFilePath(path).toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    return WriteFileBytes(qrcFile, qrc);
}
