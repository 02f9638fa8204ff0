#include "WpisywanieBody.h"

#include "ExerciseMessages.h"
#include "FieldOf.h"
#include "GapText.h"
#include "TElement.h"

QString GapTextMediaName(const QString& multimedia)
{
    return multimedia.endsWith(QLatin1String(".wav")) ? multimedia.chopped(4) + QStringLiteral(".mp3") : multimedia;
}

GapTextContent ReadGapTextContent(const ExerciseDocument& doc, int instructionLanguage, int translationLanguage)
{
    const TXMLWpisywanieType root(doc.cwiczenie().node());
    const TXMLWpisywanieBodyType body = root.body();
    GapTextContent c;
    c.media = GapTextMediaName(root.config().multimedia());
    c.html = body.html();
    c.instruction = InstructionInLanguage(body.polecenie(), instructionLanguage);
    c.translation = InstructionInLanguage(body.polecenie(), translationLanguage);
    c.phrases = body.minislownik();
    c.text = ParseGapText(body.tresc());
    return c;
}

Expected<GapTextContent> LoadGapTextFile(const QString& path, const QString& windowClass, int instructionLanguage,
                                         int translationLanguage)
{
    Expected<ExerciseDocument> doc = OpenExerciseFile(path, windowClass);
    if (!doc.ok())
        return doc.failure();
    GapTextContent content;
    const Status s = GuardedExerciseLoad(path, [&] {
        content = ReadGapTextContent(*doc, instructionLanguage, translationLanguage);
    });
    if (!s.ok())
        return s.failure();
    return content;
}

QString GapTextTitle(int programMode, const TElement* current, const TElement* container)
{
    if (programMode == 2)
        return current ? current->Caption.mid(current->Caption.indexOf(u']') + 1) : QString();
    return container ? FieldOf(3, container->Caption, u'=') : QString();
}
