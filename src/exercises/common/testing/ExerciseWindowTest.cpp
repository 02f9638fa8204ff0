#include "ExerciseWindowTest.h"

void ExerciseWindowTest::SetUp()
{
    CourseUi::SetUp();
    settings.TranslationLanguage = 0;
    settings.Option9 = false;
}

void ExerciseWindowTest::TearDown()
{
    closeExerciseWindows();
    services.reset();
    nav.reset();
}

void ExerciseWindowTest::startCourse()
{
    nav = loadCourse(background);
    services = std::make_unique<ExerciseServices>(ExerciseServices{
        ctx, *nav, player, [this](const QString& word) { lookUpWord(word); }, &rng, &printer,
        [this](const QString& name) { sounds << name; }});
}

void ExerciseWindowTest::closeExerciseWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TfrmCwiczenie*>(w))
            delete w;
    closeOpenWindows();
}
