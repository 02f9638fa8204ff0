#include "Cli.h"

#include "AnsiText.h"
#include "PocketSphinxRecognizer.h"
#include "RecognitionTask.h"
#include "SafeSave.h"
#include "SlownikBuilder.h"
#include "TDictionary.h"

#include <QDir>

// trainer-task WORD/WORD/...: writes tmp.dct and tmp.lat in the working folder
// from its slownik.dct and tmp0.dct.
int CliTrainerTask(const CliArgs& args, CliIo& io)
{
    if (args.positional.size() != 1)
        return CliFail(io, QStringLiteral("usage: trainer-task WORD/WORD/..."));
    TDictionary dictionary;
    if (Status s = dictionary.load(QString::fromLatin1(SlownikFile)); !s.ok())
        return CliFail(io, s.failure());
    const QStringList words = PhraseWordList(args.positional.first());
    if (Status s = WriteRecognitionTask(dictionary, words, QString()); !s.ok())
        return CliFail(io, s.failure());
    for (const QString& w : words)
        if (dictionary.lookup(w).isEmpty())
            io.err << "orvanta-cli: no pronunciation for \"" << w << "\" in " << SlownikFile << Qt::endl;
    return 0;
}

// trainer-slownik: builds slownik.dct and tmp0.dct from a CMU-style dictionary,
// whole or only for the words of lesson files and extra words.
int CliTrainerSlownik(const CliArgs& args, CliIo& io)
{
    const QString cmudict = args.value(QStringLiteral("cmudict"), DefaultCmuDictionaryPath());
    const auto entries = ReadCmuDictionary(cmudict);
    if (!entries.ok())
        return CliFail(io, entries.failure());

    QStringList words;
    for (const QString& lessons : args.value(QStringLiteral("lessons")).split(u',', Qt::SkipEmptyParts)) {
        const auto lines = readAnsiLines(lessons);
        if (!lines)
            return CliFail(io, QStringLiteral("cannot read %1").arg(lessons));
        words += LessonWords(*lines);
    }
    words += PhraseWordList(args.value(QStringLiteral("words")));

    QSet<QString> only;
    for (const QString& w : words)
        only.insert(w);
    const QDir out(args.value(QStringLiteral("out"), QStringLiteral(".")));
    if (!out.exists() && !QDir().mkpath(out.path()))
        return CliFail(io, QStringLiteral("cannot create %1").arg(out.path()));
    if (Status s = SaveFileAtomically(out.filePath(QString::fromLatin1(SlownikFile)), SlownikBytes(*entries, only)); !s.ok())
        return CliFail(io, s.failure());
    if (Status s = SaveFileAtomically(out.filePath(QString::fromLatin1(BaseDictionaryFile)),
                                      BaseDictionaryBytes(PhoneSet(*entries)));
        !s.ok())
        return CliFail(io, s.failure());

    QSet<QString> known;
    for (const CmuPronunciation& e : *entries)
        known.insert(e.word.toLower());
    int missing = 0;
    for (const QString& w : std::as_const(only))
        if (!known.contains(w.toLower())) {
            io.err << "orvanta-cli: \"" << w << "\" is not in " << cmudict << Qt::endl;
            ++missing;
        }
    return missing == 0 ? 0 : 1;
}
