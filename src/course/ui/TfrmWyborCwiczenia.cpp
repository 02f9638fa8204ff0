#include "TfrmWyborCwiczenia.h"

#include "ApplySkin.h"
#include "FormPictures.h"
#include "ShellContext.h"
#include "SkinCanvas.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLumBelka.h"
#include "TLumListBox.h"
#include "TLumResButton.h"
#include "TMyHint.h"
#include "TfrmHelp.h"
#include "TfrmNawigacja.h"
#include "TitleBarSetup.h"
#include "TocRows.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// Paints the list's rows through the window, which knows the course.
class TocRowDelegate final : public QStyledItemDelegate {
public:
    explicit TocRowDelegate(TfrmWyborCwiczenia* window) : QStyledItemDelegate(window), m_window(window) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        m_window->DrawRow(*painter, option.rect, index.row(), option.state & QStyle::State_Selected);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return QSize(798, TocRowHeight);
    }

private:
    TfrmWyborCwiczenia* m_window;
};

QImage picture(const QString& name)
{
    return FormPicture(name);
}

TAALabel* greyLabel(QWidget* parent, const char* name, QPoint at, int pixels, const QString& caption)
{
    auto* l = new TAALabel(parent);
    l->setObjectName(QLatin1String(name));
    l->move(at);
    l->setAutoSize(true);
    l->setLabelFont(PixelFont(QStringLiteral("Trebuchet MS"), pixels));
    l->setFontColor(QColor(170, 170, 170));
    l->setCaption(caption);
    return l;
}

TLumResButton* listButton(QWidget* parent, const char* name, QPoint at)
{
    auto* b = new TLumResButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(at.x(), at.y(), 167, 22);
    b->setFont(PixelFont(QStringLiteral("Trebuchet MS"), 13));
    b->setFontColor(Qt::white);
    return b;
}

} // namespace

TfrmWyborCwiczenia::TfrmWyborCwiczenia(ShellContext& ctx, TfrmNawigacja& nav, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_nav(nav)
{
    setObjectName(QStringLiteral("frmWyborCwiczenia"));
    SetupSkinWindow(this, QSize(1024, 768));
    setFocusPolicy(Qt::StrongFocus);

    Belka = new TLumBelka(this);
    Belka->setObjectName(QStringLiteral("Belka"));
    Belka->setGeometry(0, 0, 1024, 50);

    IMG_Tlo.load(ctx.inst.path(QStringLiteral("\\Gfx\\wyborcwiczenia_tlo.bmp")));

    lblSpisTresci = greyLabel(this, "lblSpisTresci", {219, 96}, 21, QStringLiteral("Spis treści"));
    lblWykonano = greyLabel(this, "lblWykonano", {609, 142}, 13, QStringLiteral(" Wykonano"));
    lblOstatnio = greyLabel(this, "lblOstatnio", {734, 142}, 13, QStringLiteral(" Ostatnio"));

    DrzewoLista = new TLumListBox(this);
    DrzewoLista->setObjectName(QStringLiteral("DrzewoLista"));
    DrzewoLista->setGeometry(203, 166, 798, 552);
    DrzewoLista->setFrameShape(QFrame::NoFrame);
    DrzewoLista->setItemHeight(TocRowHeight);
    DrzewoLista->setSelectionMode(QAbstractItemView::SingleSelection);
    DrzewoLista->setItemDelegate(new TocRowDelegate(this));
    DrzewoLista->setMouseTracking(true);
    DrzewoLista->viewport()->setMouseTracking(true);
    DrzewoLista->viewport()->setAutoFillBackground(false);
    QPalette clear = DrzewoLista->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    DrzewoLista->setPalette(clear);
    DrzewoLista->viewport()->setToolTip(QStringLiteral(" "));
    DrzewoLista->installEventFilter(this);
    DrzewoLista->viewport()->installEventFilter(this);

    SB = new TALScrollBar(this);
    SB->setObjectName(QStringLiteral("SB"));
    SB->setKind(TScrollBarKind::sbVertical);
    SB->setGeometry(1003, 166, 21, 552);
    SB->setButtonWidth(21);
    SB->setScrollerWidth(30);
    SB->setMin(0);
    ScrollBarPictures pics = FormScrollBarPictures();
    if (!IMG_Tlo.isNull())
        pics.IMG_BKG = IMG_Tlo.copy(SB->geometry().translated(0, -50)); // the bar blends with the background
    SB->setPictures(pics);
    SB->hide();
    connect(SB, &TALScrollBar::changed, this, [this] { DrzewoLista->setTopIndex(SB->Position()); });
    // The bar follows the list when the list scrolls by itself (keys).
    connect(DrzewoLista->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { syncScrollBar(); });

    btnExpand = listButton(this, "btnExpand", {203, 724});
    btnExpand->setCaption(QStringLiteral("Rozwiń wszystko"));
    btnCollapse = listButton(this, "btnCollapse", {376, 724});
    btnCollapse->setCaption(QStringLiteral("Zwiń wszystko"));
    connect(btnExpand, &TLumResButton::clicked, this, &TfrmWyborCwiczenia::ExpandAll);
    connect(btnCollapse, &TLumResButton::clicked, this, &TfrmWyborCwiczenia::CollapseAll);

    applyTexts();
    ApplySkin(this, ctx.skin);
    m_nav.SetSelectionWindow(this);
}

TfrmWyborCwiczenia::~TfrmWyborCwiczenia()
{
    if (m_nav.SelectionWindow() == this)
        m_nav.SetSelectionWindow(nullptr);
}

void TfrmWyborCwiczenia::applyTexts()
{
    const auto text = [this](int id, const QString& fallback) {
        const QString t = m_ctx.UiText(id);
        return t.isEmpty() ? fallback : t;
    };
    btnExpand->setCaption(text(86, btnExpand->Caption()));
    btnCollapse->setCaption(text(85, btnCollapse->Caption()));
    lblSpisTresci->setCaption(u' ' + text(117, QStringLiteral("Spis treści")));
    lblWykonano->setCaption(u' ' + text(114, QStringLiteral("Wykonano")));
    lblOstatnio->setCaption(u' ' + text(115, QStringLiteral("Ostatnio")));
}

// ---------------------------------------------------------------------------
// Rows

int TfrmWyborCwiczenia::RowCount() const
{
    return DrzewoLista->count();
}

TElement* TfrmWyborCwiczenia::NodeAtRow(int row) const
{
    const QListWidgetItem* item = row >= 0 ? DrzewoLista->item(row) : nullptr;
    if (!item)
        return nullptr;
    bool ok = false;
    const int index = item->text().toInt(&ok);
    const QList<TElement*>& flat = m_nav.FlatList();
    return ok && index >= 0 && index < flat.size() ? flat[index] : nullptr;
}

int TfrmWyborCwiczenia::SelectedRow() const
{
    const int row = DrzewoLista->currentRow();
    const QListWidgetItem* item = row >= 0 ? DrzewoLista->item(row) : nullptr;
    return item && item->isSelected() ? row : -1;
}

void TfrmWyborCwiczenia::ClearList()
{
    DrzewoLista->clear();
    m_hoverRow = -1;
    UpdateScrollBar();
}

void TfrmWyborCwiczenia::FillList(TElement* node)
{
    if (!node)
        return;
    for (TElement* child : node->Children) {
        DrzewoLista->addItem(QString::number(child->FlatIndex));
        if (child->Expanded)
            FillList(child);
    }
}

void TfrmWyborCwiczenia::FillFromRoot()
{
    m_nav.RebuildFlatList();
    refill();
}

void TfrmWyborCwiczenia::refill()
{
    DrzewoLista->setUpdatesEnabled(false);
    DrzewoLista->clear();
    m_hoverRow = -1;
    FillList(m_nav.course().tree.root());
    DrzewoLista->setUpdatesEnabled(true);
    UpdateScrollBar();
}

void TfrmWyborCwiczenia::SetLearningMode()
{
    DrzewoLista->hide();
    DrzewoLista->show();
}

void TfrmWyborCwiczenia::insertRows(int& position, TElement* node)
{
    for (TElement* child : node->Children) {
        DrzewoLista->insertItem(position++, QString::number(child->FlatIndex));
        if (child->ChildCount() > 0 && child->Expanded)
            insertRows(position, child);
    }
}

int TfrmWyborCwiczenia::removeRows(int row, TElement* node)
{
    int removed = 0;
    for (TElement* child : node->Children) {
        delete DrzewoLista->takeItem(row + 1);
        ++removed;
        if (child->ChildCount() > 0 && child->Expanded)
            removed += removeRows(row, child);
    }
    return removed;
}

void TfrmWyborCwiczenia::ToggleNode(int row, TElement* node)
{
    if (!node || row < 0 || row >= RowCount())
        return;
    if (node->Expanded) {
        removeRows(row, node);
    } else {
        int position = row + 1;
        insertRows(position, node);
    }
    UpdateScrollBar();
    node->Expanded = !node->Expanded;
}

void TfrmWyborCwiczenia::UpdateScrollBar()
{
    DrzewoLista->doItemsLayout();
    const int rows = RowCount();
    if (rows > TocVisibleRows) {
        SB->setMax(rows - TocVisibleRows);
        SB->show();
        syncScrollBar();
    } else {
        SB->hide();
        DrzewoLista->setTopIndex(0);
    }
}

void TfrmWyborCwiczenia::syncScrollBar()
{
    if (!SB->isHidden()) {
        const int top = DrzewoLista->topIndex();
        if (SB->Position() != top)
            SB->setPosition(top);
    }
}

void TfrmWyborCwiczenia::ExpandAll()
{
    m_nav.course().tree.SetExpandedAll(true);
    refill();
}

void TfrmWyborCwiczenia::CollapseAll()
{
    m_nav.course().tree.SetExpandedAll(false);
    refill();
}

void TfrmWyborCwiczenia::EnableList()
{
    DrzewoLista->setEnabled(true);
}

// ---------------------------------------------------------------------------
// Drawing

void TfrmWyborCwiczenia::DrawRow(QPainter& painter, const QRect& rect, int row, bool selected) const
{
    const TElement* node = NodeAtRow(row);
    if (!node)
        return;
    const int x0 = rect.left();
    const int y = rect.top();
    const auto at = [x0](int x, int yy) { return QPoint(x0 + x, yy); };
    SkinCanvas c(painter, nullptr, DrzewoLista);
    painter.fillRect(rect, DrzewoLista->palette().brush(QPalette::Base));

    if (node->NodeType == TElement::RootOrGroup) {
        const QString rowName = selected ? QStringLiteral("Tabka_Hover") : QStringLiteral("Tabka_UP");
        c.ownPictureInto(picture(rowName), QRect(x0, y, 798, TocRowHeight), rowName);
        c.ownPicture(picture(QStringLiteral("IMG_Books")), at(24, y + 1), QStringLiteral("IMG_Books"));
        c.setFont(SkinFont(QStringLiteral("Tahoma"), 11, true), QColor(6, 54, 99));
        c.text(x0 + 55, y + 3, node->Caption);
        return;
    }

    const bool child = node->NodeType == TElement::ContainerChild;
    const QString rowName = child ? (selected ? QStringLiteral("Wiersz_L2_Hover") : QStringLiteral("Wiersz_L2_Up"))
                                  : (selected ? QStringLiteral("Wiersz_L1_Hover") : QStringLiteral("Wiersz_L1_UP"));
    c.ownPictureInto(picture(rowName), QRect(x0, y, 798, TocRowHeight), rowName);
    const QFont font = SkinFont(QStringLiteral("Tahoma"), 10, true);
    c.setFont(font, selected ? QColor(0, 41, 79) : QColor(134, 134, 134));

    const int mode = m_ctx.inst.programMode;
    QString iconName = TocKindIconName(*node, mode);
    QImage icon = picture(iconName);
    if (icon.isNull()) {
        // A kind, package parameter or level without a picture: a neutral icon.
        iconName = mode == 2 ? QStringLiteral("Typ_g_0") : QStringLiteral("Typ_0");
        icon = picture(iconName);
    }
    QString caption = TocCaption(node->Caption, mode);
    const int limit = child ? 254 : 282;
    const QFontMetrics fm(font);
    if (fm.horizontalAdvance(caption) > limit)
        caption = ShortenText(fm, caption, limit);
    const QString level = QStringLiteral("img_poz") + QString::number(node->Level);

    if (node->NodeType == TElement::Exercise) {
        c.ownPicture(icon, at(55, y), iconName);
        c.text(x0 + 83, y + 3, caption);
        c.ownPicture(picture(level), at(375, y + 4), level);
    } else if (node->NodeType == TElement::ContainerNode) {
        c.ownPicture(icon, at(55, y + 2), iconName);
        c.text(x0 + 83, y + 3, caption);
        c.ownPicture(picture(level), at(375, y + 4), level);
        const int n = node->ChildCount();
        if (n > 0) {
            const QString box = node->Expanded ? QStringLiteral("IMG_Minus") : QStringLiteral("IMG_Plus");
            c.ownPicture(picture(box), at(780, y + 10), box);
            for (int i = 1; i <= n; ++i) {
                QString tile = QStringLiteral("Typ_") + QString::number(node->Children[i - 1]->Kind);
                if (picture(tile).isNull())
                    tile = QStringLiteral("Typ_0");
                c.ownPicture(picture(tile), at(TocChildTileX(n, i), y + 2), tile);
            }
        }
    } else {
        c.ownPicture(icon, at(83, y + 2), iconName);
        c.text(x0 + 111, y + 3, caption);
    }

    if (node->HasResult && node->Progress >= 0) {
        const QImage track = picture(QStringLiteral("img_prtlo"));
        const QImage bar = picture(QStringLiteral("img_pr"));
        c.ownPicture(track, at(400, y + 9), QStringLiteral("img_prtlo"));
        const int columns = std::min(node->Progress / 2, bar.width());
        if (columns > 0)
            c.ownPicture(bar.copy(0, 0, columns, bar.height()), at(400, y + 9), QStringLiteral("img_pr"));
        c.text(x0 + 464, y + 3, QString::number(node->Progress) + u'%');
        c.text(x0 + 519, y + 3, node->ResultDate);
    }
}

void TfrmWyborCwiczenia::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(145, 145, 145));
    if (!IMG_Tlo.isNull())
        p.drawImage(QPoint(0, 50), IMG_Tlo);
    if (m_activated) {
        m_activated = false;
        DrzewoLista->setFocus();
    }
}

// ---------------------------------------------------------------------------
// Showing

void TfrmWyborCwiczenia::showEvent(QShowEvent* event)
{
    SetupTitleBar(m_ctx, Belka);
    UpdateScrollBar();
    applyTexts();
    m_activated = true;
    QWidget::showEvent(event);
}

void TfrmWyborCwiczenia::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_activated = true;
        update();
    }
    QWidget::changeEvent(event);
}

void TfrmWyborCwiczenia::closeEvent(QCloseEvent* event)
{
    // Closed by the system (Alt+F4): the exit question instead.
    if (event->spontaneous()) {
        event->ignore();
        m_nav.CloseProgram();
        return;
    }
    QWidget::closeEvent(event);
}

// ---------------------------------------------------------------------------
// Mouse, keys, wheel

void TfrmWyborCwiczenia::openFromRow(int row, TElement* node, int child)
{
    Q_UNUSED(row);
    if (child > 0) {
        if (child <= node->ChildCount())
            m_nav.OpenNode(node->Children[child - 1]);
        return;
    }
    DrzewoLista->setEnabled(false); // until the back button brings the window back
    m_nav.OpenNode(node->NodeType == TElement::ContainerNode ? node->Children.value(0) : node);
}

void TfrmWyborCwiczenia::mouseReleasedOnList(const QPoint& pos)
{
    const int row = DrzewoLista->indexAt(pos).row();
    TElement* node = NodeAtRow(row);
    if (!node)
        return;
    const TocHit hit = TocHitTest(node->NodeType, pos.x(), node->ChildCount());
    switch (hit.action) {
    case TocAction::Toggle: ToggleNode(row, node); break;
    case TocAction::OpenNode:
    case TocAction::OpenFirstChild: openFromRow(row, node, 0); break;
    case TocAction::OpenChild: openFromRow(row, node, hit.child); break;
    case TocAction::None: break;
    }
}

void TfrmWyborCwiczenia::mouseMovedOnList(const QPoint& pos)
{
    QWidget* viewport = DrzewoLista->viewport();
    const int row = DrzewoLista->indexAt(pos).row();
    if (row != m_hoverRow) {
        m_hoverRow = row;
        viewport->unsetCursor();
        if (TMyHint* hint = ApplicationHint())
            hint->hide();
        viewport->setToolTip(QString());
        m_hintRow = false;
        if (row >= 0)
            DrzewoLista->setCurrentRow(row);
        else
            DrzewoLista->clearSelection();
    }
    const TElement* node = NodeAtRow(row);
    if (node && node->NodeType == TElement::Exercise && pos.x() > 55 && pos.x() <= 365) {
        viewport->setCursor(Qt::PointingHandCursor);
        if (!m_hintRow) {
            m_hintRow = true;
            HintText() = TocCaption(node->Caption, m_ctx.inst.programMode);
            viewport->setToolTip(QStringLiteral(" "));
            QHelpEvent request(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
            QApplication::sendEvent(viewport, &request);
        }
    } else {
        viewport->unsetCursor();
    }
}

bool TfrmWyborCwiczenia::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DrzewoLista->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: return true;
        case QEvent::MouseButtonRelease:
            mouseReleasedOnList(static_cast<QMouseEvent*>(event)->position().toPoint());
            return true;
        case QEvent::MouseMove: mouseMovedOnList(static_cast<QMouseEvent*>(event)->position().toPoint()); return true;
        case QEvent::Leave:
            m_hoverRow = -1;
            DrzewoLista->clearSelection();
            return false;
        case QEvent::Wheel: handleWheel(static_cast<QWheelEvent*>(event)->angleDelta().y()); return true;
        default: return false;
        }
    }
    if (watched == DrzewoLista && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

void TfrmWyborCwiczenia::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

void TfrmWyborCwiczenia::wheelEvent(QWheelEvent* event)
{
    handleWheel(event->angleDelta().y());
}

void TfrmWyborCwiczenia::handleWheel(int delta)
{
    if (SB->isHidden() || delta == 0)
        return;
    if (delta < 0 && SB->Position() < SB->Max())
        SB->setPosition(SB->Position() + 1);
    else if (delta > 0 && SB->Position() > 0)
        SB->setPosition(SB->Position() - 1);
    DrzewoLista->setTopIndex(SB->Position());
}

bool TfrmWyborCwiczenia::handleKey(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        m_nav.CloseProgram();
        return true;
    }
    if (key == Qt::Key_F1) {
        TfrmHelp::ShowHelp(m_ctx, QStringLiteral("h_index.html"), this);
        return true;
    }
    if (!DrzewoLista->isEnabled())
        return false;
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        if (RowCount() == 0)
            return true;
        const int current = SelectedRow();
        int next = current < 0 ? (key == Qt::Key_Down ? 0 : RowCount() - 1) : current + (key == Qt::Key_Down ? 1 : -1);
        next = std::clamp(next, 0, RowCount() - 1);
        DrzewoLista->setCurrentRow(next);
        DrzewoLista->scrollToItem(DrzewoLista->item(next));
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const int row = SelectedRow();
        TElement* node = NodeAtRow(row);
        if (!node)
            return true;
        switch (node->NodeType) {
        case TElement::RootOrGroup:
            ToggleNode(row, node);
            DrzewoLista->setCurrentRow(row);
            break;
        case TElement::ContainerNode:
            if (node->ChildCount() > 0)
                openFromRow(row, node, 0);
            break;
        default: openFromRow(row, node, 0); break;
        }
        return true;
    }
    return false;
}
