#include "TfrmLogowanie.h"

#include "ApplySkin.h"
#include "ModalRunner.h"
#include "PictureBox.h"
#include "ShellContext.h"
#include "DialogParts.h"
#include "FormPictures.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TLumBelka.h"
#include "TLumListBox.h"
#include "TLumResButton.h"
#include "TWOwnrScrllBar.h"
#include "TfrmInputPass.h"
#include "TfrmNewUser.h"
#include "TfrmPodklad.h"
#include "UserLine.h"
#include "UserProfiles.h"
#include "WindowPictures.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

constexpr int ItemHeight = 75;
constexpr int VisibleItems = 5;
const QRect ListRect(541, 140, 334, 375);
const QRect ScrollBarRect(876, 140, 18, 375);

// Every entry is drawn by the window itself.
class EntryDelegate final : public QStyledItemDelegate {
public:
    explicit EntryDelegate(TfrmLogowanie* window) : QStyledItemDelegate(window), m_window(window) {}
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& index) const override
    {
        m_window->DrawItem(*p, o.rect, index.row(), o.state & QStyle::State_Selected);
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return QSize(ListRect.width(), ItemHeight);
    }

private:
    TfrmLogowanie* m_window;
};

// A picture-only window button of the title bar with the navigation form's glyphs.
TLumResButton* windowButton(QWidget* parent, const char* name, int left, const QString& glyph)
{
    auto* b = new TLumResButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setRozmiar(TRozmiar::rozUndefined);
    b->setGeometry(left, 0, 18, 34);
    b->setShowCaption(false);
    b->setCaption(QString());
    SetButtonGlyph(b, glyph + QStringLiteral("_N"), 1);
    SetButtonGlyph(b, glyph + QStringLiteral("_H"), 2);
    SetButtonGlyph(b, glyph + QStringLiteral("_D"), 3);
    return b;
}

} // namespace

TfrmLogowanie::TfrmLogowanie(ShellContext& ctx, IModalRunner& modal, const ShellHooks& hooks, TfrmPodklad* background)
    : QWidget(nullptr, Qt::Window), m_ctx(ctx), m_modal(modal), m_hooks(hooks), m_background(background)
{
    setObjectName(QStringLiteral("frmLogowanie"));
    setWindowRole(objectName()); // lets scripts on X11 tell the windows apart
    SetupSkinWindow(this, QSize(1024, 768));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    if (auto bg = LoadInstallationPicture(ctx.inst, QStringLiteral("\\Gfx\\bg.bmp")))
        m_bg = bg->convertToFormat(QImage::Format_RGB32);
    else
        ctx.messages.showFailure(bg.failure());
    IMG_Tlo = new PictureBox(this, "IMG_Tlo");
    IMG_Tlo->setGeometry(0, 50, 1024, 718);
    IMG_Tlo->setPicture(m_bg);

    LumBelka1 = new TLumBelka(this);
    LumBelka1->setObjectName(QStringLiteral("LumBelka1"));
    LumBelka1->setGeometry(0, 0, 1024, 50);
    LumBelka1->setPokazZalogowanie(false);

    btnBelkaHelp = new TLumResButton(this);
    btnBelkaHelp->setObjectName(QStringLiteral("btnBelkaHelp"));
    btnBelkaHelp->setRozmiar(TRozmiar::rozBelka);
    btnBelkaHelp->setGeometry(810, 0, 120, 48);
    btnBelkaHelp->setFont(PixelFont(QStringLiteral("Trebuchet MS"), 15));
    btnBelkaHelp->setFontColor(Qt::white);
    SetButtonGlyph(btnBelkaHelp, QStringLiteral("IMG_Help"), 1);
    btnMinimize = windowButton(this, "btnMinimize", 948, QStringLiteral("IMG_Min"));
    btnClose = windowButton(this, "btnClose", 982, QStringLiteral("IMG_Close"));

    lblWybierz = WhiteLabel(this, "lblWybierz", QRect(541, 62, 0, 0), QStringLiteral("Trebuchet MS"), 26, false, true);
    lblAby = WhiteLabel(this, "lblAby", QRect(541, 96, 400, 36), QStringLiteral("Trebuchet MS"), 14, true);

    Lista = new TLumListBox(this);
    Lista->setObjectName(QStringLiteral("Lista"));
    Lista->setGeometry(ListRect);
    Lista->setFrameShape(QFrame::NoFrame);
    Lista->setItemHeight(ItemHeight);
    Lista->setItemDelegate(new EntryDelegate(this));
    Lista->setFont(PixelFont(QStringLiteral("Trebuchet MS"), 19));
    Lista->setCursor(Qt::PointingHandCursor);
    Lista->setMouseTracking(true);
    Lista->setSelectionMode(QAbstractItemView::SingleSelection);
    Lista->setAttribute(Qt::WA_OpaquePaintEvent);
    Lista->viewport()->setAutoFillBackground(false);
    Lista->viewport()->installEventFilter(this);

    SB = new TWOwnrScrllBar(this);
    SB->setObjectName(QStringLiteral("SB"));
    SB->setGeometry(ScrollBarRect);
    SB->setKind(TOwnrScrollKind::osbVertical);
    SB->setDrawStyle(TOwnrDrawStyle::osbOwnerDraw);
    SB->setButtonHeight(18);
    SB->setTrackHeight(30);
    SB->setMin(0);
    SB->setMax(0);
    SB->setPosition(0);
    ScrollBarPictures pics = FormScrollBarPictures(false);
    // The bar's background is the part of the background picture around it.
    if (!m_bg.isNull()) {
        const QRect r = ScrollBarRect;
        pics.IMG_BKG = m_bg.copy(Ltrb(r.left(), r.top() - 50, r.left() + r.width(), r.top() + r.height() - 110))
                           .scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    SB->setPictures(pics);
    SB->hide();

    btnStworzProfil = new TLumResButton(this);
    btnStworzProfil->setObjectName(QStringLiteral("btnStworzProfil"));
    btnStworzProfil->setRozmiar(TRozmiar::roz32);
    btnStworzProfil->setGeometry(541, 541, 334, 32);
    btnStworzProfil->setFont(PixelFont(QStringLiteral("Trebuchet MS"), 15, true));
    btnStworzProfil->setFontColor(Qt::white);

    BTN = FormPicture(QStringLiteral("BTN"));
    IMG_Config = FormPicture(QStringLiteral("IMG_Config"));
    IMG_Kosz = FormPicture(QStringLiteral("IMG_Kosz"));

    connect(SB, &TWOwnrScrllBar::changed, this, [this] {
        Lista->setTopIndex(SB->Position());
        Lista->viewport()->update();
    });
    connect(Lista->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (SB->isVisible())
            SB->setPosition(v);
    });
    connect(btnStworzProfil, &TLumResButton::clicked, this, &TfrmLogowanie::CreateProfileClicked);
    connect(btnBelkaHelp, &TLumResButton::clicked, this, [this] { m_hooks.help(QStringLiteral("h_log.html"), this); });
    connect(btnMinimize, &TLumResButton::clicked, this, [this] { m_hooks.minimizeApp(); });
    connect(btnClose, &TLumResButton::clicked, this, [this] { m_hooks.exitQuestion(); });

    ApplySkin(this, ctx.skin);
    CentreOnScreen(this);
    applyTexts();
}

void TfrmLogowanie::applyTexts()
{
    lblWybierz->setCaption(m_ctx.UiText(63));
    lblAby->setCaption(m_ctx.UiText(64));
    btnStworzProfil->setCaption(m_ctx.UiText(65));
    btnBelkaHelp->setCaption(m_ctx.UiText(27));
}

void TfrmLogowanie::showEvent(QShowEvent*)
{
    applyTexts();
    if (m_background)
        m_background->lblWait->setCaption(m_ctx.UiText(109));
    refreshScrollBar();
}

void TfrmLogowanie::LoadUserList()
{
    Expected<UserList> list = ::LoadUserList(m_ctx.inst);
    if (list) {
        m_users = std::move(list.value());
        m_listUsable = true;
    } else {
        m_users = {};
        m_listUsable = false;
        m_ctx.messages.showFailure(list.failure());
    }
    FillList();
}

void TfrmLogowanie::FillList()
{
    Lista->clear();
    for (qsizetype i = 0; i < m_users.count(); ++i)
        Lista->addItem(m_users.lineText(i));
    // At most five entries: the list is as high as they are. More: the full
    // height, with the scroll bar beside it.
    const int n = int(m_users.count());
    Lista->resize(ListRect.width(), n <= VisibleItems ? ItemHeight * n : ListRect.height());
    refreshScrollBar();
}

void TfrmLogowanie::refreshScrollBar()
{
    const int n = Lista->count();
    if (n <= VisibleItems) {
        SB->hide();
        SB->setPosition(0);
        SB->setMax(0);
        Lista->setTopIndex(0);
    } else {
        SB->setMax(std::max(0, n - Lista->height() / ItemHeight));
        if (SB->Position() > SB->Max())
            SB->setPosition(SB->Max());
        SB->show();
        Lista->setTopIndex(SB->Position());
    }
    Lista->viewport()->update();
}

QRect TfrmLogowanie::ConfigIconRect(int r)
{
    return Ltrb(88, ItemHeight * r + 55, 99, ItemHeight * r + 66);
}

QRect TfrmLogowanie::BinIconRect(int r)
{
    return Ltrb(107, ItemHeight * r + 55, 115, ItemHeight * r + 66);
}

TfrmLogowanie::Hit TfrmLogowanie::HitTest(const QPoint& pos) const
{
    const QModelIndex index = Lista->indexAt(pos);
    if (!index.isValid() || !Lista->visualRect(index).contains(pos))
        return {};
    const int r = index.row() - SB->Position();
    if (ConfigIconRect(r).contains(pos))
        return {ClickTarget::Change, index.row()};
    if (BinIconRect(r).contains(pos))
        return {ClickTarget::Remove, index.row()};
    return {ClickTarget::LogIn, index.row()};
}

void TfrmLogowanie::DrawItem(QPainter& p, const QRect& r, int row, bool selected) const
{
    QImage item(r.size(), QImage::Format_ARGB32_Premultiplied);
    item.fill(Qt::black);
    QPainter ip(&item);
    ip.setRenderHint(QPainter::SmoothPixmapTransform);
    // the part of the background behind the entry, so that it looks transparent
    const QPoint origin = Lista->pos() + r.topLeft() - QPoint(0, 50);
    if (!m_bg.isNull())
        ip.drawImage(QPoint(0, 0), m_bg, QRect(origin, r.size()));
    if (selected)
        ip.drawImage(0, 0, BTN);
    const TUser user = m_users.user(row);
    const QString figureName = (user.Gender == QStringLiteral("K") ? QStringLiteral("CK") : QStringLiteral("CM"))
                               + QString::number(user.Figure);
    const QImage figure = m_ctx.skin.library ? m_ctx.skin.library->image(figureName) : QImage();
    if (!figure.isNull())
        ip.drawImage(20, 8, figure);
    const int x = 20 + figure.width() + 8;
    ip.setFont(Lista->font());
    ip.setPen(Qt::white);
    DrawSmoothText(ip, x, 25, user.Login);
    if (selected) {
        ip.drawImage(x, 55, IMG_Config);
        ip.drawImage(x + IMG_Config.width() + 8, 55, IMG_Kosz);
    }
    ip.end();
    p.drawImage(r.topLeft(), item);
}

bool TfrmLogowanie::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != Lista->viewport())
        return QWidget::eventFilter(watched, e);
    switch (e->type()) {
    case QEvent::MouseMove: {
        const QModelIndex index = Lista->indexAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (index.isValid() && Lista->currentRow() != index.row())
            Lista->setCurrentRow(index.row());
        return true;
    }
    case QEvent::Leave:
        Lista->clearSelection();
        Lista->setCurrentRow(-1);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true; // the entries react to the release only
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() != Qt::LeftButton)
            return true;
        const Hit hit = HitTest(me->position().toPoint());
        switch (hit.target) {
        case ClickTarget::LogIn: LogIn(hit.index); break;
        case ClickTarget::Change: ChangeProfile(hit.index); break;
        case ClickTarget::Remove: RemoveProfileAt(hit.index); break;
        case ClickTarget::Nothing: break;
        }
        return true;
    }
    case QEvent::Wheel:
        // the scroll bar moves the list, so the two stay together
        if (SB->isVisible()) {
            const int steps = static_cast<QWheelEvent*>(e)->angleDelta().y() / 120;
            SB->setPosition(std::clamp(SB->Position() - steps, SB->Min(), SB->Max()));
        }
        return true;
    default:
        return false;
    }
}

bool TfrmLogowanie::passwordGate(const TUser& user)
{
    if (!user.HasPassword)
        return true;
    const PasswordAnswer answer = AskPassword(m_ctx, m_modal, m_hooks, this);
    if (!answer.ok)
        return false;
    if (answer.text != user.Password) {
        m_ctx.messages.showMessageBox(m_ctx.UiText(75), m_ctx.UiText(59), MsgBoxKind::Notice);
        return false;
    }
    return true;
}

bool TfrmLogowanie::ensureUsable()
{
    if (m_listUsable)
        return true;
    // The list could not be read: writing it now would lose every profile.
    Expected<UserList> list = ::LoadUserList(m_ctx.inst);
    if (list) {
        m_users = std::move(list.value());
        m_listUsable = true;
        FillList();
        return true;
    }
    m_ctx.messages.showFailure(list.failure());
    return false;
}

void TfrmLogowanie::LogIn(int index)
{
    if (index < 0 || index >= m_users.count())
        return;
    const TUser user = m_users.user(index);
    if (!passwordGate(user))
        return;
    emit loginRequested(user);
}

void TfrmLogowanie::ChangeProfile(int index)
{
    if (index < 0 || index >= m_users.count() || !ensureUsable())
        return;
    TUser user = m_users.user(index);
    if (!passwordGate(user))
        return;
    if (!EditProfile(m_ctx, m_modal, m_hooks, m_users, user, ProfileMode::Change, this))
        return;
    if (const Status s = ReplaceProfile(m_ctx.inst, m_users, index, user); !s)
        m_ctx.messages.showFailure(s.failure());
    FillList();
}

void TfrmLogowanie::RemoveProfileAt(int index)
{
    if (index < 0 || index >= m_users.count() || !ensureUsable())
        return;
    const TUser user = m_users.user(index);
    if (!passwordGate(user))
        return;
    if (m_ctx.messages.showMessageBox(m_ctx.UiText(76), m_ctx.UiText(33), MsgBoxKind::Question) != 1)
        return;
    if (const Status s = RemoveProfile(m_ctx.inst, m_users, index); !s)
        m_ctx.messages.showFailure(s.failure());
    FillList();
}

void TfrmLogowanie::CreateProfileClicked()
{
    if (!ensureUsable())
        return;
    TUser user;
    if (!EditProfile(m_ctx, m_modal, m_hooks, m_users, user, ProfileMode::Create, this))
        return;
    user.Id = NewUserId(m_users);
    if (const Status s = CreateProfile(m_ctx.inst, m_users, user); !s)
        m_ctx.messages.showFailure(s.failure());
    FillList();
}

void TfrmLogowanie::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        m_hooks.help(QStringLiteral("h_log.html"), this);
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TfrmLogowanie::closeEvent(QCloseEvent* e)
{
    // Closed by the window system (Alt+F4): the exit question instead.
    if (e->spontaneous()) {
        e->ignore();
        m_hooks.exitQuestion();
        return;
    }
    if (m_listUsable)
        if (const Status s = SaveUserList(m_ctx.inst, m_users); !s)
            m_ctx.messages.showFailure(s.failure());
    e->accept();
}
