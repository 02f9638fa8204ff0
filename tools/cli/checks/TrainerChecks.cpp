// The pronunciation trainer's files.
#include "InstallationFileChecks.h"

#include "AnsiText.h"
#include "FieldOf.h"
#include "WinPath.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// Whether the lesson window can draw a model recording: the first 44 bytes
// are read as a canonical wave header, with 1 or 2 channels of 8 or 16 bits.
bool drawableWave(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(44);
    if (head.size() < 44)
        return false;
    const auto u16 = [&head](int at) { return quint8(head[at]) | (quint8(head[at + 1]) << 8); };
    const int channels = u16(22);
    const int bits = u16(34);
    return channels >= 1 && channels <= 2 && (bits == 8 || bits == 16);
}

// The keys of the lines of the ANSI file AppDir\<file>; nullopt when it
// cannot be read.
std::optional<QSet<QString>> lineKeys(const Installation& inst, const QString& file, QString (*key)(const QString&))
{
    const auto lines = readAnsiLines(inst.path(u'\\' + file));
    if (!lines)
        return std::nullopt;
    QSet<QString> keys;
    for (const QString& l : *lines)
        keys.insert(key(l));
    return keys;
}

// A slownik.dct entry's word (field 1), lower-cased as the lookup compares it.
QString dictionaryWord(const QString& line)
{
    return FieldOf(1, line, u';').toLower();
}

// A tmp0.dct entry's word: the line's first token.
QString baseDictionaryWord(const QString& line)
{
    return line.section(u' ', 0, 0, QString::SectionSkipEmpty);
}

void checkLesson(const Installation& inst, const QString& file, const std::optional<QSet<QString>>& words,
                 InstallationReport& report)
{
    const QString where = QStringLiteral("Lekcje\\") + file;
    const auto lines = readAnsiLines(inst.path(u'\\' + where));
    if (!lines) {
        report.problem(QStringLiteral("Lekcje\\Lekcje.txt"), QStringLiteral("lesson file %1 is missing").arg(where));
        return;
    }
    if (lines->isEmpty())
        report.problem(where, QStringLiteral("the lesson has no phrase"));
    for (qsizetype i = 0; i < lines->size(); ++i) {
        const QString& line = lines->at(i);
        const int phrase = int(i) + 1;
        const QString wordList = FieldOf(3, line, u'=');
        if (FieldOf(1, wordList, u'/').isEmpty())
            report.problem(where, QStringLiteral("phrase %1 has no words to recognise").arg(phrase));
        for (int k = 1; words; ++k) {
            const QString w = FieldOf(k, wordList, u'/');
            if (w.isEmpty())
                break;
            if (!words->contains(w.toLower()))
                report.problem(where, QStringLiteral("word \"%1\" of phrase %2 is not in slownik.dct").arg(w).arg(phrase));
        }
        const QString model = FieldOf(4, line, u'=');
        const QString modelTail = QStringLiteral("Lekcje\\Wav\\") + model;
        const QString modelPath = inst.path(u'\\' + modelTail);
        if (model.isEmpty())
            report.problem(where, QStringLiteral("phrase %1 names no model recording").arg(phrase));
        else if (!QFileInfo(modelPath).isFile())
            report.problem(where, QStringLiteral("model recording %1 is missing").arg(modelTail));
        else if (!drawableWave(modelPath))
            report.problem(where, QStringLiteral("model recording %1 is not a wave file of 1 or 2 channels of 8 or 16 bits")
                                      .arg(modelTail));
    }
}

} // namespace

void CheckTrainer(const Installation& inst, InstallationReport& report)
{
    static const QString root = QStringLiteral("installation");
    // Opened by bare name from the installation folder, the working folder.
    const std::optional<QSet<QString>> words = lineKeys(inst, QStringLiteral("slownik.dct"), dictionaryWord);
    if (!words)
        report.problem(root, QStringLiteral("pronunciation dictionary slownik.dct is missing"));
    if (const auto base = lineKeys(inst, QStringLiteral("tmp0.dct"), baseDictionaryWord); !base) {
        report.problem(root, QStringLiteral("base dictionary tmp0.dct is missing"));
    } else {
        // The words of the lattice the trainer writes for every phrase.
        for (const char* w : {"<s>", "</s>", "_GV_GBGEMARKER_", "P__GV_GBGE_"})
            if (!base->contains(QLatin1String(w)))
                report.warning(root, QStringLiteral("tmp0.dct has no entry for the lattice word %1").arg(QLatin1String(w)));
    }

    static const QString lessons = QStringLiteral("Lekcje");
    if (!WinFileExists(inst.path(QStringLiteral("\\Lekcje\\Statystyka.xml_"))))
        report.problem(lessons, QStringLiteral("statistics template Statystyka.xml_ is missing"));
    const auto list = readAnsiLines(inst.path(QStringLiteral("\\Lekcje\\Lekcje.txt")));
    if (!list) {
        report.problem(lessons, QStringLiteral("lesson list Lekcje.txt is missing"));
        return;
    }
    for (qsizetype i = 0; i < list->size(); ++i) {
        const QString file = FieldOf(2, list->at(i), u'=');
        if (file.isEmpty())
            report.problem(QStringLiteral("Lekcje\\Lekcje.txt"), QStringLiteral("line %1 names no lesson file").arg(i + 1));
        else
            checkLesson(inst, file, words, report);
    }
}
