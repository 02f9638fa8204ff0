#pragma once

#include <QTimer>
#include <QWidget>

class TAALabel;

// The black full-screen window behind everything. It never takes clicks, shows
// a waiting text on request, and opens an exercise one millisecond after it is
// asked to, so that the window that asked can close first.
class TfrmPodklad : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPodklad(QWidget* parent = nullptr);

    // Shows `text` centred in the window; HideWait hides it.
    void ShowWait(const QString& text);
    void HideWait();

    // Arms Timer1 unless a request is pending; returns false for a dropped request.
    bool RequestOpen();
    bool busy() const { return m_busy; }

    TAALabel* lblWait;
    QTimer Timer1;

signals:
    // Timer1 fired: open the current exercise of the navigation state.
    void openExercise();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void centreWait();

    bool m_busy = false;
};
