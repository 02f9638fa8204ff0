#pragma once

#include "PictureScrollBar.h"

enum class TOwnrScrollKind { osbVertical, osbHorizontil };
enum class TOwnrDrawStyle { osbStandard, osbOwnerDraw };

// The windowless picture scroll bar (20 × 100, vertical, 1..100 at 50). Steps
// that would leave Min..Max are ignored rather than cut short.
class TWOwnrScrllBar : public PictureScrollBar {
    Q_OBJECT
public:
    explicit TWOwnrScrllBar(QWidget* parent = nullptr);

    void setKind(TOwnrScrollKind k) { setVertical(k == TOwnrScrollKind::osbVertical); }
    void setDrawStyle(TOwnrDrawStyle s) { setStandardStyle(s == TOwnrDrawStyle::osbStandard); }
    void setButtonHeight(int v) { setButtonLength(v); }
    int ButtonHeight() const { return buttonLength(); }
    void setTrackHeight(int v) { setThumbLength(v); }
    int TrackHeight() const { return thumbLength(); }
    void setAutoSizeTrack(bool on) { setAutoThumb(on, m_minTrackSize); }
    void setMinTrackSize(int v) { m_minTrackSize = v; }

private:
    int m_minTrackSize = 6;
};
