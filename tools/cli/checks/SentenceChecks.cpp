// Files of the sentence exercises: the sentence puzzle, sentence
// drag-and-drop and the three windows of a sentence file.
#include "BodyCheckers.h"
#include "BodyFiles.h"

#include "XmlFile.h"

// Sentence puzzle: each sentence's recording in Media\Zdania, as named.
void CheckSentencePuzzleFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    f.handbookPage(ChildText(f.body(), "html"));
    f.sentenceRecordings();
}

// Sentence drag-and-drop: the text recording in Media\Teksty under the name
// the envelope gives; an ".xml" name shows the buttons but plays nothing.
void CheckSentenceDragFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    f.handbookPage(ChildText(f.body(), "html"));
    const QString media = ChildText(f.config(), "multimedia");
    if (!media.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive))
        f.textMedia(media);
}

// Sentence file (arranging, dictation, translation): every sentence is played
// from Media\Zdania with its name's extension replaced by ".mp3".
void CheckSentenceFileFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    int n = 0;
    for (pugi::xml_node z : f.body().children("zdanie")) {
        ++n;
        const QString sampel = XmlAttr(z, "sampel");
        f.requiredMedia(QStringLiteral("Zdania"), sampel, ChangeFileExt(sampel, QStringLiteral(".mp3")),
                        QStringLiteral("recording"), QStringLiteral("sentence %1").arg(n));
    }
}
