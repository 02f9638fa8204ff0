// Files of the dialogue windows. Every line's recording lies in Media\Dialogi
// with its name's extension replaced by ".mp3". The gap-filling window and
// the reading view play nothing.
#include "BodyCheckers.h"
#include "BodyFiles.h"

#include "XmlFile.h"

namespace {

void lineRecording(BodyFiles& f, pugi::xml_node line, int n)
{
    const QString sampel = XmlAttr(line, "sampel");
    f.requiredMedia(QStringLiteral("Dialogi"), sampel, ChangeFileExt(sampel, QStringLiteral(".mp3")),
                    QStringLiteral("recording"), QStringLiteral("line %1").arg(n));
}

} // namespace

// Presentation: plays every line, and a speaker's lines with the silence
// Media\Teksty\cisza.wav between them.
void CheckDialoguePresentationFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    int n = 0;
    for (pugi::xml_node k : f.body().children("kwestia"))
        lineRecording(f, k, ++n);
    f.media(QStringLiteral("Teksty"), QStringLiteral("cisza.wav"), QStringLiteral("silence recording"));
}

// Comprehension: plays the hidden lines. Hiding modes 2 and 3 may hide any
// line at random; the others hide the lines marked invisible. A value that
// cannot be read counts as "any line".
void CheckDialogueComprehensionFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    const std::optional<int> mode = ParseXmlInt(ChildText(f.body(), "tryb_znikania"));
    const bool anyLine = !mode || *mode == 2 || *mode == 3;
    int n = 0;
    for (pugi::xml_node k : f.body().children("kwestia")) {
        ++n;
        const std::optional<int> visible = ParseXmlInt(XmlAttr(k, "visible"));
        if (anyLine || !visible || *visible == 0)
            lineRecording(f, k, n);
    }
}
