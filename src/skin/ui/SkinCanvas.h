#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

class ISkinImages;
class QPainter;
class QWidget;

// One thing a skinned control drew, as SkinPaintLog records it.
struct SkinDrawn {
    enum Kind {
        Picture,     // a skin picture at its own size
        Stretched,   // a skin picture stretched into `rect`
        OwnPicture,  // one of the control's own pictures (glyph, scroll-bar piece)
        Text,        // `name` is the text, `rect` its line box
        Placeholder  // the plain rectangle of a control without a library
    };
    Kind kind = Picture;
    QString name;   // picture name, own picture's label, or the text
    QRect rect;     // where it went, in the control's coordinates
    QFont font;     // texts only
    QColor color;   // texts only
    QString source; // object name of the control (its class name when unnamed)
};

// Records what every SkinCanvas draws while it exists, so that tests can check
// which picture went where without comparing pixels. One log at a time; the
// log is not thread-safe (painting happens on the interface thread).
class SkinPaintLog final {
public:
    SkinPaintLog();
    ~SkinPaintLog();
    SkinPaintLog(const SkinPaintLog&) = delete;
    SkinPaintLog& operator=(const SkinPaintLog&) = delete;

    static SkinPaintLog* active();

    std::vector<SkinDrawn> items;

    void clear() { items.clear(); }
    // Items of one control (by object name or class name).
    std::vector<SkinDrawn> of(const QString& source) const;
    // Names of the pictures (skin and own) in drawing order.
    QStringList pictureNames() const;
    // The first item with that name; nullptr when none.
    const SkinDrawn* find(const QString& name) const;
};

// What a skinned control paints with: skin pictures fetched by name at every
// paint (no cache, as the library is used), the control's own pictures, and
// smoothed texts, each drawn on the painter and recorded in the active log.
class SkinCanvas final {
public:
    SkinCanvas(QPainter& painter, const ISkinImages* library, const QWidget* source);

    bool hasLibrary() const { return m_library != nullptr; }
    QPainter& painter() { return m_painter; }

    // Draws skin picture `name` unscaled with its top-left at `at`. Returns its
    // size; an empty size when the library lacks it (nothing is drawn).
    QSize pictureAt(const QString& name, QPoint at);
    // Draws skin picture `name` stretched into `into` (nothing for an empty rectangle).
    QSize pictureInto(const QString& name, const QRect& into);
    // Fetches a skin picture without drawing it, for pictures placed by their size.
    QImage fetch(const QString& name);
    // Draws a picture fetched with fetch() unscaled at `at`; returns its size.
    QSize drawFetched(const QString& name, const QImage& picture, QPoint at);

    // Draws one of the control's own pictures unscaled at `at`, or stretched into `into`.
    void ownPicture(const QImage& image, QPoint at, const QString& label);
    void ownPictureInto(const QImage& image, const QRect& into, const QString& label);

    // The font and colour of the following texts.
    void setFont(const QFont& font, const QColor& color);
    const QFont& font() const { return m_font; }
    // DrawSmoothText at (x, y) in the current font and colour.
    void text(int x, int y, const QString& text);
    // DrawSmoothTextRect in the current font and colour.
    void textRect(const QRect& rect, int x, int y, int format, const QString& text);

    // Plain text word-wrapped into `box`, left-aligned, in the current font and colour.
    void wrappedText(const QRect& box, const QString& text);

    // The plain rectangle a control draws when it has no library.
    void placeholder(const QRect& r);
    // Without a library: draws the placeholder over `r` and returns true.
    bool placeholderWithoutLibrary(const QRect& r);

private:
    void log(SkinDrawn::Kind kind, const QString& name, const QRect& rect);

    QPainter& m_painter;
    const ISkinImages* m_library;
    QString m_source;
    QFont m_font;
    QColor m_color = Qt::black;
};
