#include "TMyHint.h"

#include "SkinCanvas.h"
#include "SmoothText.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

QString& HintText()
{
    static QString text;
    return text;
}

TMyHint::TMyHint() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Orvanta 6.0"));
}

QFont TMyHint::hintFont()
{
    return SkinFont(QStringLiteral("Verdana"), 8);
}

int TMyHint::Layout(const QString& text, QPainter* painter)
{
    const HintLayout layout = LayoutHintText(text, hintFont());
    m_lines = layout.lines;
    if (painter) {
        SkinCanvas c(*painter, nullptr, this);
        QFont bold = hintFont();
        bold.setBold(true);
        for (const HintLayout::Word& w : layout.words) {
            c.setFont(w.bold ? bold : hintFont(), w.bold ? QColor(255, 0, 0) : QColor(0, 0, 0));
            c.text(w.at.x(), w.at.y(), w.text);
        }
    }
    return layout.width;
}

void TMyHint::ActivateHint(QRect r)
{
    if (HintText().isEmpty()) {
        hide();
        return;
    }
    const int w = Layout(HintText(), nullptr);
    r.setRight(r.left() + w + 20 - 1);
    r.setBottom(r.bottom() + 20 * (m_lines - 1));
    // keep the window on the screen, as the toolkit's hint does
    if (const QScreen* screen = QGuiApplication::screenAt(r.topLeft())) {
        const QRect s = screen->geometry();
        if (r.right() > s.right())
            r.moveRight(s.right());
        if (r.bottom() > s.bottom())
            r.moveBottom(s.bottom());
        if (r.left() < s.left())
            r.moveLeft(s.left());
    }
    setGeometry(r);
    show();
    raise();
    update();
}

void TMyHint::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 255, 225));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    Layout(HintText(), &p);
}

namespace {

// Turns tooltip requests into TMyHint activations and hides the hint when the
// pointer leaves the control, on any click or key, and after 2.5 seconds.
class HintFilter final : public QObject {
public:
    HintFilter();
    ~HintFilter() override;

    TMyHint& hint() { return m_hint; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ToolTip: {
            auto* w = qobject_cast<QWidget*>(watched);
            if (!w || w->toolTip().isEmpty())
                return false;
            const QPoint global = static_cast<QHelpEvent*>(event)->globalPos();
            const int baseHeight = 20;
            m_hint.ActivateHint(QRect(global.x(), global.y() + 20, 20, baseHeight));
            m_source = w;
            if (m_hint.isVisible())
                m_hideTimer.start();
            return true;
        }
        case QEvent::Leave:
            if (watched == m_source)
                hideHint();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            hideHint();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void hideHint()
    {
        m_hint.hide();
        m_hideTimer.stop();
        m_source = nullptr;
    }

    TMyHint m_hint;
    QTimer m_hideTimer;
    QPointer<QWidget> m_source;
};

HintFilter* g_filter = nullptr;

HintFilter::HintFilter()
{
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(2500);
    connect(&m_hideTimer, &QTimer::timeout, &m_hint, &QWidget::hide);
    qApp->installEventFilter(this);
    g_filter = this;
}

HintFilter::~HintFilter()
{
    if (g_filter == this)
        g_filter = nullptr;
}

} // namespace

std::unique_ptr<QObject> InstallMyHint()
{
    return std::make_unique<HintFilter>();
}

TMyHint* ApplicationHint()
{
    return g_filter ? &g_filter->hint() : nullptr;
}
