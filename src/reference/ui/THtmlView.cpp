#include "THtmlView.h"

#include "AnsiText.h"
#include "WinPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextDocument>

THtmlView::THtmlView(QWidget* parent) : QTextBrowser(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::NoTextInteraction); // no selection; links are handled below
    viewport()->setMouseTracking(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    document()->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt, kbd, samp { font-family: 'Courier New'; }"));
}

void THtmlView::setRoot(const QString& folder)
{
    m_root = QFileInfo(ResolveWinPath(folder)).canonicalFilePath();
}

bool THtmlView::IsAllowed(const QString& localPath) const
{
    if (m_root.isEmpty())
        return false;
    const QString canonical = QFileInfo(localPath).canonicalFilePath();
    return !canonical.isEmpty() && (canonical == m_root || canonical.startsWith(m_root + u'/'));
}

QString THtmlView::DecodePage(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return utf16(bytes.mid(2));
    }
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:\\-]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.left(2048));
    const QString declared = charset.match(head).captured(1).toLower();
    if (declared == u"utf-8" || declared == u"utf8")
        return QString::fromUtf8(bytes);
    if (!declared.isEmpty() && declared != u"windows-1250" && declared != u"cp1250" && declared != u"x-cp1250") {
        QStringDecoder decoder(declared.toLatin1().constData());
        if (decoder.isValid())
            return decoder(bytes);
    }
    return decodeAnsi(bytes);
}

void THtmlView::Clear()
{
    clear();
    m_file.clear();
    m_anchor.clear();
}

bool THtmlView::LoadFromFile(const QString& path)
{
    const qsizetype hash = path.indexOf(u'#');
    m_file = hash < 0 ? path : path.left(hash);
    m_anchor = hash < 0 ? QString() : path.mid(hash + 1);
    const QString local = ResolveWinPath(m_file);
    m_folder = QFileInfo(local).absolutePath();
    QByteArray bytes;
    bool read = false;
    if (IsAllowed(local) && QFileInfo(local).isFile()) {
        QFile f(local);
        if (f.open(QIODevice::ReadOnly)) {
            bytes = f.readAll();
            read = true;
        }
    }
    document()->setBaseUrl(QUrl::fromLocalFile(m_folder + u'/'));
    setHtml(read ? DecodePage(bytes) : QString());
    if (!m_anchor.isEmpty())
        scrollToAnchor(m_anchor);
    else
        verticalScrollBar()->setValue(0);
    return read;
}

QVariant THtmlView::loadResource(int type, const QUrl& name)
{
    // Only files, and only inside the root: no network, no other folders. A
    // refused resource is an empty one, not a null one: for a null answer the
    // document would go and read a local file itself.
    const QVariant refused = type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource
                                 ? QVariant(QString())
                                 : QVariant(QByteArray());
    if (!name.scheme().isEmpty() && name.scheme() != u"file")
        return refused;
    QString local = name.isLocalFile() ? name.toLocalFile() : name.path();
    if (local.isEmpty())
        return refused;
    if (QFileInfo(local).isRelative())
        local = m_folder + u'/' + local;
    local = ResolveWinPath(local);
    if (!IsAllowed(local))
        return refused;
    QFile f(local);
    if (!f.open(QIODevice::ReadOnly))
        return refused;
    const QByteArray bytes = f.readAll();
    if (type == QTextDocument::HtmlResource)
        return DecodePage(bytes);
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(bytes);
    return bytes;
}

void THtmlView::mousePressEvent(QMouseEvent* event)
{
    m_pressedLink = event->button() == Qt::LeftButton ? anchorAt(event->position().toPoint()) : QString();
}

void THtmlView::mouseReleaseEvent(QMouseEvent* event)
{
    const QString link = anchorAt(event->position().toPoint());
    const bool clicked = event->button() == Qt::LeftButton && !link.isEmpty() && link == m_pressedLink;
    m_pressedLink.clear();
    if (clicked)
        emit linkClicked(link);
}

void THtmlView::mouseMoveEvent(QMouseEvent* event)
{
    if (anchorAt(event->position().toPoint()).isEmpty())
        viewport()->unsetCursor();
    else
        viewport()->setCursor(Qt::PointingHandCursor);
}

void THtmlView::mouseDoubleClickEvent(QMouseEvent*) {}

void THtmlView::PrintPages(QPrinter& printer, int from, int to)
{
    // The document adds its own 2 cm margins to the whole sheet.
    printer.setFullPage(true);
    printer.setFromTo(from, to);
    document()->print(&printer);
}
