#pragma once

#include <QWidget>

class ISkinImages;

enum class T3ObFrameType { ft3obA, ft3obB, ft3obC };
enum class T3ObFrameState { fsNone, fsHover, fsDobrze, fsZle };

// The frame around one picture of the three-pictures exercise: its corner
// pieces by style and state (hover, right, wrong). 248 × 296.
class TLum3ObrazkiFrame : public QWidget {
    Q_OBJECT
public:
    explicit TLum3ObrazkiFrame(QWidget* parent = nullptr);

    void setLibrary(const ISkinImages* library);
    void setStylRamki(T3ObFrameType v);
    T3ObFrameState StanRamki() const { return m_stan; }
    void setStanRamki(T3ObFrameState v);

signals:
    void mouseEntered(); // OnMouseEnter
    void mouseLeft();    // OnMouseLeave

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    const ISkinImages* m_library = nullptr;
    T3ObFrameType m_styl = T3ObFrameType::ft3obA;
    T3ObFrameState m_stan = T3ObFrameState::fsNone;
};
