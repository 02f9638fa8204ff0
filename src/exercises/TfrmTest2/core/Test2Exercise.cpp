#include "Test2Exercise.h"

#include "ExerciseMessages.h"
#include "Test2Binding.h"
#include "Test2Questions.h"

#include <algorithm>

Test2Content ReadTest2(const ExerciseDocument& doc, int instructionLanguage, int translationLanguage)
{
    const TXMLCwiczenieType cw = doc.cwiczenie();
    const TXMLTest2BodyType body(cw.body().node());
    Test2Content c;
    c.html = body.html();
    c.instruction = InstructionInLanguage(body.polecenie(), instructionLanguage);
    c.translation = InstructionInLanguage(body.polecenie(), translationLanguage);
    int number = 0;
    for (const TXMLGrupaType g : body.grupy().grupa()) {
        QStringList answers;
        for (const TXMLOdpowiedzType o : g.odpowiedz())
            answers.append(o.text());
        c.grupy.append(BuildGrupa(++number, g.media(), g.naglowek(), g.poprawne(), answers));
    }
    return c;
}

Expected<Test2Content> LoadTest2File(const QString& path, int instructionLanguage, int translationLanguage)
{
    auto doc = OpenExerciseFile(path, QStringLiteral("TfrmTest2"));
    if (!doc.ok())
        return doc.failure();
    Test2Content content;
    const Status s = GuardedExerciseLoad(path, [&] { content = ReadTest2(*doc, instructionLanguage, translationLanguage); });
    if (!s.ok())
        return s.failure();
    return content;
}

void ShuffleTest(QList<TGrupa>& grupy, std::mt19937& random)
{
    std::shuffle(grupy.begin(), grupy.end(), random);
    for (TGrupa& g : grupy)
        std::shuffle(g.rows.begin(), g.rows.end(), random);
}
