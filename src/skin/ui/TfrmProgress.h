#pragma once

#include <QImage>
#include <QWidget>

class TAALabel;

// The small progress window (220 × 50, on top, centred): a text and a bar of
// up to 200 pixels. Its callers close it.
class TfrmProgress : public QWidget {
    Q_OBJECT
public:
    explicit TfrmProgress(QWidget* parent = nullptr);

    // Remembers the total, shows the text with an empty bar, shows the window
    // and lets it paint.
    void Start(int total, const QString& text);
    // Bar width := n / total × 200, rounded (halves to even); nothing when total ≤ 0.
    void Step(int n);

    int barWidth() const { return m_barWidth; }
    // The window's own pictures: the background and the bar (stretched to its width).
    void setPictures(const QImage& background, const QImage& bar);

    TAALabel* Label1;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_total = 0;
    int m_barWidth = 0;
    QImage m_background, m_bar;
};
