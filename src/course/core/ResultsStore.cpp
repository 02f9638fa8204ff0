#include "ResultsStore.h"

#include "ExerciseKinds.h"
#include "FieldOf.h"
#include "UserFiles.h"
#include "WinPath.h"
#include "XmlFile.h"

#include <QFile>
#include <QHash>

#include <cstring>
#include <utility>

QString ResultDateFormat()
{
    return QStringLiteral("dd-MM-yyyy");
}

QString ReviewDateFormat()
{
    return QStringLiteral("yyyy-MM-dd");
}

static constexpr int MaxReviewStep = 1 << 20;

void ScheduleReview(TElement& node, int score, const ReviewSettings& settings, QDate today)
{
    if (node.ReviewDate.isEmpty() || score < 16) {
        node.ReviewStep = 1;
        node.ReviewDate = today.addDays(3).toString(ReviewDateFormat());
    } else if (score > settings.ReviewThreshold) {
        node.ReviewDate = QStringLiteral("0");
    } else {
        node.ReviewStep = std::min(std::max(node.ReviewStep, 1) * 2, MaxReviewStep);
        node.ReviewDate = today.addDays(3LL * node.ReviewStep).toString(ReviewDateFormat());
    }
    node.ReviewProgress = node.Progress;
}

int AverageOfChildren(const TElement& node)
{
    long long sum = 0;
    int counted = 0;
    for (const TElement* c : node.Children) {
        if (c->Progress < 0)
            continue;
        sum += c->Progress;
        ++counted;
    }
    return counted == 0 ? -1 : int(sum / counted);
}

Failure MissingResultsFileNotice(const QString& path)
{
    return Failure::error(QStringLiteral("Brak pliku ze statystykami! Plik został stworzony ponownie! "), path);
}

Failure UnreadableResultsFileMessage(const QString& path)
{
    return Failure::error(QStringLiteral("Plik ze statystykami jest uszkodzony i nie został wczytany. "
                                         "Wyniki nie zostaną w nim zapisane, dopóki nie zostanie naprawiony. (%1)")
                              .arg(WinFileName(path)),
                          path);
}

void ResetResult(TElement& node)
{
    node.ResultDate.clear();
    node.ResultTime.clear();
    node.ReviewDate.clear();
    node.HasResult = false;
    node.ReviewStep = 1;
    node.ReviewProgress = -1;
    node.Progress = IsUnscoredKind(node.Kind) ? -1 : 0;
}

namespace {

using Key = std::pair<QString, int>; // (plik nazwa, dane id)

// One read of the results file, the changes of one operation applied to it
// in memory, and one save. Applying node writes one after another here gives
// exactly the file that saving after each write would give.
class ResultsDocument final {
public:
    // Parses the file; a missing file starts an empty document. A file that
    // exists but is not a results file is a failure and stays untouched.
    Status open(const QString& path)
    {
        QFile f(path);
        if (!f.exists()) {
            m_doc.append_child(pugi::node_declaration).append_attribute("version") = "1.0";
            m_root = m_doc.append_child("cwiczenia");
            return {};
        }
        if (!f.open(QIODevice::ReadOnly))
            return UnreadableResultsFileMessage(path);
        const QByteArray bytes = f.readAll();
        const pugi::xml_parse_result r = m_doc.load_buffer(bytes.constData(), size_t(bytes.size()),
                                                           pugi::parse_default | pugi::parse_declaration,
                                                           pugi::encoding_auto);
        m_root = m_doc.child("cwiczenia");
        if (!r || !m_root || m_doc.document_element() != m_root)
            return UnreadableResultsFileMessage(path);
        return {};
    }

    pugi::xml_node root() const { return m_root; }

    // Updates the first `dane` with the node's Kind in the first `plik` with
    // its FileName, or appends what is missing. One operation writes a node
    // and its few ancestors, so a walk over the `plik` elements comparing the
    // UTF-8 names costs less than building an index of the whole file.
    void write(const TElement& node)
    {
        const QByteArray name = node.FileName.toUtf8();
        pugi::xml_node plik;
        for (pugi::xml_node p = m_root.child("plik"); p; p = p.next_sibling("plik"))
            if (std::strcmp(p.attribute("nazwa").value(), name.constData()) == 0) {
                plik = p;
                break;
            }
        pugi::xml_node dane;
        if (plik) {
            for (pugi::xml_node d = plik.child("dane"); d; d = d.next_sibling("dane"))
                if (ParseXmlInt(d.attribute("id").value()) == node.Kind) {
                    dane = d;
                    break;
                }
        } else {
            plik = m_root.append_child("plik");
            plik.append_attribute("nazwa") = name.constData();
        }
        if (!dane) {
            dane = plik.append_child("dane");
            dane.append_attribute("id") = node.Kind;
            for (const char* el : {"data", "postep", "czas", "datapowtorka", "posteppowtorka"})
                dane.append_child(el);
        }
        setChild(dane, "data", node.ResultDate);
        setChild(dane, "postep", QString::number(node.Progress));
        setChild(dane, "czas", node.ResultTime);
        setChild(dane, "datapowtorka", QStringLiteral("%1=%2").arg(node.ReviewDate).arg(node.ReviewStep));
        setChild(dane, "posteppowtorka", QString::number(node.ReviewProgress));
    }

    Status save(const QString& path)
    {
        // The file is UTF-16 now, whatever encoding its declaration named.
        if (pugi::xml_node decl = m_doc.first_child(); decl.type() == pugi::node_declaration)
            decl.remove_attribute("encoding");
        return SaveXmlFile(m_doc, path, XmlEncoding::Utf16LeWithBom);
    }

private:
    static void setChild(pugi::xml_node dane, const char* name, const QString& value)
    {
        pugi::xml_node c = dane.child(name);
        if (!c)
            c = dane.append_child(name);
        // An empty value is an empty element, written <czas/>: the form a
        // parsed <czas></czas> takes too, so a save after a fresh read gives
        // the same bytes as a save of the document kept in memory.
        if (value.isEmpty()) {
            while (c.first_child())
                c.remove_child(c.first_child());
            return;
        }
        c.text().set(value.toUtf8().constData());
    }

    pugi::xml_document m_doc;
    pugi::xml_node m_root;

};

// Reads a stored number; an entry this program did not write may hold
// anything, and then the node keeps its reset value.
int storedInt(const pugi::xml_node& dane, const char* name, int fallback)
{
    return ParseXmlInt(dane.child(name).child_value()).value_or(fallback);
}

void readInto(TElement& node, const pugi::xml_node& dane)
{
    node.ResultDate = QString::fromUtf8(dane.child("data").child_value());
    node.Progress = storedInt(dane, "postep", node.Progress);
    node.ResultTime = QString::fromUtf8(dane.child("czas").child_value());
    node.HasResult = true;
    node.ReviewProgress = storedInt(dane, "posteppowtorka", node.ReviewProgress);
    const QString review = QString::fromUtf8(dane.child("datapowtorka").child_value());
    node.ReviewDate = FieldOf(1, review, u'=');
    node.ReviewStep = ParseXmlInt(FieldOf(2, review, u'=')).value_or(node.ReviewStep);
}

} // namespace

ResultsStore::ResultsStore(const Installation& inst, int userId, const IClock& clock)
    : m_inst(&inst), m_userId(userId), m_clock(&clock),
      m_path(UserFilePath(inst, userId, QStringLiteral("_stat.xml")))
{
}

ResultsReadOutcome ResultsStore::ReadAllResults(const QList<TElement*>& flatList, const ProgressCallback& progress)
{
    ResultsReadOutcome out;
    for (TElement* n : flatList)
        ResetResult(*n);

    if (!QFile::exists(m_path)) {
        out.fileExisted = false;
        const Status s = WriteEmptyResultsFile(*m_inst, m_userId);
        out.message = s.ok() ? MissingResultsFileNotice(m_path) : s.failure();
        return out;
    }
    ResultsDocument doc;
    if (const Status s = doc.open(m_path); !s.ok()) {
        out.message = s.failure();
        return out;
    }

    // The first `dane` of each (nazwa, id) in document order: what walking
    // the file for every node would find first. Walking backwards and
    // letting later inserts replace earlier ones leaves exactly that.
    QHash<Key, pugi::xml_node> first;
    first.reserve(flatList.size());
    for (pugi::xml_node plik = doc.root().last_child(); plik; plik = plik.previous_sibling()) {
        if (std::strcmp(plik.name(), "plik") != 0)
            continue;
        const QString name = QString::fromUtf8(plik.attribute("nazwa").value());
        for (pugi::xml_node dane = plik.last_child(); dane; dane = dane.previous_sibling())
            if (std::strcmp(dane.name(), "dane") == 0)
                if (const auto id = ParseXmlInt(dane.attribute("id").value()))
                    first.insert(Key(name, *id), dane);
    }

    const int count = int(flatList.size());
    for (int i = 0; i < count; ++i) {
        TElement* n = flatList[i];
        const auto it = first.constFind(Key(n->FileName, n->Kind));
        if (it != first.constEnd())
            readInto(*n, *it);
        if (progress)
            progress(count, i + 1);
    }
    // Groups and the root all store their average in the one entry with an
    // empty name, which holds whichever was written last (the root's). A
    // group that read it takes its own average from its children instead.
    for (TElement* n : flatList)
        if (n->NodeType == TElement::RootOrGroup && n->HasResult)
            n->Progress = AverageOfChildren(*n);
    return out;
}

namespace {

// The WriteNode of one operation: stamps the node and applies it to `doc`.
void writeNodeInto(ResultsDocument& doc, TElement& node, QDate today)
{
    node.ResultDate = today.toString(ResultDateFormat());
    if (node.Kind == 11)
        node.Progress = -1;
    node.HasResult = true;
    doc.write(node);
}

void recomputeInto(ResultsDocument& doc, TElement* node, QDate today)
{
    for (TElement* n = node; n; n = n->Parent) {
        n->Progress = AverageOfChildren(*n);
        writeNodeInto(doc, *n, today);
    }
}

} // namespace

Status ResultsStore::WriteNode(TElement& node)
{
    ResultsDocument doc;
    if (const Status s = doc.open(m_path); !s.ok())
        return s;
    writeNodeInto(doc, node, m_clock->today());
    return doc.save(m_path);
}

Status ResultsStore::RecomputeAncestors(TElement* node)
{
    if (!node)
        return {};
    ResultsDocument doc;
    if (const Status s = doc.open(m_path); !s.ok())
        return s;
    recomputeInto(doc, node, m_clock->today());
    return doc.save(m_path);
}

// RecordResult:
// 1. Score: the result panel's Wynik while the panel shows a result not yet
//    recorded; with the panel hidden (the exercise was left before its check)
//    the statistics' XFactor, or 0 without statistics.
// 2. With ResultPending: mark the panel recorded, store the score and the
//    time "00:00:00", schedule the review (ReviewsOn), write the node and
//    recompute its ancestors. A panel that is shown and already recorded
//    (the learner checked, then left through a sibling button) stores
//    nothing again: the recorded score stays and the review is not
//    rescheduled a second time for the same check.
// 3. Unscored kinds (11, 41, 51, 61) are written with -1 whether or not a
//    result was pending, so leaving a presentation marks it as seen.
Status ResultsStore::RecordResult(TNawigacjaDrzewa& nav, ResultSources& window, const ReviewSettings& review)
{
    TElement* node = nav.currentNode();
    if (!node)
        return {};
    const bool alreadyRecorded = window.panelVisible && window.panelTag == 1;
    const bool storeScore = nav.ResultPending && !alreadyRecorded;
    const bool unscored = IsUnscoredKind(node->Kind);
    if (!storeScore && !unscored)
        return {};

    int score = 0;
    if (window.panelVisible)
        score = window.wynik;
    else if (window.hasStatistics)
        score = window.xFactor;

    // The node changes in memory even when the file cannot be read, so the
    // selection screen shows the result the learner has just reached.
    ResultsDocument doc;
    const Status opened = doc.open(m_path);
    const QDate today = m_clock->today();
    if (storeScore) {
        window.panelTag = 1;
        node->Progress = score;
        node->ResultTime = QStringLiteral("00:00:00");
        if (review.ReviewsOn)
            ScheduleReview(*node, score, review, today);
        writeNodeInto(doc, *node, today);
        recomputeInto(doc, node->Parent, today);
    }
    if (unscored) {
        node->Progress = -1;
        node->ResultTime = QStringLiteral("00:00:00");
        writeNodeInto(doc, *node, today);
        recomputeInto(doc, node->Parent, today);
    }
    if (!opened.ok())
        return opened;
    return doc.save(m_path);
}
