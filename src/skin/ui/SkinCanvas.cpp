#include "SkinCanvas.h"

#include "ISkinImages.h"
#include "SmoothText.h"

#include <QPainter>
#include <QWidget>

static SkinPaintLog* g_activeLog = nullptr;

SkinPaintLog::SkinPaintLog()
{
    g_activeLog = this;
}

SkinPaintLog::~SkinPaintLog()
{
    if (g_activeLog == this)
        g_activeLog = nullptr;
}

SkinPaintLog* SkinPaintLog::active()
{
    return g_activeLog;
}

std::vector<SkinDrawn> SkinPaintLog::of(const QString& source) const
{
    std::vector<SkinDrawn> out;
    for (const SkinDrawn& d : items) {
        if (d.source == source)
            out.push_back(d);
    }
    return out;
}

QStringList SkinPaintLog::pictureNames() const
{
    QStringList out;
    for (const SkinDrawn& d : items) {
        if (d.kind == SkinDrawn::Picture || d.kind == SkinDrawn::Stretched || d.kind == SkinDrawn::OwnPicture)
            out.append(d.name);
    }
    return out;
}

const SkinDrawn* SkinPaintLog::find(const QString& name) const
{
    for (const SkinDrawn& d : items) {
        if (d.name == name)
            return &d;
    }
    return nullptr;
}

SkinCanvas::SkinCanvas(QPainter& painter, const ISkinImages* library, const QWidget* source)
    : m_painter(painter), m_library(library)
{
    if (source)
        m_source = source->objectName().isEmpty() ? QString::fromLatin1(source->metaObject()->className())
                                                  : source->objectName();
}

QImage SkinCanvas::fetch(const QString& name)
{
    return m_library ? m_library->image(name) : QImage();
}

QSize SkinCanvas::pictureAt(const QString& name, QPoint at)
{
    return drawFetched(name, fetch(name), at);
}

QSize SkinCanvas::drawFetched(const QString& name, const QImage& picture, QPoint at)
{
    if (picture.isNull())
        return {};
    m_painter.drawImage(at, picture);
    log(SkinDrawn::Picture, name, QRect(at, picture.size()));
    return picture.size();
}

QSize SkinCanvas::pictureInto(const QString& name, const QRect& into)
{
    const QImage img = fetch(name);
    if (img.isNull())
        return {};
    if (into.width() > 0 && into.height() > 0) {
        m_painter.drawImage(into, img);
        log(SkinDrawn::Stretched, name, into);
    }
    return img.size();
}

void SkinCanvas::ownPicture(const QImage& image, QPoint at, const QString& label)
{
    if (image.isNull())
        return;
    m_painter.drawImage(at, image);
    log(SkinDrawn::OwnPicture, label, QRect(at, image.size()));
}

void SkinCanvas::ownPictureInto(const QImage& image, const QRect& into, const QString& label)
{
    if (image.isNull() || into.width() <= 0 || into.height() <= 0)
        return;
    m_painter.drawImage(into, image);
    log(SkinDrawn::OwnPicture, label, into);
}

void SkinCanvas::setFont(const QFont& font, const QColor& color)
{
    m_font = font;
    m_color = color;
}

void SkinCanvas::text(int x, int y, const QString& text)
{
    m_painter.setFont(m_font);
    m_painter.setPen(m_color);
    DrawSmoothText(m_painter, x, y, text);
    log(SkinDrawn::Text, text, QRect(x, y, TextWidth(m_font, text), TextHeight(m_font, text)));
}

void SkinCanvas::textRect(const QRect& rect, int x, int y, int format, const QString& text)
{
    m_painter.setFont(m_font);
    m_painter.setPen(m_color);
    DrawSmoothTextRect(m_painter, rect, x, y, format, text);
    log(SkinDrawn::Text, text, QRect(x, y, rect.width(), rect.height()));
}

void SkinCanvas::wrappedText(const QRect& box, const QString& text)
{
    m_painter.setFont(m_font);
    m_painter.setPen(m_color);
    m_painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    log(SkinDrawn::Text, text, box);
}

void SkinCanvas::placeholder(const QRect& r)
{
    m_painter.save();
    m_painter.setPen(QColor(128, 128, 128));
    m_painter.setBrush(QColor(212, 208, 200));
    m_painter.drawRect(r.adjusted(0, 0, -1, -1));
    m_painter.restore();
    log(SkinDrawn::Placeholder, QString(), r);
}

bool SkinCanvas::placeholderWithoutLibrary(const QRect& r)
{
    if (hasLibrary())
        return false;
    placeholder(r);
    return true;
}

void SkinCanvas::log(SkinDrawn::Kind kind, const QString& name, const QRect& rect)
{
    if (SkinPaintLog* l = SkinPaintLog::active()) {
        SkinDrawn d;
        d.kind = kind;
        d.name = name;
        d.rect = rect;
        if (kind == SkinDrawn::Text) {
            d.font = m_font;
            d.color = m_color;
        }
        d.source = m_source;
        l->items.push_back(std::move(d));
    }
}
