// Speed of the course core on a large generated course, each figure beside a
// floor measured in the same run:
//   folder scan         vs reading and parsing the same files with pugixml alone
//   results at login    vs reading and parsing the results file alone
//   one RecordResult    vs reading, parsing and saving the results file alone
// The course: 20 groups of 100 files in Dane (packages, dialogue and sentence
// containers, plain exercises) and 1 000 package element files in
// Dane\Paczki, 3 000 exercise files in all; the results file holds an entry
// for every node. After the run the ratios to the floors are printed.

#include "Course.h"
#include "Definitions.h"
#include "ProgramMode.h"
#include "ResultsStore.h"
#include "UserFiles.h"
#include "Utf16Text.h"
#include "XmlFile.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr int Groups = 20;
constexpr int FilesPerGroup = 100;
constexpr int PackagesPerGroup = 5;
constexpr int ElementsPerPackage = 10;
constexpr int DialoguesPerGroup = 10;
constexpr int SentencesPerGroup = 5;
constexpr int User = 1;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(bytes);
}

QString envelope(int grupa, int typ, int poziom, const QString& title, const QString& extra, const QString& body)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<cwiczenie>\r\n<config>\r\n<id>1</id>\r\n"
                          "<multimedia>nagranie.wav</multimedia>\r\n<nazwa id=\"0\">%1</nazwa>\r\n"
                          "<nazwa id=\"1\">%1 (en)</nazwa>\r\n<nazwa id=\"2\">%1 (de)</nazwa>\r\n<grupa>%2</grupa>\r\n"
                          "<poziom>%3</poziom>\r\n<typ_cw>%4</typ_cw>\r\n%5</config>\r\n<body>%6</body>\r\n</cwiczenie>\r\n")
        .arg(title)
        .arg(grupa)
        .arg(poziom)
        .arg(typ)
        .arg(extra, body);
}

// A body of a typical size: an instruction in three languages and a dozen questions.
QString typicalBody(int n)
{
    QString b = QStringLiteral("<polecenie id=\"0\">Wybierz poprawną odpowiedź.</polecenie>"
                               "<polecenie id=\"1\">Choose the right answer.</polecenie>"
                               "<polecenie id=\"2\">Wähle die richtige Antwort.</polecenie>");
    for (int q = 0; q < 12; ++q)
        b += QStringLiteral("\r\n<pytanie id=\"%1\"><tresc>Question %2 of exercise %3: where does the train leave "
                            "from?</tresc><odp ok=\"1\">platform one</odp><odp>platform two</odp><odp>the bus "
                            "stop</odp><media>z_%3_%2.mp3</media></pytanie>")
                 .arg(q)
                 .arg(q + 1)
                 .arg(n);
    return b;
}

struct LargeCourse {
    QTemporaryDir tmp;
    QString appDir;
    QStringList scannedPaths; // the Dane files the scan reads, in its order
    QString resultsPath;

    LargeCourse()
    {
        // ORVANTA_BENCH_DIR keeps the generated course there for a look afterwards.
        const QString keep = qEnvironmentVariable("ORVANTA_BENCH_DIR");
        appDir = keep.isEmpty() ? tmp.path() : QDir(keep).absolutePath();
        QDir().mkpath(appDir + "/Config");
        QDir().mkpath(appDir + "/Dane/Paczki");
        QDir().mkpath(appDir + "/Users");

        QString groups;
        for (int g = 1; g <= Groups; ++g)
            groups += QStringLiteral("<grupa id=\"%1\"><tlumaczenie id=\"0\">Grupa %1</tlumaczenie>"
                                     "<tlumaczenie id=\"1\">Group %1</tlumaczenie></grupa>")
                          .arg(g);
        QString hints;
        for (int h = 1; h <= 200; ++h)
            hints += QStringLiteral("<hint id=\"%1\"><tlumaczenie id=\"0\">Tekst %1</tlumaczenie>"
                                    "<tlumaczenie id=\"1\">Text %1</tlumaczenie></hint>")
                         .arg(h);
        writeFile(appDir + "/Config/definitions.xml",
                  QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><definitions><languages>"
                                 "<lang id=\"0\" trans=\"0\">Polski</lang><lang id=\"1\" trans=\"1\">English</lang>"
                                 "</languages><hinty>%1</hinty><groups id=\"1\">%2</groups><groups id=\"2\">%2</groups>"
                                 "</definitions>")
                      .arg(hints, groups)
                      .toUtf8());

        int n = 0;
        for (int g = 1; g <= Groups; ++g) {
            for (int i = 0; i < FilesPerGroup; ++i, ++n) {
                QString name;
                QByteArray bytes;
                if (i < PackagesPerGroup) {
                    name = QStringLiteral("pc_%1_%2.xml").arg(g, 2, 10, QChar('0')).arg(i, 3, 10, QChar('0'));
                    QString items;
                    for (int e = 0; e < ElementsPerPackage; ++e) {
                        const QString plik = QStringLiteral("pc_%1_%2_%3.xml").arg(g).arg(i).arg(e);
                        items += QStringLiteral("<element_paczki id=\"%1\"><nazwa id=\"0\">Element %1</nazwa>"
                                                "<nazwa id=\"1\">Item %1</nazwa><poziom>1</poziom><typ_cw>3</typ_cw>"
                                                "<plik>%2</plik></element_paczki>\r\n")
                                     .arg(e)
                                     .arg(plik);
                        writeFile(appDir + "/Dane/Paczki/" + plik,
                                  envelope(g, 3, 1, QStringLiteral("Element %1").arg(e), {}, typicalBody(n)).toUtf8());
                    }
                    bytes = envelope(g, 100, 1, QStringLiteral("Paczka %1").arg(i),
                                     "<param1>1</param1><param2>0</param2>",
                                     "<znaczniki_nagrania>1;2;3</znaczniki_nagrania>\r\n" + items)
                                .toUtf8();
                } else if (i < PackagesPerGroup + DialoguesPerGroup) {
                    name = QStringLiteral("dial_%1_%2.xml").arg(g, 2, 10, QChar('0')).arg(i, 3, 10, QChar('0'));
                    bytes = envelope(g, 100, 2, QStringLiteral("Dialog %1").arg(i), "<param1>2</param1><param2>31</param2>",
                                     typicalBody(n))
                                .toUtf8();
                } else if (i < PackagesPerGroup + DialoguesPerGroup + SentencesPerGroup) {
                    name = QStringLiteral("zda_%1_%2.xml").arg(g, 2, 10, QChar('0')).arg(i, 3, 10, QChar('0'));
                    bytes = envelope(g, 100, 2, QStringLiteral("Zdania %1").arg(i), "<param1>3</param1><param2>7</param2>",
                                     typicalBody(n))
                                .toUtf8();
                } else {
                    name = QStringLiteral("odk_%1_%2.xml").arg(g, 2, 10, QChar('0')).arg(i, 3, 10, QChar('0'));
                    bytes = envelope(g, 52, 1 + i % 3, QStringLiteral("Ćwiczenie %1").arg(n), {}, typicalBody(n)).toUtf8();
                }
                writeFile(appDir + "/Dane/" + name, bytes);
            }
        }
        for (const QString& name : ListExerciseFiles(appDir))
            scannedPaths.append(appDir + "/Dane/" + name);

        // A results file with an entry for every node, grouped by file name as
        // the program writes them.
        Installation inst = installation();
        Course course;
        if (ReloadCourse(inst, course).scanFailure)
            std::abort();
        std::map<QString, QString> byName;
        QStringList order;
        for (const TElement* e : course.flatList) {
            if (!byName.count(e->FileName))
                order.append(e->FileName);
            byName[e->FileName] += QStringLiteral("<dane id=\"%1\"><data>01-03-2024</data><postep>%2</postep>"
                                                  "<czas>00:00:00</czas><datapowtorka>2024-03-04=1</datapowtorka>"
                                                  "<posteppowtorka>%2</posteppowtorka></dane>")
                                       .arg(e->Kind)
                                       .arg(e->FlatIndex % 101);
        }
        QString xml = QStringLiteral("<?xml version=\"1.0\"?><cwiczenia>");
        for (const QString& name : order)
            xml += QStringLiteral("<plik nazwa=\"%1\">%2</plik>").arg(name, byName[name]);
        xml += QStringLiteral("</cwiczenia>");
        resultsPath = UserFilePath(inst, User, "_stat.xml");
        writeFile(resultsPath, encodeUtf16LeWithBom(xml));
        std::fprintf(stderr, "generated course: %d Dane files, %d nodes, results file %lld bytes\n",
                     int(scannedPaths.size()), int(course.flatList.size()), QFileInfo(resultsPath).size());
    }

    Installation installation() const
    {
        Installation inst;
        inst.appDir = appDir;
        inst.programMode = 1;
        return inst;
    }
};

LargeCourse& largeCourse()
{
    static LargeCourse c;
    return c;
}

// The generated course built and its results read, as after a login.
struct LoggedIn {
    Installation inst;
    Course course;
    FixedClock clock{QDate(2024, 3, 10)};
    ResultsStore store{inst, User, clock};

    LoggedIn() : inst(largeCourse().installation())
    {
        if (ReloadCourse(inst, course).scanFailure || store.ReadAllResults(course.flatList).message)
            std::abort();
    }
};

std::shared_ptr<pugi::xml_document> parseFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray bytes = f.readAll();
    auto doc = std::make_shared<pugi::xml_document>();
    if (!doc->load_buffer(bytes.constData(), size_t(bytes.size()), pugi::parse_default, pugi::encoding_auto))
        std::abort();
    return doc;
}

void BM_FolderScan(benchmark::State& state)
{
    LargeCourse& c = largeCourse();
    Installation inst = c.installation();
    for (auto _ : state) {
        state.PauseTiming();
        TDrzewo tree;
        if (!LoadDefinitions(inst, tree).ok())
            std::abort();
        state.ResumeTiming();
        if (!ScanExerciseFolder(inst, tree).ok())
            std::abort();
        benchmark::DoNotOptimize(tree.nodeCount());
    }
}

void BM_FolderScanFloor(benchmark::State& state)
{
    LargeCourse& c = largeCourse();
    for (auto _ : state)
        for (const QString& p : c.scannedPaths)
            benchmark::DoNotOptimize(parseFile(p));
}

void BM_LoginRead(benchmark::State& state)
{
    LoggedIn l;
    for (auto _ : state) {
        const ResultsReadOutcome r = l.store.ReadAllResults(l.course.flatList);
        if (r.message)
            std::abort();
    }
}

void BM_LoginReadFloor(benchmark::State& state)
{
    LargeCourse& c = largeCourse();
    for (auto _ : state)
        benchmark::DoNotOptimize(parseFile(c.resultsPath));
}

void BM_RecordResult(benchmark::State& state)
{
    LoggedIn l;
    // A package element: group, package, element (three levels below the root).
    TElement* node = nullptr;
    for (TElement* n : l.course.flatList)
        if (n->IsPackageItem && n->Depth == 2 && n->GroupId == Groups / 2)
            node = n;
    if (!node)
        std::abort();
    TNawigacjaDrzewa nav(l.course.tree);
    nav.SetCurrent(node);
    for (auto _ : state) {
        nav.ResultPending = true;
        ResultSources w{true, 0, 50, false, 0};
        if (!l.store.RecordResult(nav, w, ReviewSettings{}).ok())
            std::abort();
    }
}

void BM_RecordResultFloor(benchmark::State& state)
{
    LargeCourse& c = largeCourse();
    for (auto _ : state) {
        auto doc = parseFile(c.resultsPath);
        if (!SaveXmlFile(*doc, c.resultsPath).ok())
            std::abort();
    }
}

BENCHMARK(BM_FolderScan)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FolderScanFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoginRead)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_LoginReadFloor)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RecordResult)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RecordResultFloor)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Prints the usual table, then each figure as a ratio to its floor.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // A single run, or the median of repetitions when there are some.
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
                m_ms[r.run_name.function_name] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()}; // ms
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-14s %9s %9s %7s %9s %9s %7s   %s\n", "figure", "real ms", "floor", "ratio", "cpu ms",
                    "floor", "ratio", "goal");
        line("folder scan", "BM_FolderScan", "within 1.5x of the floor");
        line("login read", "BM_LoginRead", "under 30 ms");
        line("one recording", "BM_RecordResult", "under 30 ms");
    }

private:
    void line(const char* label, const std::string& name, const char* goal)
    {
        const auto a = m_ms.find(name);
        const auto f = m_ms.find(name + "Floor");
        if (a == m_ms.end() || f == m_ms.end())
            return;
        const auto [real, cpu] = a->second;
        const auto [floorReal, floorCpu] = f->second;
        std::printf("%-14s %9.2f %9.2f %7.2f %9.2f %9.2f %7.2f   %s\n", label, real, floorReal, real / floorReal, cpu,
                    floorCpu, cpu / floorCpu, goal);
    }
    std::map<std::string, std::pair<double, double>> m_ms;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    largeCourse();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
