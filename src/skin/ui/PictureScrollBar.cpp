#include "PictureScrollBar.h"

#include "SkinCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

PictureScrollBar::PictureScrollBar(QWidget* parent, Behaviour b) : QWidget(parent), m_behaviour(b)
{
    setFocusPolicy(Qt::NoFocus);
    if (b.repeatMs > 0) {
        m_repeat.setInterval(b.repeatMs);
        connect(&m_repeat, &QTimer::timeout, this, [this] {
            if (m_pressed && !m_dragging)
                act(m_pressedPart);
        });
    }
}

void PictureScrollBar::setMin(int v) { m_min = v; refitThumb(); update(); }
void PictureScrollBar::setMax(int v) { m_max = v; refitThumb(); update(); }
void PictureScrollBar::setVertical(bool v) { m_vertical = v; refitThumb(); update(); }
void PictureScrollBar::setPictures(const ScrollBarPictures& p) { m_pictures = p; update(); }
void PictureScrollBar::setCtrl3D(bool v) { m_ctrl3D = v; update(); }
void PictureScrollBar::setStandardStyle(bool v) { m_standard = v; update(); }
void PictureScrollBar::setButtonLength(int v) { m_button = v; refitThumb(); update(); }
void PictureScrollBar::setThumbLength(int v) { m_thumb = v; update(); }

void PictureScrollBar::setColors(const QColor& bar, const QColor& arrow, const QColor& background, const QColor& border)
{
    m_barColor = bar;
    m_arrowColor = arrow;
    m_background = background;
    m_border = border;
    update();
}

void PictureScrollBar::setAutoThumb(bool on, int minThumb)
{
    m_autoThumb = on;
    m_minThumb = minThumb;
    refitThumb();
    update();
}

void PictureScrollBar::refitThumb()
{
    if (m_autoThumb)
        m_thumb = track().autoThumb(m_minThumb);
}

void PictureScrollBar::resizeEvent(QResizeEvent*)
{
    refitThumb();
}

void PictureScrollBar::setPosition(int v)
{
    if (v < m_min || v > m_max) {
        if (!m_behaviour.clamp)
            return;
        v = std::clamp(v, m_min, std::max(m_min, m_max));
    }
    if (v == m_position)
        return;
    m_position = v;
    update();
    emit changed();
}

ScrollTrack PictureScrollBar::track() const
{
    ScrollTrack t;
    t.length = m_vertical ? height() : width();
    t.button = m_button;
    t.thumb = m_thumb;
    t.gap = m_behaviour.gap;
    t.min = m_min;
    t.max = m_max;
    return t;
}

QRect PictureScrollBar::span(int start, int len) const
{
    return m_vertical ? QRect(0, start, width(), len) : QRect(start, 0, len, height());
}

QRect PictureScrollBar::thumbRect() const
{
    const int start = track().thumbStart(m_position);
    return m_vertical ? QRect(1, start, width() - 2, m_thumb) : QRect(start, 1, m_thumb, height() - 2);
}

int PictureScrollBar::along(const QPointF& p) const
{
    return m_vertical ? int(p.y()) : int(p.x());
}

void PictureScrollBar::step(int delta)
{
    setPosition(m_position + delta);
}

void PictureScrollBar::act(ScrollTrack::Part part)
{
    const int before = m_position;
    switch (part) {
    case ScrollTrack::Part::FirstArrow:
        m_lastChange = -1;
        if (m_position > m_min)
            step(-m_small);
        break;
    case ScrollTrack::Part::SecondArrow:
        m_lastChange = 1;
        if (m_position < m_max)
            step(m_small);
        break;
    case ScrollTrack::Part::TrackBefore:
        step(-m_large);
        break;
    case ScrollTrack::Part::TrackAfter:
        step(m_large);
        break;
    case ScrollTrack::Part::Thumb:
        break;
    }
    if (m_position != before)
        emit scrolled();
}

void PictureScrollBar::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int a = along(e->position());
    m_pressedPart = track().hit(a, m_position);
    m_pressed = true;
    if (m_pressedPart == ScrollTrack::Part::Thumb) {
        m_dragging = true;
        m_dragOffset = a - track().thumbStart(m_position);
    } else {
        act(m_pressedPart);
        if (m_behaviour.repeatMs > 0)
            m_repeat.start();
    }
    update();
}

void PictureScrollBar::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_dragging)
        return;
    const int before = m_position;
    setPosition(track().positionAt(along(e->position()) - m_dragOffset));
    if (m_position != before)
        emit scrolled();
}

void PictureScrollBar::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    m_dragging = false;
    m_repeat.stop();
    update();
}

void PictureScrollBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas c(p, nullptr, this);
    const ScrollTrack t = track();
    const ScrollBarPictures& pics = m_pictures;

    if (!pics.IMG_BKG.isNull())
        c.ownPictureInto(pics.IMG_BKG, rect(), QStringLiteral("IMG_BKG"));
    else if (m_standard)
        p.fillRect(rect(), m_background);

    const int trackStart = t.button, trackEnd = t.length - t.button;
    if (!pics.IMG_RYNNA1.isNull())
        c.ownPictureInto(pics.IMG_RYNNA1, span(trackStart, pics.rynna1), QStringLiteral("IMG_RYNNA1"));
    if (!pics.IMG_RYNNA2.isNull())
        c.ownPictureInto(pics.IMG_RYNNA2, span(trackStart + pics.rynna1, trackEnd - trackStart - pics.rynna1 - pics.rynna3),
                         QStringLiteral("IMG_RYNNA2"));
    if (!pics.IMG_RYNNA3.isNull())
        c.ownPictureInto(pics.IMG_RYNNA3, span(trackEnd - pics.rynna3, pics.rynna3), QStringLiteral("IMG_RYNNA3"));

    auto arrow = [&](const QImage& img, const QString& label, QRect r, bool first) {
        const bool pushed = m_standard && m_pressed
            && m_pressedPart == (first ? ScrollTrack::Part::FirstArrow : ScrollTrack::Part::SecondArrow);
        if (pushed)
            r.translate(1, 1);
        if (!img.isNull()) {
            c.ownPictureInto(img, r, label);
            return;
        }
        if (!m_standard)
            return;
        p.fillRect(r, m_barColor);
        p.setPen(pushed ? m_border : QColor(Qt::white));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QPoint m = r.center();
        const int k = std::max(2, std::min(r.width(), r.height()) / 4);
        QPolygon tri;
        if (m_vertical)
            tri = first ? QPolygon({m + QPoint(-k, k / 2), m + QPoint(k, k / 2), m + QPoint(0, -k / 2 - 1)})
                        : QPolygon({m + QPoint(-k, -k / 2), m + QPoint(k, -k / 2), m + QPoint(0, k / 2 + 1)});
        else
            tri = first ? QPolygon({m + QPoint(k / 2, -k), m + QPoint(k / 2, k), m + QPoint(-k / 2 - 1, 0)})
                        : QPolygon({m + QPoint(-k / 2, -k), m + QPoint(-k / 2, k), m + QPoint(k / 2 + 1, 0)});
        p.setPen(Qt::NoPen);
        p.setBrush(m_arrowColor);
        p.drawPolygon(tri);
    };
    arrow(pics.IMG_UP, QStringLiteral("IMG_UP"), span(0, t.button), true);
    arrow(pics.IMG_DOWN, QStringLiteral("IMG_DOWN"), span(t.length - t.button, t.button), false);

    const QRect thumb = thumbRect();
    if (!pics.IMG_SUWAK.isNull()) {
        c.ownPictureInto(pics.IMG_SUWAK, thumb, QStringLiteral("IMG_SUWAK"));
    } else if (m_standard) {
        p.fillRect(thumb, m_barColor);
        p.setPen(m_border);
        p.setBrush(Qt::NoBrush);
        p.drawRect(thumb.adjusted(0, 0, -1, -1));
    }

    if (m_ctrl3D) {
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(Qt::white);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
}
