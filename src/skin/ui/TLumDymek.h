#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class ISkinImages;

// The translation bubble: a 332-pixel wide panel shown above a point of its
// parent with its tail at that point, its height following the wrapped text.
class TLumDymek : public QWidget {
    Q_OBJECT
public:
    explicit TLumDymek(QWidget* parent = nullptr);

    void setLibrary(const ISkinImages* library);
    const QString& Tekst() const { return m_tekst; }
    void setFontColor(const QColor& c) { m_fontColor = c; }

    // Shows the bubble with its tail at (x, y) of the parent.
    void ShowBubble(int x, int y, const QString& text);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const ISkinImages* m_library = nullptr;
    QString m_tekst;
    QColor m_fontColor = Qt::black;
    QImage m_picture; // the bubble drawn by ShowBubble
};
