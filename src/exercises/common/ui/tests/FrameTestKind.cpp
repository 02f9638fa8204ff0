#include "FrameTestKind.h"

#include "ExerciseText.h"
#include "ShellContext.h"

#include <QPainter>

#include <pugixml.hpp>

#include <stdexcept>

ExerciseFrameOptions FrameTestKind::nextOptions;
int FrameTestKind::loads = 0;
int FrameTestKind::releases = 0;
int FrameTestKind::runs = 0;
int FrameTestKind::alive = 0;
int FrameTestKind::areaPresses = 0;
int FrameTestKind::checkPresses = 0;

void FrameTestKind::resetCounters()
{
    loads = releases = runs = areaPresses = checkPresses = 0;
}

FrameTestKind::FrameTestKind(ExerciseServices& services) : TfrmCwiczenie(services, nextOptions)
{
    ++alive;
}

FrameTestKind::~FrameTestKind()
{
    --alive;
}

QRect FrameTestKind::wordRect(int i) const
{
    return QRect(10, i * lineHeight - scrollOffset(), 200, lineHeight - 4);
}

void FrameTestKind::ResetModel()
{
    painted.clear();
}

void FrameTestKind::LoadModel(const ExerciseDocument& doc)
{
    const pugi::xml_node body = doc.dom().child("cwiczenie").child("body");
    if (body.child("zepsute"))
        throw std::runtime_error("broken body");
    QString caption, translation;
    for (pugi::xml_node p : body.children("polecenie")) {
        const int id = p.attribute("id").as_int();
        if (id == ctx().settings.InstructionLanguage)
            caption = QString::fromUtf8(p.text().get());
        if (id == ctx().settings.TranslationLanguage)
            translation = QString::fromUtf8(p.text().get());
    }
    SetInstruction(caption, translation);
    SetHandbookPage(QString::fromUtf8(body.child("html").text().get()));
    painted = QString::fromUtf8(body.child("slowa").text().get()).split(u' ', Qt::SkipEmptyParts);
    ++loads;
}

void FrameTestKind::ReleaseModel()
{
    painted.clear();
    ++releases;
}

void FrameTestKind::StartRunModel()
{
    ++runs;
    SetResultLine(0, int(painted.size()));
}

int FrameTestKind::PaintArea(QPainter& p)
{
    for (int i = 0; i < painted.size(); ++i) {
        const QRect r = wordRect(i);
        p.drawText(r, painted[i]);
        words().Add(painted[i], r);
    }
    return int(painted.size()) * lineHeight;
}

QString FrameTestKind::PrintBody() const
{
    return QStringLiteral("<P>") + ToHtmlText(painted.join(u' ')) + QStringLiteral("</P>");
}
