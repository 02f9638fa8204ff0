#include "TfrmMiniSlownik.h"

#include "ApplySkin.h"
#include "FormPictures.h"
#include "GapText.h"
#include "ShellContext.h"
#include "SkinWindow.h"
#include "TALScrollBar.h"
#include "TLumDialogWindow.h"
#include "TLumResButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

constexpr int DialogWidth = 560;
constexpr int DialogHeight = 420;
const QRect AreaRect(24, 56, 488, 340);

} // namespace

TfrmMiniSlownik::TfrmMiniSlownik(ShellContext& ctx, const QString& phrases, const QFont& font, QWidget* parent)
    : QDialog(parent), m_font(font)
{
    setObjectName(QStringLiteral("frmMiniSlownik"));
    SetupSkinWindow(this, QSize(DialogWidth, DialogHeight));
    setModal(true);

    DialogWindow = new TLumDialogWindow(this);
    DialogWindow->setObjectName(QStringLiteral("DialogWindow"));
    DialogWindow->setGeometry(rect());
    DialogWindow->setDialogStyle(TDialogStyle::dsWhite);
    DialogWindow->setCaption(ctx.UiText(77));

    Obszar = new QWidget(this);
    Obszar->setObjectName(QStringLiteral("Obszar"));
    Obszar->setGeometry(AreaRect);
    Obszar->installEventFilter(this);

    ScrollBar = new TALScrollBar(this);
    ScrollBar->setObjectName(QStringLiteral("ScrollBar"));
    ScrollBar->setKind(TScrollBarKind::sbVertical);
    ScrollBar->setGeometry(AreaRect.right() + 8, AreaRect.top(), 21, AreaRect.height());
    ScrollBar->setButtonWidth(21);
    ScrollBar->setScrollerWidth(30);
    ScrollBar->setPictures(FormScrollBarPictures());
    ScrollBar->setMin(0);
    connect(ScrollBar, &TALScrollBar::changed, Obszar, qOverload<>(&QWidget::update));

    btnClose = FrameCloseButton(this, "btnClose", DialogWidth);
    connect(btnClose, &TLumResButton::clicked, this, &QDialog::accept);

    m_layout = LayoutPhraseList(ParsePhraseText(phrases), m_font, AreaRect.width());
    const int over = m_layout.contentHeight - AreaRect.height();
    const int step = qMax(1, m_layout.lineHeight);
    ScrollBar->setMax(over > 0 ? (over + step - 1) / step : 0);
    ScrollBar->setVisible(over > 0);

    ApplySkin(this, ctx.skin);
    CentreOnScreen(this);
}

int TfrmMiniSlownik::scrollOffset() const
{
    return ScrollBar->Position() * qMax(1, m_layout.lineHeight);
}

bool TfrmMiniSlownik::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Obszar) {
        if (event->type() == QEvent::Paint) {
            QPainter p(Obszar);
            paintPhrases(p);
            return true;
        }
        if (event->type() == QEvent::Wheel && ScrollBar->isVisible()) {
            const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
            ScrollBar->setPosition(ScrollBar->Position() - notches);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmMiniSlownik::paintPhrases(QPainter& p)
{
    p.setRenderHint(QPainter::TextAntialiasing);
    const int dy = scrollOffset();
    for (const GapTextPiece& piece : m_layout.pieces) {
        QFont f = m_font;
        f.setBold(piece.bold);
        f.setItalic(piece.italic);
        p.setFont(f);
        p.setPen(piece.colour);
        p.drawText(piece.rect.translated(0, -dy), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, piece.name);
    }
}
