#include "ProgramMode.h"

#include "WinPath.h"

#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

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
    // Read with readdir: the entry type comes with the name, so a folder of
    // thousands of exercise files is listed without a stat per file (only
    // links and entries of unknown type are looked up).
    const QByteArray dane = QFile::encodeName(ResolveWinPath(appDir + QStringLiteral("\\Dane")));
    QStringList names;
    DIR* dir = ::opendir(dane.constData());
    if (!dir)
        return names;
    while (const dirent* e = ::readdir(dir)) {
        const QString name = QFile::decodeName(e->d_name);
        // "*.xml" matches any case on Windows.
        if (!name.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive))
            continue;
        bool isFile = e->d_type == DT_REG;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            struct stat st;
            isFile = ::stat((dane + '/' + e->d_name).constData(), &st) == 0 && S_ISREG(st.st_mode);
        }
        if (isFile)
            names.append(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int r = a.compare(b, Qt::CaseInsensitive);
        return r != 0 ? r < 0 : a < b;
    });
    return names;
}

QString ModeQuestionText()
{
    return QStringLiteral("Wykryto wspólne dane. Aby pracować w trybie Varda wybierz Tak. Aby pracować w trybie Selko wybierz Nie.");
}
