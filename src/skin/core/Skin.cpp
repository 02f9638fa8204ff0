#include "Skin.h"

#include "FolderSkin.h"

QString SkinLibraryMissingText()
{
    return QStringLiteral("Brak biblioteki DLL!. Aplikacja zostanie zakończona!");
}

Expected<LoadedSkin> LoadSkin(const QString& path)
{
    const Failure missing = Failure::error(SkinLibraryMissingText(), path);
    auto opened = SkinLibrary::open(path);
    if (!opened)
        return missing;
    LoadedSkin skin;
    skin.library = std::move(opened).value();
    const std::optional<SkinRecord> record = MeasureSkinRecord(*skin.library);
    if (!record)
        return missing;
    skin.record = *record;
    return skin;
}

Expected<QImage> LoadSkinImage(const ISkinImages* library, const QString& name)
{
    QImage picture = library ? library->image(name) : QImage();
    if (picture.isNull())
        return Failure::error(QStringLiteral("The png image could not be loaded from the resource ID."));
    return picture;
}

bool PlaySkinSound(const SkinLibrary* library, IAudioOutput& audio, const QString& name)
{
    const QByteArray wav = library ? library->sound(name) : QByteArray();
    return !wav.isEmpty() && audio.playWav(wav);
}

SkinShare SkinShareFor(QStringView className)
{
    if (className == u"TLumResButton")
        return SkinShare::LibraryUnlessUndefinedSize;
    for (const char16_t* c : {u"TLumBelka", u"TLumGroupFrame", u"TLumZeszytStatystyki", u"TLumProgress",
                              u"TLum3ObrazkiFrame", u"TLumDymek"})
        if (className == c)
            return SkinShare::Library;
    if (className == u"TLumDialogWindow" || className == u"TLumMsgBoxWindow")
        return SkinShare::Record;
    return SkinShare::Nothing;
}

QString ModuleVersionDigits(const QString& path)
{
    const auto library = SkinLibrary::open(path);
    const auto v = library ? library.value()->fileVersion() : std::nullopt;
    if (!v)
        return QStringLiteral("0000");
    return QStringLiteral("%1%2%3%4").arg((*v)[0]).arg((*v)[1]).arg((*v)[2]).arg((*v)[3]);
}
