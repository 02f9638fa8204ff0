#include "SlfLattice.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <optional>

namespace {

constexpr int kMaxExpandedNodes = 200000;
constexpr int kMaxExpandedLinks = 1000000;

using Fields = QList<QPair<QString, QString>>;

// "I=5 W=good morning x=25" → (I,5) (W,good morning) (x,25). A token without
// "=" continues the previous value.
Fields splitFields(const QString& line)
{
    Fields fields;
    for (const QString& token : line.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype eq = token.indexOf(u'=');
        if (eq <= 0) {
            if (!fields.isEmpty())
                fields.last().second += u' ' + token;
            else
                fields.append({token, QString()});
            continue;
        }
        fields.append({token.left(eq), token.mid(eq + 1)});
    }
    for (auto& f : fields) {
        QString& v = f.second;
        if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"'))
            v = v.mid(1, v.size() - 2);
    }
    return fields;
}

std::optional<QString> field(const Fields& fields, const QString& name)
{
    for (const auto& f : fields)
        if (f.first == name)
            return f.second;
    return std::nullopt;
}

struct RawNode {
    bool defined = false;
    QString word = QStringLiteral("!NULL");
    QString subLattice; // non-empty: this node stands for a copy of that sub-lattice
};

struct RawLink {
    bool defined = false;
    int from = -1;
    int to = -1;
    double logLikelihood = 0.0;
};

struct RawLattice {
    QString name; // empty for the main lattice
    std::vector<RawNode> nodes;
    std::vector<RawLink> links;
    int start = -1;
    int end = -1;
    bool sized = false;
};

class Parser {
public:
    Expected<WordGraph> run(const QString& text);

private:
    Failure fail(const QString& what) const
    {
        return Failure::error(QStringLiteral("Błędny plik sieci słów (wiersz %1): %2.").arg(m_line).arg(what));
    }
    std::optional<Failure> closeLattice(RawLattice& lat);
    std::optional<Failure> expand(const RawLattice& lat, WordGraph& into, int& entry, int& exit);

    int m_line = 0;
    double m_logBase = 1.0; // multiplier taking "l=" values to natural logs
    QHash<QString, RawLattice> m_subLattices;
};

std::optional<int> toIndex(const QString& s)
{
    bool ok = false;
    const int v = s.toInt(&ok);
    if (!ok || v < 0)
        return std::nullopt;
    return v;
}

Expected<WordGraph> Parser::run(const QString& text)
{
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    RawLattice current;
    bool mainDone = false;
    bool any = false;
    for (const QString& rawLine : lines) {
        ++m_line;
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (mainDone)
            return fail(QStringLiteral("tekst po końcu sieci"));
        if (line == u".") {
            if (auto f = closeLattice(current))
                return *f;
            if (current.name.isEmpty())
                mainDone = true;
            else
                m_subLattices.insert(current.name, current);
            current = RawLattice();
            any = false;
            continue;
        }
        any = true;
        const Fields fields = splitFields(line);
        const QString& key = fields.first().first;
        if (key == u"I") {
            if (!current.sized)
                return fail(QStringLiteral("węzeł przed wierszem N= L="));
            const auto i = toIndex(fields.first().second);
            if (!i || *i >= int(current.nodes.size()))
                return fail(QStringLiteral("numer węzła poza zakresem"));
            RawNode& node = current.nodes[size_t(*i)];
            if (node.defined)
                return fail(QStringLiteral("węzeł %1 podany dwa razy").arg(*i));
            node.defined = true;
            if (const auto w = field(fields, QStringLiteral("W")))
                node.word = *w;
            if (const auto l = field(fields, QStringLiteral("L")))
                node.subLattice = *l;
            if (node.word.isEmpty() || (field(fields, QStringLiteral("L")) && node.subLattice.isEmpty()))
                return fail(QStringLiteral("węzeł %1 bez słowa").arg(*i));
        } else if (key == u"J") {
            if (!current.sized)
                return fail(QStringLiteral("łuk przed wierszem N= L="));
            const auto j = toIndex(fields.first().second);
            if (!j || *j >= int(current.links.size()))
                return fail(QStringLiteral("numer łuku poza zakresem"));
            RawLink& link = current.links[size_t(*j)];
            if (link.defined)
                return fail(QStringLiteral("łuk %1 podany dwa razy").arg(*j));
            link.defined = true;
            const auto s = field(fields, QStringLiteral("S"));
            const auto e = field(fields, QStringLiteral("E"));
            const auto from = s ? toIndex(*s) : std::nullopt;
            const auto to = e ? toIndex(*e) : std::nullopt;
            if (!from || !to || *from >= int(current.nodes.size()) || *to >= int(current.nodes.size()))
                return fail(QStringLiteral("łuk %1 prowadzi do nieistniejącego węzła").arg(*j));
            if (field(fields, QStringLiteral("W")))
                return fail(QStringLiteral("słowa na łukach nie są obsługiwane"));
            link.from = *from;
            link.to = *to;
            if (const auto l = field(fields, QStringLiteral("l"))) {
                bool ok = false;
                const double v = l->toDouble(&ok);
                if (!ok || !std::isfinite(v))
                    return fail(QStringLiteral("błędna wartość l="));
                link.logLikelihood = v * m_logBase;
            }
        } else {
            // Header fields: the counts, the sub-lattice name, the log base,
            // start and end nodes; others (VERSION, UTTERANCE, lmscale ...) are ignored.
            for (const auto& [name, value] : fields) {
                if (name == u"N" || name == u"NODES" || name == u"L" || name == u"LINKS") {
                    const auto n = toIndex(value);
                    if (!n || *n > kMaxExpandedNodes)
                        return fail(QStringLiteral("błędna liczba %1").arg(name));
                    if (name.startsWith(u'N'))
                        current.nodes.assign(size_t(*n), RawNode());
                    else
                        current.links.assign(size_t(*n), RawLink());
                    current.sized = true;
                } else if (name == u"SUBLAT") {
                    if (value.isEmpty())
                        return fail(QStringLiteral("podsieć bez nazwy"));
                    current.name = value;
                } else if (name == u"base") {
                    bool ok = false;
                    const double b = value.toDouble(&ok);
                    if (!ok || b < 0.0 || b == 1.0)
                        return fail(QStringLiteral("błędna podstawa logarytmu"));
                    m_logBase = b == 0.0 ? 1.0 : std::log(b);
                } else if (name == u"start" || name == u"end") {
                    const auto n = toIndex(value);
                    if (!n)
                        return fail(QStringLiteral("błędny węzeł %1").arg(name));
                    (name == u"start" ? current.start : current.end) = *n;
                }
            }
        }
    }
    if (!mainDone) {
        if (!any || !current.name.isEmpty())
            return fail(QStringLiteral("brak sieci głównej"));
        if (auto f = closeLattice(current))
            return *f;
    }
    WordGraph graph;
    if (auto f = expand(current, graph, graph.start, graph.end))
        return *f;
    return graph;
}

std::optional<Failure> Parser::closeLattice(RawLattice& lat)
{
    if (!lat.sized || lat.nodes.empty())
        return fail(QStringLiteral("sieć bez węzłów"));
    for (size_t i = 0; i < lat.nodes.size(); ++i)
        if (!lat.nodes[i].defined)
            return fail(QStringLiteral("brak węzła %1").arg(i));
    for (size_t j = 0; j < lat.links.size(); ++j)
        if (!lat.links[j].defined)
            return fail(QStringLiteral("brak łuku %1").arg(j));
    for (const RawNode& n : lat.nodes)
        if (!n.subLattice.isEmpty() && !m_subLattices.contains(n.subLattice))
            return fail(QStringLiteral("nieznana podsieć %1").arg(n.subLattice));

    std::vector<int> in(lat.nodes.size(), 0), out(lat.nodes.size(), 0);
    for (const RawLink& l : lat.links) {
        ++out[size_t(l.from)];
        ++in[size_t(l.to)];
    }
    // The start and end nodes: as the header names them, else the one node
    // without incoming (outgoing) links.
    auto pick = [&](int& node, const std::vector<int>& count, const QString& what) -> std::optional<Failure> {
        if (node >= 0)
            return node < int(lat.nodes.size()) ? std::nullopt
                                                 : std::optional(fail(QStringLiteral("węzeł %1 poza zakresem").arg(what)));
        int found = 0;
        for (size_t i = 0; i < count.size(); ++i)
            if (count[i] == 0) {
                node = int(i);
                ++found;
            }
        if (found != 1)
            return fail(QStringLiteral("sieć musi mieć dokładnie jeden węzeł %1").arg(what));
        return std::nullopt;
    };
    if (auto f = pick(lat.start, in, QStringLiteral("początkowy")))
        return f;
    return pick(lat.end, out, QStringLiteral("końcowy"));
}

std::optional<Failure> Parser::expand(const RawLattice& lat, WordGraph& into, int& entry, int& exit)
{
    std::vector<int> nodeEntry(lat.nodes.size()), nodeExit(lat.nodes.size());
    for (size_t i = 0; i < lat.nodes.size(); ++i) {
        const RawNode& n = lat.nodes[i];
        if (n.subLattice.isEmpty()) {
            nodeEntry[i] = nodeExit[i] = int(into.words.size());
            into.words.push_back(n.word);
        } else {
            // Sub-lattices only refer to earlier ones, so this cannot recurse forever.
            if (auto f = expand(m_subLattices.value(n.subLattice), into, nodeEntry[i], nodeExit[i]))
                return f;
        }
        if (into.words.size() > size_t(kMaxExpandedNodes))
            return Failure::error(QStringLiteral("Sieć słów jest za duża."));
    }
    for (const RawLink& l : lat.links)
        into.links.push_back({nodeExit[size_t(l.from)], nodeEntry[size_t(l.to)], l.logLikelihood});
    if (into.links.size() > size_t(kMaxExpandedLinks))
        return Failure::error(QStringLiteral("Sieć słów jest za duża."));
    entry = nodeEntry[size_t(lat.start)];
    exit = nodeExit[size_t(lat.end)];
    return std::nullopt;
}

} // namespace

Expected<WordGraph> ParseSlfLattice(const QString& text)
{
    return Parser().run(text);
}
