// Help pages and the handbook.
#include "InstallationFileChecks.h"

#include "AnsiText.h"
#include "WinPath.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

// The help pages the windows open with F1 or their help buttons, with the
// anchors they are opened at.
struct HelpPage {
    const char* page;
    QStringList anchors;
    const char* openedBy;
};

const std::vector<HelpPage>& helpPages()
{
    static const std::vector<HelpPage> pages = {
        {"h_index.html", {}, "main window, selection screen, password window and the help viewer's contents button"},
        {"h_log.html", {}, "login and profile windows"},
        {"h_pres.html", {}, "settings window"},
        {"h_exer.html",
         {"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "a10"},
         "the grammar course's exercise windows"},
        {"h_film.html", {}, "gap typing, word table, sorting table and the course's other text windows"},
        {"h_foto.html", {}, "three pictures"},
        {"h_sent.html", {}, "sentence windows"},
        {"h_konwers.html", {}, "dialogue windows"},
        {"h_nowe.html", {}, "reveal game"},
        {"h_comp.html", {"zda"}, "the help viewer"},
        {"h_rep.html", {}, "the help viewer"},
        {"t_index.html", {}, "lesson list and lesson window"},
    };
    return pages;
}

// A page's text: UTF-8 when it decodes as such, Windows-1250 otherwise.
QString readPage(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? decodeAnsi(bytes) : text;
}

bool hasAnchor(const QString& html, const QString& anchor)
{
    const QRegularExpression re(QStringLiteral("\\b(name|id)\\s*=\\s*[\"']?%1([\"'\\s>]|$)")
                                    .arg(QRegularExpression::escape(anchor)),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(html).hasMatch();
}

// A path under AppDir for the report: backslashes, no doubled separators.
QString shown(QString tail)
{
    tail.replace(u'/', u'\\');
    while (tail.contains(QLatin1String("\\\\")))
        tail.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    if (tail.startsWith(u'\\'))
        tail.remove(0, 1);
    return tail;
}

// Splits a page path at its last separator: the folder part (with the
// separator, a final "/" written as "\") and the name part.
std::pair<QString, QString> splitPagePath(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    QString folder = path.left(cut + 1);
    if (folder.endsWith(u'/'))
        folder.back() = u'\\';
    return {folder, path.mid(cut + 1)};
}

QString decodeEntities(QString s)
{
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&#39;"), QLatin1String("'"));
    return s;
}

class HandbookCheck {
public:
    HandbookCheck(const Installation& inst, InstallationReport& report) : m_inst(inst), m_report(report) {}

    void run()
    {
        const QString root = m_inst.path(QStringLiteral("\\Podrecznik"));
        if (!WinFileExists(root + QStringLiteral("/index.html")))
            m_report.problem(QStringLiteral("Podrecznik"), QStringLiteral("table of contents index.html is missing"));
        if (!QFileInfo(root).isDir())
            return;
        QStringList pages;
        QDirIterator it(root, {QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            pages.append(it.next());
        pages.sort();
        for (const QString& page : pages)
            checkPage(page, QDir(root).relativeFilePath(page));
    }

private:
    const QString& text(const QString& path)
    {
        auto it = m_pages.find(path);
        if (it == m_pages.end())
            it = m_pages.insert(path, readPage(path));
        return *it;
    }

    // `rel` is the page's path under Podrecznik ("czasy/a.html").
    void checkPage(const QString& path, const QString& rel)
    {
        static const QRegularExpression linkRe(
            QStringLiteral("<a\\b[^>]*?\\bhref\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression schemeRe(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
        const QString where = shown(QStringLiteral("Podrecznik\\") + rel);
        const QString base = QStringLiteral("\\Podrecznik\\") + splitPagePath(rel).first;
        const QString html = text(path);
        auto links = linkRe.globalMatch(html);
        while (links.hasNext()) {
            const auto m = links.next();
            const QString link = decodeEntities(m.captured(1) + m.captured(2) + m.captured(3)).trimmed();
            if (link.isEmpty() || schemeRe.match(link).hasMatch())
                continue;
            checkLink(where, path, base, link);
        }
    }

    // Resolves `link` as the viewer does when it is clicked on the page at
    // `pagePath`, whose folder is `base` (the page having been reached the
    // usual way): an anchor stays on the page, a parent link ("../") is
    // resolved against the handbook's root, a link naming an ".mp3" plays it
    // from the media root's Media\Podrecznik, anything else is relative to
    // the page's folder.
    void checkLink(const QString& where, const QString& pagePath, const QString& base, const QString& link)
    {
        if (link.startsWith(u'#')) {
            checkAnchor(where, link, pagePath, link.mid(1));
            return;
        }
        const bool parent = link.startsWith(QLatin1String(".."));
        const QString target = parent ? link.mid(3) : link.startsWith(u'/') ? link.mid(1) : link;
        const auto [folder, name] = splitPagePath(target);
        if (target.contains(QLatin1String(".mp3"))) {
            if (m_inst.cdDir.isEmpty())
                return;
            const QString sound = QStringLiteral("\\Podrecznik\\") + target.section(u'#', 0, 0);
            if (!WinFileExists(m_inst.mediaPath(sound)))
                m_report.problem(where, QStringLiteral("sound Media%1 is missing").arg(shown(sound).prepend(u'\\')));
            return;
        }
        if (name.isEmpty())
            return; // a folder: the view is handed it as it is
        const QString tail =
            (parent ? QStringLiteral("\\Podrecznik\\") : base) + folder + name.section(u'#', 0, 0);
        const QString file = m_inst.path(tail);
        if (!QFileInfo(file).isFile()) {
            m_report.problem(where, QStringLiteral("link %1 leads to %2, which is missing").arg(link, shown(tail)));
            return;
        }
        if (name.contains(u'#'))
            checkAnchor(where, link, file, name.section(u'#', 1));
    }

    void checkAnchor(const QString& where, const QString& link, const QString& file, const QString& anchor)
    {
        if (!anchor.isEmpty() && !hasAnchor(text(file), anchor))
            m_report.warning(where, QStringLiteral("link %1: the page has no anchor %2").arg(link, anchor));
    }

    const Installation& m_inst;
    InstallationReport& m_report;
    QHash<QString, QString> m_pages;
};

} // namespace

void CheckHelpPages(const Installation& inst, InstallationReport& report)
{
    const QString where = shown(inst.helpDir);
    for (const HelpPage& p : helpPages()) {
        const QString name = QLatin1String(p.page);
        const QString file = inst.path(inst.helpDir + u'\\' + name);
        if (!QFileInfo(file).isFile()) {
            report.problem(where, QStringLiteral("help page %1 is missing (%2)").arg(name, QLatin1String(p.openedBy)));
            continue;
        }
        if (p.anchors.isEmpty())
            continue;
        const QString html = readPage(file);
        for (const QString& a : p.anchors)
            if (!hasAnchor(html, a))
                report.warning(where, QStringLiteral("help page %1 has no anchor %2; it opens at its top").arg(name, a));
    }
}

void CheckHandbook(const Installation& inst, InstallationReport& report)
{
    HandbookCheck(inst, report).run();
}
