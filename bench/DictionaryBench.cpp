// Dictionary search and loading on 200 000 generated entries, and on the
// dictionary of the sample installation when it has been built
// (build/sample/selko/Config/Slownik.txt, or ORVANTA_SAMPLE_DIR/selko/...).
//
// Each figure is reported beside a floor measured in the same run, so the
// ratios hardly depend on the machine or its load. "ms" and the ratios come
// from the fastest of several runs of each, taken in turn, in thread CPU time:
//   search  x_scan  = time of the search ÷ one plain pass over the same
//                     entries (a substring test per lower-cased headword)
//   load    x_lines = time of WczytajDane ÷ reading the same file line by line
//                     with QTextStream (UTF-16 LE)
#include "DictionaryFile.h"
#include "DictionaryModel.h"
#include "Utf16Text.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <ctime>
#include <random>

namespace {

constexpr int kEntries = 200000;

QString generatedWord(std::mt19937& rng)
{
    static const char* const syllables[] = {"ba", "ce", "di", "fo", "gu", "ka", "le", "mi", "no", "pu", "ra",
                                            "se", "ti", "vo", "wu", "za", "tra", "ble", "con", "ex", "in", "er"};
    QString w;
    const int n = 2 + int(rng() % 3);
    for (int i = 0; i < n; ++i)
        w += QLatin1String(syllables[rng() % std::size(syllables)]);
    return w;
}

QString generatedPhrase(std::mt19937& rng, int maxWords)
{
    QStringList words;
    const int n = 1 + int(rng() % maxWords);
    for (int i = 0; i < n; ++i)
        words << generatedWord(rng);
    return words.join(u' ');
}

// Lines in the dictionary file's format, the same for every run.
const QStringList& generatedLines()
{
    static const QStringList lines = [] {
        std::mt19937 rng(20261211);
        QStringList out;
        out.reserve(kEntries);
        for (int i = 1; i <= kEntries; ++i) {
            const int cls = 1 + int(rng() % 9);
            QString translation = QStringLiteral("[%1] ").arg(cls) + generatedPhrase(rng, 3);
            if (rng() % 4 == 0)
                translation += QStringLiteral(" [%1] ").arg(1 + rng() % 8) + generatedPhrase(rng, 2);
            out << QStringLiteral("@@ %1 [%2]%3=%4====").arg(i).arg(cls).arg(generatedPhrase(rng, 3), translation);
        }
        return out;
    }();
    return lines;
}

const QList<TDane>& generatedEntries()
{
    static const QList<TDane> entries = [] {
        QList<TDane> out;
        DictionaryLineProblem problem{};
        for (const QString& line : generatedLines())
            out << *ParseDictionaryLine(line, problem);
        return out;
    }();
    return entries;
}

// CPU time of this thread: on a shared machine, time spent waiting for a core
// would otherwise swamp the figures.
double threadSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// The floor of a search: one substring test per lower-cased headword.
int plainScan(const QStringList& keys, const QString& s)
{
    int hits = 0;
    for (const QString& key : keys)
        hits += key.contains(s);
    return hits;
}

// The shortest of `rounds` runs of each of two pieces of work, run in turn so
// that both see the same load on a shared machine.
template <typename A, typename B>
std::pair<double, double> fastestInTurn(int rounds, A&& a, B&& b)
{
    double bestA = 1e9;
    double bestB = 1e9;
    for (int i = 0; i < rounds; ++i) {
        double t = threadSeconds();
        a();
        bestA = std::min(bestA, threadSeconds() - t);
        t = threadSeconds();
        b();
        bestB = std::min(bestB, threadSeconds() - t);
    }
    return {bestA, bestB};
}

struct SearchCase {
    const char* text;
    SearchField field;
    bool wholeWords;
};

// The search box on the cases that cost most: a text whose endings are tried
// on every entry and then found nowhere (three full passes), and one-letter
// texts that match most entries and must all be ranked.
const SearchCase kSearchCases[] = {
    {"qqzes", SearchField::Words, false},
    {"qqzes", SearchField::Words, true},
    {"a", SearchField::Words, false},
    {"e", SearchField::Translations, false},
    {"in", SearchField::Words, true},
};

// Runs the search box of `model` on case `c` in the benchmark loop, then times
// it beside a plain scan of the same headwords and labels the row.
void measureSearchBox(benchmark::State& state, DictionaryModel& model, const SearchCase& c)
{
    model.setSearchField(c.field);
    model.setWholeWords(c.wholeWords);
    const QString text = QString::fromLatin1(c.text);
    for (auto _ : state)
        benchmark::DoNotOptimize(model.SearchBox(text));

    QStringList keys;
    for (const TDane& e : model.entries())
        keys << e.word.toLower();
    const auto [search, scan] = fastestInTurn(
        30, [&] { benchmark::DoNotOptimize(model.SearchBox(text)); },
        [&] { benchmark::DoNotOptimize(plainScan(keys, text)); });
    state.SetLabel(QStringLiteral("%1 %2%3, %4 of %5 entries")
                       .arg(QString::fromLatin1(c.text), c.field == SearchField::Words ? "words" : "translations",
                            c.wholeWords ? ", whole words" : "")
                       .arg(model.listCount())
                       .arg(model.entries().size())
                       .toStdString());
    state.counters["entries"] = double(model.entries().size());
    state.counters["ms"] = search * 1e3;
    state.counters["x_scan"] = search / scan;
}

void BM_SearchBox(benchmark::State& state)
{
    DictionaryModel model;
    model.setEntries(generatedEntries());
    measureSearchBox(state, model, kSearchCases[state.range(0)]);
}
BENCHMARK(BM_SearchBox)->DenseRange(0, int(std::size(kSearchCases)) - 1)->Unit(benchmark::kMillisecond);

void BM_DictionaryForm(benchmark::State& state)
{
    DictionaryModel model;
    model.setEntries(generatedEntries());
    for (auto _ : state)
        benchmark::DoNotOptimize(model.DictionaryForm(QStringLiteral("(Qqzed)!")));
}
BENCHMARK(BM_DictionaryForm)->Unit(benchmark::kMillisecond);

void BM_LoadFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/Slownik.txt";
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write the generated dictionary");
        f.write(encodeUtf16LeLines(generatedLines()));
    }
    int entries = 0;
    const auto load = [&] {
        auto file = WczytajDane(path);
        entries = file.ok() ? int(file->entries.size()) : -1;
    };
    for (auto _ : state)
        load();

    const auto readLines = [&] {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return;
        QTextStream in(&f);
        in.setEncoding(QStringConverter::Utf16LE);
        QStringList lines;
        while (!in.atEnd())
            lines << in.readLine();
        benchmark::DoNotOptimize(lines.size());
    };
    const auto [perLoad, floor] = fastestInTurn(5, load, readLines);
    state.SetLabel(std::to_string(entries) + " entries");
    state.counters["ms"] = perLoad * 1e3;
    state.counters["x_lines"] = perLoad / floor;
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

// Building the search keys when the loaded entries are handed to the model.
void BM_SetEntries(benchmark::State& state)
{
    const QList<TDane>& entries = generatedEntries();
    for (auto _ : state) {
        DictionaryModel model;
        model.setEntries(entries);
        benchmark::DoNotOptimize(model.listCount());
    }
}
BENCHMARK(BM_SetEntries)->Unit(benchmark::kMillisecond);

// The sample installation's dictionary; empty when the sample is not built.
QString sampleDictionary()
{
    const QString dir = qEnvironmentVariable("ORVANTA_SAMPLE_DIR", QStringLiteral(SAMPLE_DIR));
    const QString path = dir + QStringLiteral("/selko/Config/Slownik.txt");
    return QFile::exists(path) ? path : QString();
}

// Loading the sample dictionary as the window does at start-up: reading the
// file and building the search index (the program does both on its loader
// thread; here they run on this one, so thread CPU time counts them).
void BM_SampleLoad(benchmark::State& state)
{
    const QString path = sampleDictionary();
    if (path.isEmpty()) {
        state.SkipWithError("no sample dictionary (bash scripts/build-sample.sh build/sample)");
        return;
    }
    qsizetype entries = 0;
    const auto load = [&] {
        auto file = WczytajDane(path);
        const DictionaryIndex index(file.ok() ? file->entries : QList<TDane>{});
        entries = index.entries().size();
    };
    for (auto _ : state)
        load();
    const auto [whole, readOnly] = fastestInTurn(5, load, [&] { benchmark::DoNotOptimize(WczytajDane(path).ok()); });
    state.counters["entries"] = double(entries);
    state.counters["ms"] = whole * 1e3;
    state.counters["read_ms"] = readOnly * 1e3;
}
BENCHMARK(BM_SampleLoad)->Unit(benchmark::kMillisecond);

// The search box on the sample dictionary: a word, the one-letter texts that
// match most entries, and a text found nowhere (its endings tried first).
void BM_SampleSearch(benchmark::State& state)
{
    static const SearchCase cases[] = {
        {"cat", SearchField::Words, false},
        {"a", SearchField::Words, false},
        {"e", SearchField::Translations, false},
        {"in", SearchField::Words, true},
        {"qqzes", SearchField::Words, false},
    };
    const QString path = sampleDictionary();
    if (path.isEmpty()) {
        state.SkipWithError("no sample dictionary (bash scripts/build-sample.sh build/sample)");
        return;
    }
    auto file = WczytajDane(path);
    if (!file.ok()) {
        state.SkipWithError(file.failure().text.toStdString().c_str());
        return;
    }
    DictionaryModel model;
    model.setEntries(file->entries);
    measureSearchBox(state, model, cases[state.range(0)]);
}
BENCHMARK(BM_SampleSearch)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
