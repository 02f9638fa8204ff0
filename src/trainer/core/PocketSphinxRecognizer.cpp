#include "PocketSphinxRecognizer.h"

#include "AnsiText.h"
#include "AudioInputPcm.h"
#include "HtkDictionary.h"
#include "IAudioInput.h"
#include "SafeSave.h"
#include "SlfLattice.h"
#include "UtteranceRecorder.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include <pocketsphinx.h>
#include <sphinxbase/err.h>
#include <sphinxbase/fsg_model.h>
#include <sphinxbase/glist.h>
#include <sphinxbase/logmath.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRate = 16000;
constexpr int kMsPerFrame = 10;
constexpr char kTaskSearch[] = "task";
constexpr char kLoopSearch[] = "loop";
constexpr char kNullWord[] = "!NULL";

// The context-independent phones of an acoustic model, from its "mdef" file
// (binary "BMDF" or text form), in model order.
QStringList readModelPhones(const QString& mdefPath)
{
    QFile f(mdefPath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    if (b.startsWith("BMDF") || b.startsWith("FDMB")) {
        const bool swap = b.startsWith("FDMB");
        auto int32At = [&](qsizetype at) -> qint64 {
            if (at < 0 || at + 4 > b.size())
                return -1;
            const quint32 v = qFromLittleEndian<quint32>(b.constData() + at);
            return qint32(swap ? qbswap(v) : v);
        };
        const qint64 descLength = int32At(8);
        if (descLength < 0)
            return {};
        qsizetype at = 12 + descLength;
        const qint64 count = int32At(at);
        if (count <= 0 || count > 1000)
            return {};
        at += 40; // ten counts
        QStringList phones;
        for (qint64 i = 0; i < count; ++i) {
            const qsizetype end = b.indexOf('\0', at);
            if (end < 0)
                return {};
            phones << QString::fromLatin1(b.mid(at, end - at));
            at = end + 1;
        }
        return phones;
    }
    // Text form: base phones are the lines "AA - - - attribute ...".
    QStringList phones;
    for (const QByteArray& line : b.split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() >= 6 && f[1] == "-" && f[2] == "-" && f[3] == "-")
            phones << QString::fromLatin1(f[0]);
    }
    return phones;
}

bool isFillerPhone(const QString& phone)
{
    return phone == u"SIL" || phone.startsWith(u'+');
}

// One stretch of a decoding: a decoder word (or "(NULL)", "<sil>") over frames.
struct Segment {
    QString word;
    int firstFrame = 0;
    int lastFrame = 0;
    int32 acoustic = 0;
};

} // namespace

struct PocketSphinxRecognizer::Impl {
    IAudioInput& input;
    SphinxSettings settings;
    QTemporaryDir files;
    cmd_ln_t* config = nullptr;
    ps_decoder_t* ps = nullptr;
    double natsPerUnit = 1.0;     // decoder log units to natural log
    QSet<QString> modelPhones;    // every context-independent phone

    // Decoder words: one per (reported word, phones), named "w1", "w2", ...
    struct WordInfo {
        QString reported;         // "" reports nothing
        QString phones;
    };
    QHash<QString, QString> wordByKey;
    QHash<QString, WordInfo> words;

    bool taskLoaded = false;
    QString wavePath;
    std::vector<int16_t> sound;

    struct Entry {
        QString word;
        QString phones;
        LkWordTime time;
        double score = 0.0;
        double gop = 0.0;
    };
    std::vector<Entry> result;
    int32_t waveCount = 0;
    int32_t waveTime = 0;
    QString error;

    Impl(IAudioInput& in, const SphinxSettings& s) : input(in), settings(s) {}
    ~Impl()
    {
        if (ps)
            ps_free(ps);
        if (config)
            cmd_ln_free_r(config);
    }

    Status init();
    std::optional<QString> decoderWord(const QString& reported, const QStringList& phones);
    int32_t loadTask(const QString& latticeFile, const QString& dictionaryFile);
    bool decode(const char* search, const std::vector<int16_t>& samples, std::vector<Segment>& segments, int& frames);
    void recognize(const std::vector<int16_t>& samples);
    const Entry* entry(int32_t index) const;
};

Status PocketSphinxRecognizer::Impl::init()
{
    const QDir model(settings.acousticModel);
    for (const char* file : {"mdef", "means", "variances", "transition_matrices"})
        if (!model.exists(QString::fromLatin1(file)))
            return Failure::error(QStringLiteral("Brak modelu akustycznego rozpoznawania mowy w folderze %1.")
                                      .arg(QDir::toNativeSeparators(settings.acousticModel)),
                                  settings.acousticModel);
    const QStringList phones = readModelPhones(model.filePath(QStringLiteral("mdef")));
    if (phones.isEmpty())
        return Failure::error(QStringLiteral("Nie można odczytać listy głosek modelu akustycznego."),
                              model.filePath(QStringLiteral("mdef")));
    modelPhones = QSet<QString>(phones.begin(), phones.end());

    if (!files.isValid())
        return Failure::error(QStringLiteral("Nie można utworzyć plików tymczasowych rozpoznawania mowy."));
    // The decoder starts with no words of its own and only silence as filler:
    // the model's noise fillers would otherwise soak up mispronounced words.
    const QString dict = files.filePath(QStringLiteral("words.dic"));
    const QString fillers = files.filePath(QStringLiteral("fillers.dic"));
    if (!SaveFileAtomically(dict, {}).ok() ||
        !SaveFileAtomically(fillers, "<s> SIL\n</s> SIL\n<sil> SIL\n").ok())
        return Failure::error(QStringLiteral("Nie można utworzyć plików tymczasowych rozpoznawania mowy."));

    if (!qEnvironmentVariableIsSet("ORVANTA_SPHINX_LOG"))
        err_set_logfp(nullptr);
    const QByteArray hmm = QFile::encodeName(settings.acousticModel);
    const QByteArray dictName = QFile::encodeName(dict);
    const QByteArray fillerName = QFile::encodeName(fillers);
    const QByteArray silprob = QByteArray::number(settings.silenceProbability);
    config = cmd_ln_init(nullptr, ps_args(), TRUE,
                         "-hmm", hmm.constData(),
                         "-dict", dictName.constData(),
                         "-fdict", fillerName.constData(),
                         "-samprate", "16000",
                         "-lw", "1.0", "-wip", "1.0", "-pip", "1.0",
                         "-silprob", silprob.constData(),
                         // Scoring every senone in every frame makes the acoustic
                         // scores of different searches comparable.
                         "-compallsen", "yes",
                         "-bestpath", "no",
                         "-fsgusealtpron", "no",
                         "-fsgusefiller", "yes",
                         "-dither", "yes", "-seed", "1",
                         nullptr);
    if (!config)
        return Failure::error(QStringLiteral("Błędna konfiguracja rozpoznawania mowy."));
    ps = ps_init(config);
    if (!ps)
        return Failure::error(QStringLiteral("Nie można wczytać modelu akustycznego z folderu %1.")
                                  .arg(QDir::toNativeSeparators(settings.acousticModel)),
                              settings.acousticModel);
    logmath_t* lmath = ps_get_logmath(ps);
    natsPerUnit = std::log(logmath_get_base(lmath)) * double(1 << logmath_get_shift(lmath));

    // The free phone loop: any sequence of the model's speech phones.
    QStringList loopWords;
    for (const QString& p : phones)
        if (!isFillerPhone(p))
            if (const auto w = decoderWord(QStringLiteral("#") + p, {p}))
                loopWords << *w;
    fsg_model_t* loop = fsg_model_init(kLoopSearch, lmath, 1.0f, 2);
    loop->start_state = 0;
    loop->final_state = 1;
    for (const QString& w : loopWords) {
        const int wid = fsg_model_word_add(loop, w.toLatin1().constData());
        fsg_model_trans_add(loop, 0, 1, 0, wid);
        fsg_model_trans_add(loop, 1, 1, 0, wid);
    }
    fsg_model_null_trans_add(loop, 0, 1, 0);
    glist_free(fsg_model_null_trans_closure(loop, nullptr));
    const int set = ps_set_fsg(ps, kLoopSearch, loop);
    fsg_model_free(loop);
    // A decoder without an active search crashes when it decodes: the loop
    // search is always there to fall back on.
    if (set < 0 || ps_set_search(ps, kLoopSearch) < 0)
        return Failure::error(QStringLiteral("Nie można przygotować rozpoznawania mowy."));
    return {};
}

std::optional<QString> PocketSphinxRecognizer::Impl::decoderWord(const QString& reported, const QStringList& phones)
{
    QStringList modelSpelling;
    for (const QString& p : phones) {
        if (modelPhones.contains(p))
            modelSpelling << p;
        else if (modelPhones.contains(p.toUpper())) // HTK dictionaries often write phones in lower case
            modelSpelling << p.toUpper();
        else
            return std::nullopt;
    }
    const QString spelled = modelSpelling.join(u' ');
    const QString key = reported + u'\n' + spelled;
    if (const auto it = wordByKey.constFind(key); it != wordByKey.constEnd())
        return *it;
    const QString name = QStringLiteral("w%1").arg(words.size() + 1);
    if (ps_add_word(ps, name.toLatin1().constData(), spelled.toLatin1().constData(), FALSE) < 0)
        return std::nullopt;
    wordByKey.insert(key, name);
    words.insert(name, {reported, spelled});
    return name;
}

int32_t PocketSphinxRecognizer::Impl::loadTask(const QString& latticeFile, const QString& dictionaryFile)
{
    // Whatever happens, the previous task is gone.
    ps_set_search(ps, kLoopSearch);
    taskLoaded = false;

    QFile dictFile(dictionaryFile), latFile(latticeFile);
    if (!dictFile.open(QIODevice::ReadOnly) || !latFile.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Nie można odczytać plików zadania %1, %2.").arg(latticeFile, dictionaryFile);
        return -1;
    }
    const auto dictionary = ParseHtkDictionary(decodeAnsi(dictFile.readAll()));
    if (!dictionary.ok()) {
        error = dictionary.failure().text;
        return -2;
    }
    const auto graph = ParseSlfLattice(decodeAnsi(latFile.readAll()));
    if (!graph.ok()) {
        error = graph.failure().text;
        return -3;
    }

    QHash<QString, std::vector<const HtkPronunciation*>> byWord;
    for (const HtkPronunciation& p : *dictionary)
        byWord[p.word].push_back(&p);

    logmath_t* lmath = ps_get_logmath(ps);
    const int nodes = int(graph->words.size());
    fsg_model_t* fsg = fsg_model_init(kTaskSearch, lmath, 1.0f, 2 * nodes);
    fsg->start_state = 2 * graph->start;
    fsg->final_state = 2 * graph->end + 1;
    auto fail = [&](int32_t code, const QString& why) {
        fsg_model_free(fsg);
        error = why;
        return code;
    };

    // Node i spans states 2i → 2i+1: one transition per pronunciation of its
    // word, or an empty one for a word that takes no time.
    for (int i = 0; i < nodes; ++i) {
        const QString& w = graph->words[size_t(i)];
        if (w == QLatin1String(kNullWord)) {
            fsg_model_null_trans_add(fsg, 2 * i, 2 * i + 1, 0);
            continue;
        }
        const auto found = byWord.constFind(w);
        if (found == byWord.constEnd())
            return fail(-4, QStringLiteral("Słowa \"%1\" nie ma w słowniku wymowy.").arg(w));
        for (const HtkPronunciation* p : *found) {
            if (p->phones.isEmpty()) {
                if (!p->reported().isEmpty())
                    return fail(-5, QStringLiteral("Słowo \"%1\" nie ma wymowy.").arg(w));
                fsg_model_null_trans_add(fsg, 2 * i, 2 * i + 1, 0);
                continue;
            }
            const auto name = decoderWord(p->reported(), p->phones);
            if (!name)
                return fail(-6, QStringLiteral("Wymowa słowa \"%1\" (%2) zawiera głoskę nieznaną modelowi akustycznemu.")
                                    .arg(w, p->phones.join(u' ')));
            const int wid = fsg_model_word_add(fsg, name->toLatin1().constData());
            fsg_model_trans_add(fsg, 2 * i, 2 * i + 1, 0, wid);
        }
    }
    for (const WordGraph::Link& l : graph->links) {
        // Log-likelihoods above 0 are not probabilities; the decoder refuses them.
        const double nats = std::clamp(l.logLikelihood * settings.latticeWeight, -10000.0, 0.0);
        fsg_model_null_trans_add(fsg, 2 * l.from + 1, 2 * l.to, int32(std::lround(nats / natsPerUnit)));
    }
    glist_free(fsg_model_null_trans_closure(fsg, nullptr));

    const int set = ps_set_fsg(ps, kTaskSearch, fsg);
    fsg_model_free(fsg);
    if (set < 0) {
        error = QStringLiteral("Rozpoznawanie mowy odrzuciło sieć słów.");
        return -7;
    }
    taskLoaded = true;
    error.clear();
    return 0;
}

bool PocketSphinxRecognizer::Impl::decode(const char* search, const std::vector<int16_t>& samples,
                                          std::vector<Segment>& segments, int& frames)
{
    segments.clear();
    frames = 0;
    if (ps_set_search(ps, search) < 0 || ps_start_utt(ps) < 0)
        return false;
    ps_process_raw(ps, samples.data(), samples.size(), FALSE, TRUE);
    ps_end_utt(ps);
    frames = ps_get_n_frames(ps);
    for (ps_seg_t* s = ps_seg_iter(ps); s; s = ps_seg_next(s)) {
        Segment seg;
        seg.word = QString::fromLatin1(ps_seg_word(s));
        ps_seg_frames(s, &seg.firstFrame, &seg.lastFrame);
        int32 lscr = 0, lback = 0;
        ps_seg_prob(s, &seg.acoustic, &lscr, &lback);
        segments.push_back(seg);
    }
    ps_set_search(ps, kLoopSearch);
    return !segments.empty();
}

void PocketSphinxRecognizer::Impl::recognize(const std::vector<int16_t>& samples)
{
    result.clear();
    if (!taskLoaded) {
        error = QStringLiteral("Brak zadania rozpoznawania.");
        return;
    }
    std::vector<Segment> segments;
    int frames = 0;
    if (samples.empty() || !decode(kTaskSearch, samples, segments, frames)) {
        error = QStringLiteral("Nie rozpoznano wypowiedzi.");
        return;
    }

    // The reported words, a run of garbage merged into one entry.
    struct Found {
        Entry entry;
        ScoredSpan span;
    };
    std::vector<Found> found;
    const QString garbage = QString::fromLatin1(LkGarbageWord);
    for (const Segment& s : segments) {
        const auto info = words.constFind(s.word);
        if (info == words.constEnd() || info->reported.isEmpty())
            continue; // fillers, empty transitions, words that report nothing
        if (info->reported == garbage && !found.empty() && found.back().entry.word == garbage) {
            Found& g = found.back();
            g.span.lastFrame = s.lastFrame;
            g.entry.phones += u' ' + info->phones;
            continue;
        }
        Found f;
        f.entry.word = info->reported;
        f.entry.phones = info->phones;
        f.span = {s.firstFrame, s.lastFrame, s.acoustic * natsPerUnit};
        found.push_back(f);
    }
    if (found.empty()) {
        error = QStringLiteral("Nie rozpoznano wypowiedzi.");
        return;
    }

    // Goodness of pronunciation of the phrase's words against the free phone loop.
    const bool phrase = std::any_of(found.begin(), found.end(), [&](const Found& f) { return f.entry.word != garbage; });
    std::vector<double> loopFrames;
    if (phrase) {
        std::vector<Segment> loop;
        int loopFrameCount = 0;
        decode(kLoopSearch, samples, loop, loopFrameCount);
        std::vector<ScoredSpan> spans;
        for (const Segment& s : loop)
            spans.push_back({s.firstFrame, s.lastFrame, s.acoustic * natsPerUnit});
        loopFrames = FrameLogLikelihoods(spans, std::max(frames, loopFrameCount));
    }

    const int32_t lengthMs = int32_t(qint64(samples.size()) * 1000 / kRate);
    const int32_t firstStart = found.front().span.firstFrame * kMsPerFrame;
    result.push_back({QStringLiteral("<s>"), QString(), {0, std::max(0, firstStart)}, 0.0, 0.0});
    for (Found& f : found) {
        f.entry.time = {f.span.firstFrame * kMsPerFrame, (f.span.lastFrame + 1) * kMsPerFrame};
        if (f.entry.word != garbage && !loopFrames.empty()) {
            f.entry.gop = GoodnessOfPronunciation(f.span, loopFrames);
            f.entry.score = PronunciationScore(f.entry.gop, settings.calibration);
        }
        result.push_back(f.entry);
    }
    const int32_t lastEnd = result.back().time.end;
    result.push_back({QStringLiteral("</s>"), QString(), {lastEnd, std::max(lastEnd, lengthMs)}, 0.0, 0.0});
    error.clear();
}

const PocketSphinxRecognizer::Impl::Entry* PocketSphinxRecognizer::Impl::entry(int32_t index) const
{
    if (index < 1 || size_t(index) > result.size())
        return nullptr;
    return &result[size_t(index) - 1];
}

SphinxSettings DefaultSphinxSettings()
{
    SphinxSettings s;
    s.acousticModel = qEnvironmentVariableIsSet("ORVANTA_SPHINX_MODEL")
                          ? qEnvironmentVariable("ORVANTA_SPHINX_MODEL")
                          : QStringLiteral(ORVANTA_SPHINX_MODEL_DIR "/en-us");
    return s;
}

QString DefaultCmuDictionaryPath()
{
    return QStringLiteral(ORVANTA_SPHINX_MODEL_DIR "/cmudict-en-us.dict");
}

Expected<std::unique_ptr<PocketSphinxRecognizer>> PocketSphinxRecognizer::create(IAudioInput& input,
                                                                                 const SphinxSettings& settings)
{
    auto impl = std::make_unique<Impl>(input, settings);
    if (Status s = impl->init(); !s.ok())
        return s.failure();
    return std::unique_ptr<PocketSphinxRecognizer>(new PocketSphinxRecognizer(std::move(impl)));
}

PocketSphinxRecognizer::PocketSphinxRecognizer(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}

PocketSphinxRecognizer::~PocketSphinxRecognizer() = default;

int32_t PocketSphinxRecognizer::LK_I4_NewResource(const QString& latticeFile, const QString& dictionaryFile)
{
    d->result.clear();
    return d->loadTask(latticeFile, dictionaryFile);
}

int32_t PocketSphinxRecognizer::LK_I4_NewSoundFile(const QString& wavePath)
{
    Q_UNUSED(wavePath);
    d->result.clear();
    d->sound.clear();
    return 0;
}

void PocketSphinxRecognizer::LK_V_SetWave(const QString& wavePath)
{
    d->wavePath = wavePath;
}

QString PocketSphinxRecognizer::LK_STRING_Recognize()
{
    d->result.clear();
    RecordedUtterance rec = RecordUtterance(d->input, d->settings.endpointer);
    d->sound = std::move(rec.samples);
    QString problem;
    if (rec.failure)
        problem = rec.failure->text;
    if (!d->wavePath.isEmpty()) {
        if (Status s = SaveFileAtomically(d->wavePath, encodePcmWave(kRate, d->sound)); !s.ok() && problem.isEmpty())
            problem = s.failure().text;
    }
    if (rec.speechFound)
        d->recognize(d->sound);
    else if (problem.isEmpty())
        problem = QStringLiteral("Nie usłyszano wypowiedzi.");
    if (!problem.isEmpty())
        d->error = problem;
    return LK_STRING_Words();
}

void PocketSphinxRecognizer::recognizeSound(const std::vector<int16_t>& sound)
{
    d->sound = sound;
    d->recognize(d->sound);
}

QString PocketSphinxRecognizer::LK_STRING_Phones()
{
    QStringList phones;
    for (size_t i = 1; i + 1 < d->result.size(); ++i)
        phones << d->result[i].phones;
    return phones.join(u' ');
}

QString PocketSphinxRecognizer::LK_STRING_Words()
{
    QStringList words;
    for (size_t i = 1; i + 1 < d->result.size(); ++i)
        words << d->result[i].word;
    return words.join(u' ');
}

int32_t PocketSphinxRecognizer::LK_N4_Samples()
{
    return int32_t(d->sound.size());
}

void PocketSphinxRecognizer::LK_V_InitDsp(const QString& wavePath, const QString& config)
{
    Q_UNUSED(config);
    d->waveCount = 0;
    d->waveTime = 0;
    const auto wave = readSoundFile(wavePath);
    if (!wave.ok() || wave->sampleRate <= 0)
        return;
    d->waveCount = int32_t(wave->samples.size());
    d->waveTime = int32_t(qint64(wave->samples.size()) * 1000 / wave->sampleRate);
}

QString PocketSphinxRecognizer::LK_STRING_Word(int32_t index)
{
    const auto* e = d->entry(index);
    return e ? e->word : QString();
}

int32_t PocketSphinxRecognizer::LK_N4_WaveCount()
{
    return d->waveCount;
}

int32_t PocketSphinxRecognizer::LK_N4_WaveTime()
{
    return d->waveTime;
}

int32_t PocketSphinxRecognizer::LK_N4_Words()
{
    return int32_t(d->result.size());
}

LkWordTime PocketSphinxRecognizer::LK_P32N4_WordTime(int32_t index)
{
    const auto* e = d->entry(index);
    return e ? e->time : LkWordTime{};
}

double PocketSphinxRecognizer::LK_R8_WordScore(int32_t index)
{
    const auto* e = d->entry(index);
    return e ? e->score : 0.0;
}

double PocketSphinxRecognizer::wordGoodness(int32_t index) const
{
    const auto* e = d->entry(index);
    return e ? e->gop : 0.0;
}

QString PocketSphinxRecognizer::lastError() const
{
    return d->error;
}
