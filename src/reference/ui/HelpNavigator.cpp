#include "HelpNavigator.h"

HelpNavigator::HelpNavigator(QString appDir, QString helpDir, bool handbook,
                             std::function<QString(const QString&)> soundPath)
    : m_appDir(std::move(appDir)), m_helpDir(std::move(helpDir)), m_handbook(handbook),
      m_soundPath(std::move(soundPath))
{
    m_base = handbook ? handbookRoot() : helpRoot();
}

void HelpNavigator::SplitPagePath(const QString& path, QString& folder, QString& name)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    if (cut < 0) {
        folder.clear();
        name = path;
        return;
    }
    folder = path.left(cut + 1);
    if (folder.endsWith(u'/'))
        folder[folder.size() - 1] = u'\\';
    name = path.mid(cut + 1);
}

QString HelpNavigator::WithoutAnchor(const QString& path)
{
    const qsizetype hash = path.indexOf(u'#');
    return hash < 0 ? path : path.left(hash);
}

static QString withoutLeadingSlash(const QString& page)
{
    return page.startsWith(u'/') ? page.mid(1) : page;
}

QString HelpNavigator::OpeningPath(const QString& page) const
{
    const QString p = withoutLeadingSlash(page);
    return m_handbook ? m_appDir + u'\\' + p : helpRoot() + p;
}

void HelpNavigator::Open(const QString& page)
{
    const QString p = withoutLeadingSlash(page);
    if (m_handbook) {
        QString folder, name;
        SplitPagePath(p, folder, name);
        m_base = m_appDir + u'\\' + folder;
    } else {
        m_base = helpRoot();
    }
    m_history = {OpeningPath(page)};
    m_index = 0;
}

void HelpNavigator::OpenEmpty()
{
    m_history.clear();
    m_index = -1;
    m_base = handbookRoot();
}

bool HelpNavigator::push(const QString& path)
{
    // The current page is the last entry: nothing lies after it.
    while (m_history.size() > m_index + 1)
        m_history.removeLast();
    m_history.append(path);
    ++m_index;
    return m_index >= HistoryWarningIndex;
}

HelpNavigator::Step HelpNavigator::Link(const QString& link, const QString& shownFile)
{
    QString target;
    bool parent = false;
    if (link.startsWith(u'#')) {
        QString folder, name;
        SplitPagePath(WithoutAnchor(shownFile), folder, name);
        target = name + link;
    } else if (link.startsWith(QStringLiteral(".."))) {
        parent = true;
        target = link.mid(3);
    } else if (link.startsWith(u'/')) {
        target = link.mid(1);
    } else {
        target = link;
    }
    QString d, n;
    SplitPagePath(target, d, n);

    Step step;
    if (target.contains(QStringLiteral(".mp3"))) {
        // Sound links play and leave the page, the history and the base as they are.
        step.kind = Step::PlaySound;
        step.path = m_soundPath ? m_soundPath(target) : target;
        return step;
    }

    const bool contentsLink = link == QStringLiteral("Podrecznik\\index.html");
    QString full;
    if (!m_handbook)
        full = helpRoot() + target;
    else if (contentsLink)
        full = handbookRoot() + QStringLiteral("index.html"); // not the base's Podrecznik subfolder
    else if (n.isEmpty())
        full = m_base + d;
    else if (parent)
        full = handbookRoot() + d + n; // parent links always start at the handbook root
    else
        full = m_base + d + n;

    step.kind = Step::LoadPage;
    step.path = full;
    step.historyTooLong = push(full);

    if (contentsLink)
        m_base = handbookRoot();
    else if (parent)
        m_base = handbookRoot() + d;
    else if (!n.isEmpty())
        m_base = m_base + d;
    return step;
}

HelpNavigator::Step HelpNavigator::TableOfContents()
{
    Step step;
    step.kind = Step::LoadPage;
    if (m_handbook) {
        step.path = m_appDir + QStringLiteral("\\Podrecznik\\index.html");
        m_base = handbookRoot();
    } else {
        step.path = helpRoot() + QStringLiteral("h_index.html");
    }
    // Pressing the button on the contents page reloads it without a second entry.
    if (m_index < 0 || m_history.value(m_index) != step.path)
        step.historyTooLong = push(step.path);
    return step;
}

HelpNavigator::Step HelpNavigator::Back()
{
    if (m_index <= 0)
        return {};
    m_history.removeAt(m_index);
    --m_index;
    while (m_history.size() > m_index + 1)
        m_history.removeLast();
    const QString entry = m_history.at(m_index);
    if (m_handbook) {
        if (WithoutAnchor(entry).endsWith(QStringLiteral("Podrecznik\\index.html"))) {
            m_base = handbookRoot();
        } else {
            QString folder, name;
            SplitPagePath(WithoutAnchor(entry), folder, name);
            m_base = folder;
        }
    } else {
        m_base = helpRoot();
    }
    Step step;
    step.kind = Step::LoadPage;
    step.path = entry;
    return step;
}
