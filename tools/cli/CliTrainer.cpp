#include "Cli.h"

#include "AnsiText.h"
#include "FileAudioInput.h"
#ifdef ORVANTA_HAVE_QT_AUDIO_IN
#include "QtAudioInput.h"
#endif
#include "PocketSphinxRecognizer.h"
#include "RecognitionTask.h"
#include "SafeSave.h"
#include "SlownikBuilder.h"
#include "TDictionary.h"

#include <QDir>
#include <QTemporaryDir>

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

// trainer-recognize --words W/W/... [--wav FILE]: prepares the task in the
// working folder (or --dir) and recognizes one utterance, from the recording
// given as if it came from the microphone, or from the microphone itself;
// prints "index word start end score" per result entry.
int CliTrainerRecognize(const CliArgs& args, CliIo& io)
{
    const QString wav = args.value(QStringLiteral("wav"));
    if (!args.has(QStringLiteral("words")))
        return CliFail(io, QStringLiteral("usage: trainer-recognize --words W/W/... [--wav FILE] [--dir DIR] [--save FILE]"));
    const QString dir = args.value(QStringLiteral("dir"));
    const auto leadIn = args.has(QStringLiteral("lead-in")) ? CliIntOption(args, QStringLiteral("lead-in"), io) : 0;
    if (!leadIn)
        return 1;

    SphinxSettings settings = DefaultSphinxSettings();
    if (args.has(QStringLiteral("lattice-weight")))
        settings.latticeWeight = args.value(QStringLiteral("lattice-weight")).toDouble();
    std::unique_ptr<IAudioInput> input;
    if (!wav.isEmpty())
        input = std::make_unique<FileAudioInput>(wav, *leadIn);
    else
#ifdef ORVANTA_HAVE_QT_AUDIO_IN
        input = std::make_unique<QtAudioInput>();
#else
        return CliFail(io, QStringLiteral("no microphone support in this build; give --wav FILE"));
#endif
    auto recognizer = PocketSphinxRecognizer::create(*input, settings);
    if (!recognizer.ok())
        return CliFail(io, recognizer.failure());
    PocketSphinxRecognizer& r = **recognizer;
    if (wav.isEmpty())
        io.err << "Speak now..." << Qt::endl;

    std::unique_ptr<TDictionary> dictionary;
    if (Status s = PreparePhrase(dictionary, PhraseWordList(args.value(QStringLiteral("words"))), r, dir); !s.ok()) {
        if (!r.lastError().isEmpty())
            io.err << "orvanta-cli: " << r.lastError() << Qt::endl;
        return CliFail(io, s.failure());
    }

    QTemporaryDir scratch;
    const QString wave = args.value(QStringLiteral("save"), scratch.filePath(QStringLiteral("usr_tmp.wav")));
    r.LK_I4_NewSoundFile(wave);
    r.LK_V_SetWave(wave);
    r.LK_STRING_Recognize();
    const int32_t n = r.LK_N4_Words();
    if (n == 0)
        io.err << "orvanta-cli: nothing recognized (" << r.lastError() << ")" << Qt::endl;
    const bool verbose = args.has(QStringLiteral("verbose"));
    for (int32_t k = 1; k <= n; ++k) {
        const LkWordTime t = r.LK_P32N4_WordTime(k);
        io.out << k << '\t' << r.LK_STRING_Word(k) << '\t' << t.start << '\t' << t.end << '\t'
               << QString::number(r.LK_R8_WordScore(k), 'f', 1);
        if (verbose)
            io.out << '\t' << QString::number(r.wordGoodness(k), 'f', 3);
        io.out << '\n';
    }
    return 0;
}
