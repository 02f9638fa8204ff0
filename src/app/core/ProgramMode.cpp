#include "ProgramMode.h"

#include "WinPath.h"

#include <QDir>

const QStringList& VardaFragments()
{
    static const QStringList f{"lp", "mc", "tabgr", "tf", "ukl", "wp", "wpgr", "dd"};
    return f;
}

const QStringList& SelkoFragments()
{
    static const QStringList f{"3ob", "odk", "dial", "zda", "pc"};
    return f;
}

const QStringList& BrennFragments()
{
    static const QStringList f{"dia", "tek"};
    return f;
}

static double markedShare(const QStringList& fragments, const QStringList& names)
{
    int marked = 0;
    for (const QString& frag : fragments) {
        for (const QString& name : names) {
            if (name.contains(frag, Qt::CaseSensitive)) {
                ++marked;
                break;
            }
        }
    }
    return double(marked) / double(fragments.size());
}

int ScoreProgramMode(const QStringList& fileNames)
{
    int score = 0;
    if (markedShare(VardaFragments(), fileNames) > 0.124)
        score += 2;
    if (markedShare(SelkoFragments(), fileNames) > 0.19)
        score += 1;
    if (markedShare(BrennFragments(), fileNames) > 0.499)
        score += 3;
    return (score >= 1 && score <= 3) ? score : 0;
}

QStringList ListExerciseFiles(const QString& appDir)
{
    const QDir dane(ResolveWinPath(appDir + QStringLiteral("\\Dane")));
    QStringList names;
    // "*.xml" matches any case on Windows.
    for (const QString& n : dane.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase))
        if (n.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive))
            names.append(n);
    return names;
}

QString ModeQuestionText()
{
    return QStringLiteral("Wykryto wspólne dane. Aby pracować w trybie Varda wybierz Tak. Aby pracować w trybie Selko wybierz Nie.");
}
