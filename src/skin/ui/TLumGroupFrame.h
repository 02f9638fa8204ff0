#pragma once

#include <QColor>
#include <QWidget>

class ISkinImages;
class SkinCanvas;

enum class TFrameType { ftFrame_Blue, ftFrame_White, ftBackground, ftTablica, ftPuzzle };

// A skinned rectangular frame outlining an area, with an optional caption.
class TLumGroupFrame : public QWidget {
    Q_OBJECT
public:
    explicit TLumGroupFrame(QWidget* parent = nullptr);

    void setLibrary(const ISkinImages* library);

    TFrameType FrameType() const { return m_frameType; }
    void setFrameType(TFrameType v);
    void setCaption(const QString& v);
    void setCaptionPositionX(int v);
    void setCaptionPositionY(int v);
    void setShowCaption(bool v);
    // Rows and columns of the puzzle board; its height follows the rows.
    void setPuzzleWiersze(int v);
    void setPuzzleKolumny(int v);
    void setFontColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void paintNinePieces(SkinCanvas& c, const QString& set, int cornerW, int topH, int bottomH);
    void paintPuzzle(SkinCanvas& c);
    void fitPuzzleHeight();

    const ISkinImages* m_library = nullptr;
    TFrameType m_frameType = TFrameType::ftFrame_Blue;
    QString m_caption;
    int m_captionX = 20, m_captionY = 4;
    bool m_showCaption = false;
    int m_wiersze = 1, m_kolumny = 1;
    QColor m_fontColor = Qt::black;
};
