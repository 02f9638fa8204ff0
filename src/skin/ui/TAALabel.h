#pragma once

#include <QColor>
#include <QWidget>

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A label drawn with smoothed text, transparent over its parent by default. With
// `HintW` set it gives that text to the hint window while the mouse is over it.
class TAALabel : public QWidget {
    Q_OBJECT
public:
    explicit TAALabel(QWidget* parent = nullptr);

    void setHintW(const QString& v);
    void setExtraWidth(int v);
    void setAutoSize(bool v);
    void setUseAntiAlias(bool v);
    void setWordWrap(bool v);
    void setTransparent(bool v);
    void setAlignment(TAlignment v);
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& v);
    void setFontColor(const QColor& c);
    void setColor(const QColor& c);   // fill colour when not transparent
    void setLabelFont(const QFont& f); // the font (resizes an auto-sized label)

signals:
    void painted(); // OnPaint, after the label has drawn itself

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    void adjustToCaption();
    QRect wrappedRect() const;

    QString m_hintW;
    int m_extraWidth = 0;
    bool m_autoSize = false;
    bool m_useAntiAlias = true;
    bool m_wordWrap = false;
    bool m_transparent = true;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    QString m_caption = QStringLiteral("AntiAliasLabel");
    QColor m_fontColor = Qt::black;
    QColor m_color = QColor(236, 233, 216);
};
