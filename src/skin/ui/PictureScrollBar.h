#pragma once

#include "ScrollTrack.h"

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

// The pictures a scroll bar is drawn from (each optional) and the lengths of
// the track's two end pieces.
struct ScrollBarPictures {
    QImage IMG_UP, IMG_DOWN, IMG_SUWAK, IMG_RYNNA1, IMG_RYNNA2, IMG_RYNNA3, IMG_BKG;
    int rynna1 = 0; // length of IMG_RYNNA1 along the bar
    int rynna3 = 0; // length of IMG_RYNNA3 along the bar
};

// What the two picture scroll bars share: the geometry, the mouse handling and
// the painting from pictures, with plain drawing for the missing ones.
class PictureScrollBar : public QWidget {
    Q_OBJECT
public:
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Position() const { return m_position; }
    void setMin(int v);
    void setMax(int v);
    // Out-of-range values are ignored (TWOwnrScrllBar) or kept in range
    // (TALScrollBar); a new value repaints and emits changed().
    void setPosition(int v);
    void setSmallChange(int v) { m_small = v; }
    void setLargeChange(int v) { m_large = v; }
    bool vertical() const { return m_vertical; }
    void setVertical(bool v);
    void setPictures(const ScrollBarPictures& p);
    const ScrollBarPictures& pictures() const { return m_pictures; }
    void setCtrl3D(bool v);
    // Plain drawing of missing pictures and pushed arrows (the standard style).
    void setStandardStyle(bool v);
    void setColors(const QColor& bar, const QColor& arrow, const QColor& background, const QColor& border);

    // The track geometry now in force.
    ScrollTrack track() const;
    // The thumb rectangle (inset one pixel across).
    QRect thumbRect() const;
    int LastChange() const { return m_lastChange; }

signals:
    void changed(); // OnChange
    void scrolled(); // OnScroll: the learner moved the bar

protected:
    struct Behaviour {
        int gap;        // see ScrollTrack
        bool clamp;     // steps and positions kept in range instead of ignored
        int repeatMs;   // auto-repeat of held arrows and track (0: none)
    };
    PictureScrollBar(QWidget* parent, Behaviour b);

    void setButtonLength(int v);
    int buttonLength() const { return m_button; }
    void setThumbLength(int v);
    int thumbLength() const { return m_thumb; }
    void setAutoThumb(bool on, int minThumb);

    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    int along(const QPointF& p) const;
    QRect span(int start, int len) const;
    void act(ScrollTrack::Part part);
    void step(int delta);
    void refitThumb();

    Behaviour m_behaviour;
    int m_min = 0, m_max = 100, m_position = 0;
    int m_small = 1, m_large = 4;
    int m_button = 18, m_thumb = 18;
    bool m_autoThumb = false;
    int m_minThumb = 6;
    bool m_vertical = true;
    bool m_ctrl3D = false;
    bool m_standard = true;
    ScrollBarPictures m_pictures;
    QColor m_barColor = QColor(192, 192, 192), m_arrowColor = Qt::black;
    QColor m_background = QColor(236, 233, 216), m_border = QColor(128, 128, 128);

    int m_lastChange = 0;
    bool m_pressed = false;
    ScrollTrack::Part m_pressedPart = ScrollTrack::Part::Thumb;
    bool m_dragging = false;
    int m_dragOffset = 0;
    QTimer m_repeat;
};
