#pragma once

#include "ResButtonGeometry.h"

#include <QColor>
#include <QImage>
#include <QWidget>

class ISkinImages;

// The push button of every window: a face assembled from skin pictures named
// after its size class, face index and state, an optional glyph and a smoothed
// caption. It paints over its parent and takes no keyboard focus.
class TLumResButton : public QWidget {
    Q_OBJECT
public:
    explicit TLumResButton(QWidget* parent = nullptr);

    // The skin library; a rozUndefined button keeps none (ApplySkin).
    void setLibrary(const ISkinImages* library);
    const ISkinImages* library() const { return m_library; }

    bool Flat() const { return m_flat; }
    void setFlat(bool v);
    bool Down() const { return m_down; }
    void setDown(bool v);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool v);
    int GrafikaIndex() const { return m_grafikaIndex; }
    void setGrafikaIndex(int v);
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool v);
    const QImage& Glyph() const { return m_glyph; }
    void setGlyph(const QImage& v);
    void setGlyphHot(const QImage& v);
    void setGlyphDisabled(const QImage& v);
    void setGlyphDown(const QImage& v);
    TRozmiar Rozmiar() const { return m_rozmiar; }
    void setRozmiar(TRozmiar v);
    void setKorekta(int v);
    void setKorektaCaption(int v);
    void setKorektaCaptionY(int v);
    void setFixedTekstX(int v);
    void setFixedGlyphX(int v);
    void setSpacing(int v);
    TLumResButtonAlignment Alignment() const { return m_alignment; }
    void setAlignment(TLumResButtonAlignment v);
    TElementy Skladowe() const { return m_skladowe; }
    void setSkladowe(TElementy v);
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& v);
    int Tag() const { return m_tag; }
    void setTag(int v);
    // Font colour of the caption (the font itself is the widget's font).
    void setFontColor(const QColor& c);

    ButtonMouse mouseState() const { return m_mouse; }

    // Runs the click handlers when the button is enabled (keyboard shortcuts).
    void ClickIfEnabled();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void applyAutoSize();

    const ISkinImages* m_library = nullptr;
    bool m_flat = false;
    bool m_down = false;
    bool m_autoSize = false;
    int m_grafikaIndex = 1;
    bool m_showCaption = true;
    QImage m_glyph, m_glyphHot, m_glyphDisabled, m_glyphDown;
    TRozmiar m_rozmiar = TRozmiar::roz22;
    int m_korekta = 0, m_korektaCaption = 0, m_korektaCaptionY = 0;
    int m_fixedTekstX = 0, m_fixedGlyphX = 0;
    int m_spacing = 4;
    TLumResButtonAlignment m_alignment = TLumResButtonAlignment::taCenter;
    TElementy m_skladowe = TElementy::el3;
    QString m_caption = QStringLiteral("LumResButton");
    int m_tag = 0;
    QColor m_fontColor = Qt::black;

    ButtonMouse m_mouse = ButtonMouse::Normal;
    bool m_hover = false;
    QImage m_currentGlyph; // chosen at each paint; kept while a latched button is hot
};
