// Files of the word and picture games: antonyms, three pictures and the
// reveal game.
#include "BodyCheckers.h"
#include "BodyFiles.h"

#include "XmlFile.h"

// Antonyms: the media button is shown when Media\Zdania holds the recording
// (".wav" taken as ".mp3") and plays the one of Media\Teksty; both are needed.
void CheckAntonymFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    f.handbookPage(ChildText(f.body(), "html"));
    f.recordingInZdaniaAndTeksty(WavAsMp3(ChildText(f.config(), "multimedia")));
}

// Three pictures: each round's recording (as ".mp3") and its three pictures
// (as ".png"), all in Media\3Obrazki. A round cannot be built without them.
void CheckThreePicturesFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    static const QString folder = QStringLiteral("3Obrazki");
    int n = 0;
    for (pugi::xml_node g : f.body().children("grupa")) {
        const QString round = QStringLiteral("round %1").arg(++n);
        const QString sampel = XmlAttr(g, "sampel");
        f.requiredMedia(folder, sampel, ChangeFileExt(sampel, QStringLiteral(".mp3")), QStringLiteral("recording"),
                        round);
        for (const char* attr : {"bmp1", "bmp2", "bmp3"}) {
            const QString bmp = XmlAttr(g, attr);
            f.requiredMedia(folder, bmp, ChangeFileExt(bmp, QStringLiteral(".png")), QStringLiteral("picture"),
                            round + QStringLiteral(" (") + QLatin1String(attr) + u')');
        }
    }
}

// Reveal game: the hidden picture, named after the exercise file, in
// Gfx\Odkrywanki_gfx, and each definition's recording (as ".mp3") in
// Media\Odkrywanki. The words' own recordings are never played.
void CheckRevealFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    f.appFile(QStringLiteral("Gfx\\Odkrywanki_gfx\\") + ExerciseBaseName(ctx.fileName) + QStringLiteral(".jpg"),
              QStringLiteral("picture"));
    int n = 0;
    for (pugi::xml_node e : f.body().children("element")) {
        const QString sampel = XmlAttr(e.child("definicja"), "sampel");
        f.requiredMedia(QStringLiteral("Odkrywanki"), sampel, ChangeFileExt(sampel, QStringLiteral(".mp3")),
                        QStringLiteral("recording"), QStringLiteral("definition %1").arg(++n));
    }
}
