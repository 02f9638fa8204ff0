#include "ExerciseWindowTest.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

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

void ExerciseWindowTest::savePicture(const QString& path, QSize size, QColor colour) const
{
    const QString file = appDir + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(file).path());
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    img.save(file);
}
