#include "RecordingControls.h"

#include "HoldToRecord.h"
#include "LearnerRecordings.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

namespace {

class HoldFilter final : public QObject {
public:
    HoldFilter(QObject* control, HoldToRecord& hold) : QObject(control), m_hold(hold) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
                if (e->type() == QEvent::MouseButtonPress)
                    m_hold.Press();
                else
                    m_hold.Release();
            }
        }
        return false;
    }

private:
    HoldToRecord& m_hold;
};

} // namespace

void AttachHoldToRecord(QObject* control, HoldToRecord& hold)
{
    control->installEventFilter(new HoldFilter(control, hold));
}

bool PlayRecordingWaiting(IAudioOutput& audio, const QString& path)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool played = PlayRecordingSync(audio, path, [] {
        // Waits for the output's events without spinning.
        QEventLoop wait;
        QTimer::singleShot(10, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    });
    QApplication::restoreOverrideCursor();
    return played;
}
