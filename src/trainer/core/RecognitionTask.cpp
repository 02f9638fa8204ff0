#include "RecognitionTask.h"

#include "AnsiText.h"
#include "FieldOf.h"
#include "ISpeechRecognizer.h"

#include <QDir>
#include <QFile>

namespace {

// The garbage sub-lattice: the garbage word (node 5) repeats through links 5 and
// 2 (log-likelihood −16 per repetition) until the marker word ends it.
constexpr const char* kGarbageSubLattice[] = {
    "SUBLAT=<GARBAGE>",
    "N=6 L=6",
    "I=0 W=!NULL x=10 y=10",
    "I=1 W=!NULL x=20 y=10",
    "I=2 W=!NULL x=30 y=10",
    "I=3 W=_GV_GBGEMARKER_ x=40 y=10",
    "I=4 W=!NULL x=50 y=10",
    "I=5 W=P__GV_GBGE_ x=25 y=20",
    "J=0 S=0 E=1",
    "J=1 S=1 E=5",
    "J=2 S=2 E=1 l=-16",
    "J=3 S=2 E=3",
    "J=4 S=3 E=4",
    "J=5 S=5 E=2",
    ".",
};

} // namespace

QStringList PhraseWordList(const QString& wordField)
{
    QStringList words;
    for (int n = 1;; ++n) {
        const QString w = FieldOf(n, wordField, u'/');
        if (w.isEmpty())
            return words;
        words.append(w);
    }
}

QByteArray TaskLatticeBytes(const QStringList& words)
{
    if (words.isEmpty())
        return {};
    const qsizetype k = words.size();
    QStringList lines;
    for (const char* line : kGarbageSubLattice)
        lines.append(QString::fromLatin1(line));

    // The phrase: !NULL (0) → <s> (2) → either the garbage (4) or the words
    // (5 … k+4) → </s> (3) → !NULL (1).
    lines.append(QStringLiteral("N=%1 L=%1").arg(k + 5));
    lines.append(QStringLiteral("I=0 W=!NULL x=10 y=10"));
    lines.append(QStringLiteral("I=1 W=!NULL x=510 y=10"));
    lines.append(QStringLiteral("I=2 W=<s> x=15 y=10"));
    lines.append(QStringLiteral("I=3 W=</s> x=505 y=10"));
    lines.append(QStringLiteral("I=4 L=<GARBAGE> x=250 y=5"));
    for (qsizetype i = 1; i <= k; ++i)
        lines.append(QStringLiteral("I=%1 W=%2 x=%3 y=15").arg(i + 4).arg(words[i - 1]).arg(5 * i + 20));
    lines.append(QStringLiteral("J=0 S=0 E=2"));
    lines.append(QStringLiteral("J=1 S=3 E=1"));
    lines.append(QStringLiteral("J=2 S=2 E=4 l=-16"));
    lines.append(QStringLiteral("J=3 S=4 E=3"));
    lines.append(QStringLiteral("J=4 S=2 E=5"));
    for (qsizetype i = 1; i <= k - 1; ++i)
        lines.append(QStringLiteral("J=%1 S=%1 E=%2").arg(i + 4).arg(i + 5));
    lines.append(QStringLiteral("J=%1 S=%1 E=3").arg(k + 4));
    lines.append(QString()); // the lattice text ends with a line end and is written with one more

    QByteArray out;
    for (const QString& line : lines)
        out += encodeAnsiLossy(line) + "\r\n";
    return out;
}

QByteArray TaskDictionaryBytes(const QByteArray& baseDictionary, const QStringList& words,
                               const TDictionary& dictionary)
{
    QByteArray out = baseDictionary;
    out += "\r\n";
    for (const QString& w : words)
        out += encodeAnsiLossy(w + QStringLiteral(" [") + w + QStringLiteral("] ") + dictionary.lookup(w)) + "\r\n";
    return out;
}

Status WriteRecognitionTask(const TDictionary& dictionary, const QStringList& words, const QString& dir)
{
    Status s = dictionary.writeLattice(words, dir); // refuses a phrase without words
    if (s.ok())
        s = dictionary.writeTaskDictionary(words, dir);
    if (!s.ok()) {
        QFile::remove(QDir(dir).filePath(QString::fromLatin1(TaskDictionaryFile)));
        QFile::remove(QDir(dir).filePath(QString::fromLatin1(TaskLatticeFile)));
    }
    return s;
}

Failure TaskRefusedMessage()
{
    return Failure{QStringLiteral("Słownik nie został poprawnie załadowany!"), QStringLiteral("Orvanta 6.0"),
                   MessageIcon::None, QString::fromLatin1(TaskDictionaryFile)};
}

Status PreparePhrase(std::unique_ptr<TDictionary>& dictionary, const QStringList& words,
                     ISpeechRecognizer& recognizer, const QString& dir)
{
    const QString lattice = QDir(dir).filePath(QString::fromLatin1(TaskLatticeFile));
    const QString taskDictionary = QDir(dir).filePath(QString::fromLatin1(TaskDictionaryFile));

    dictionary = std::make_unique<TDictionary>();
    Status s = dictionary->load(QDir(dir).filePath(QString::fromLatin1(SlownikFile)));
    if (s.ok())
        s = WriteRecognitionTask(*dictionary, words, dir);
    if (!s.ok()) {
        // Loading the now missing files leaves the recognizer without a task,
        // so attempts are rejected instead of being matched to the last phrase.
        QFile::remove(lattice);
        QFile::remove(taskDictionary);
        recognizer.LK_I4_NewResource(lattice, taskDictionary);
        return s;
    }
    if (recognizer.LK_I4_NewResource(lattice, taskDictionary) < 0)
        return TaskRefusedMessage();
    return {};
}
