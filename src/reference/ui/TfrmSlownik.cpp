#include "TfrmSlownik.h"

#include "ApplySkin.h"
#include "ShellContext.h"
#include "SkinCanvas.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "TLumCheckBox.h"
#include "TLumDialogWindow.h"
#include "TLumGroupFrame.h"
#include "TLumResButton.h"
#include "TWOwnrScrllBar.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <functional>

namespace {

const QColor kGrey(128, 128, 128);
const QColor kLetterColour(52, 52, 52);

// The list's paint box: draws through the window.
class PaintBox final : public QWidget {
public:
    PaintBox(QWidget* parent, std::function<void(QPainter&)> paint) : QWidget(parent), m_paint(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_paint(p);
    }

private:
    std::function<void(QPainter&)> m_paint;
};

QFont listFont(bool greyItalic)
{
    QFont f = SkinFont(QStringLiteral("Verdana"), 10);
    f.setItalic(greyItalic);
    return f;
}

// The check boxes' own pictures: a round mark for the radio pair, a square
// one for the whole-words box; lighter under the mouse.
QImage boxPicture(bool radio, bool checked, bool hot)
{
    QImage img(16, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 90, 160), 1));
    p.setBrush(hot ? QColor(225, 240, 255) : Qt::white);
    const QRectF r(1.5, 1.5, 13, 13);
    if (radio)
        p.drawEllipse(r);
    else
        p.drawRoundedRect(r, 2, 2);
    if (checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 80, 160));
        if (radio) {
            p.drawEllipse(QRectF(5, 5, 6, 6));
        } else {
            QPainterPath tick;
            tick.moveTo(4, 8);
            tick.lineTo(7, 11);
            tick.lineTo(12, 4.5);
            p.strokePath(tick, QPen(QColor(30, 80, 160), 2));
        }
    }
    return img;
}

void givePictures(TLumCheckBox* box, bool radio)
{
    box->setGfxChecked(boxPicture(radio, true, false));
    box->setGfxUnChecked(boxPicture(radio, false, false));
    box->setGfxHotChecked(boxPicture(radio, true, true));
    box->setGfxHotUnChecked(boxPicture(radio, false, true));
}

// The picture beside the search box: an open book with "A–Z".
QImage bookPicture()
{
    QImage img(116, 95, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cover(0, 0, 0, 95);
    cover.setColorAt(0, QColor(60, 130, 210));
    cover.setColorAt(1, QColor(20, 70, 140));
    p.setBrush(cover);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(6, 12, 104, 74), 6, 6);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(12, 8, 45, 70), 3, 3);
    p.drawRoundedRect(QRectF(59, 8, 45, 70), 3, 3);
    p.setPen(QPen(QColor(170, 190, 215), 1));
    for (int y = 22; y < 70; y += 8) {
        p.drawLine(18, y, 51, y);
        p.drawLine(65, y, 98, y);
    }
    p.setPen(QColor(20, 70, 140));
    QFont f = SkinFont(QStringLiteral("Verdana"), 10, true);
    p.setFont(f);
    p.drawText(QRect(12, 8, 45, 16), Qt::AlignCenter, QStringLiteral("A"));
    p.drawText(QRect(59, 8, 45, 16), Qt::AlignCenter, QStringLiteral("Z"));
    return img;
}

QImage closeGlyph()
{
    QImage img(34, 18, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 90, 160), 2));
    p.drawLine(QPointF(13, 5), QPointF(21, 13));
    p.drawLine(QPointF(21, 5), QPointF(13, 13));
    return img;
}

} // namespace

TfrmSlownik::TfrmSlownik(ShellContext& ctx, const QString& dictionaryFile, QWidget* parent)
    : QWidget(parent), m_ctx(ctx)
{
    SetupSkinWindow(this, QSize(550, 450));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setObjectName(QStringLiteral("frmSlownik"));
    buildControls();
    ApplySkin(this, ctx.skin);
    CentreOnScreen(this);

    // Loaded once, beside the rest of start-up.
    m_future = LoadDictionaryAsync(dictionaryFile.isEmpty() ? DictionaryPath(ctx.inst) : dictionaryFile);
    connect(&m_watcher, &QFutureWatcher<Expected<LoadedDictionary>>::finished, this, [this] { waitForDictionary(); });
    m_watcher.setFuture(m_future);
}

TfrmSlownik::~TfrmSlownik()
{
    m_watcher.disconnect(this);
    if (!m_loaded)
        m_future.waitForFinished(); // the loader thread finishes before the window goes
}

void TfrmSlownik::buildControls()
{
    LumDialogWindow1 = new TLumDialogWindow(this);
    LumDialogWindow1->setObjectName(QStringLiteral("LumDialogWindow1"));
    LumDialogWindow1->setGeometry(rect());
    LumDialogWindow1->setDialogStyle(TDialogStyle::dsWhite);
    LumDialogWindow1->setBelkaSize(TBelkaSize::bs40);
    LumDialogWindow1->setAllowMoveWindow(true);
    LumDialogWindow1->setCaption(QStringLiteral("Słownik"));

    btnClose = new TLumResButton(this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setRozmiar(TRozmiar::rozUndefined);
    btnClose->setGeometry(508, 1, 34, 18);
    btnClose->setCaption(QString());
    btnClose->setShowCaption(false);
    btnClose->setGlyph(closeGlyph());
    connect(btnClose, &TLumResButton::clicked, this, &QWidget::hide);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(24, 63, 116, 95);
    picture->setPixmap(QPixmap::fromImage(bookPicture()));
    Image1 = picture;

    auto frame = [this](const char* name, const QRect& geometry) {
        auto* f = new TLumGroupFrame(this);
        f->setObjectName(QLatin1String(name));
        f->setFrameType(TFrameType::ftFrame_White);
        f->setGeometry(geometry);
        return f;
    };
    LumGroupFrame2 = frame("LumGroupFrame2", QRect(146, 48, 192, 118));
    LumGroupFrame3 = frame("LumGroupFrame3", QRect(344, 48, 192, 118));
    LumGroupFrame1 = frame("LumGroupFrame1", QRect(22, 172, 492, 253));

    edtSzukaj = new QLineEdit(this);
    edtSzukaj->setObjectName(QStringLiteral("edtSzukaj"));
    edtSzukaj->setGeometry(156, 59, 108, 21);
    edtSzukaj->installEventFilter(this);
    connect(edtSzukaj, &QLineEdit::returnPressed, this, &TfrmSlownik::Search);

    btnSzukaj = new TLumResButton(this);
    btnSzukaj->setObjectName(QStringLiteral("btnSzukaj"));
    btnSzukaj->setRozmiar(TRozmiar::roz22);
    btnSzukaj->setGeometry(270, 58, 23, 22);
    btnSzukaj->setCaption(QStringLiteral(">"));
    connect(btnSzukaj, &TLumResButton::clicked, this, &TfrmSlownik::Search);

    auto box = [this](const char* name, int y, bool radio) {
        auto* b = new TLumCheckBox(this);
        b->setObjectName(QLatin1String(name));
        givePictures(b, radio);
        b->setRadioStyle(radio);
        b->setRadioGroup(0);
        b->move(156, y);
        return b;
    };
    rdSzukajSlowka = box("rdSzukajSlowka", 95, true);
    rdSzukajTlumaczenia = box("rdSzukajTlumaczenia", 118, true);
    chkCaleWyrazy = box("chkCaleWyrazy", 141, false);
    rdSzukajTlumaczenia->setChecked(false);
    chkCaleWyrazy->setChecked(false);

    pbSlownik = new PaintBox(this, [this](QPainter& p) { paintList(p); });
    pbSlownik->setObjectName(QStringLiteral("pbSlownik"));
    pbSlownik->setGeometry(33, 184, 470, 224);

    ScrollBar = new TWOwnrScrllBar(this);
    ScrollBar->setObjectName(QStringLiteral("ScrollBar"));
    ScrollBar->setGeometry(515, 172, 18, 253);
    ScrollBar->setMin(0);
    ScrollBar->setPosition(0);
    ScrollBar->setMax(0);
    connect(ScrollBar, &PictureScrollBar::changed, pbSlownik, qOverload<>(&QWidget::update));
}

QString TfrmSlownik::uiText(int id, const QString& fallback) const
{
    const QString text = m_ctx.UiText(id);
    return text.isEmpty() ? fallback : text;
}

void TfrmSlownik::waitForDictionary()
{
    if (m_loaded)
        return;
    m_future.waitForFinished();
    m_loaded = true;
    Expected<LoadedDictionary> loaded = m_future.takeResult();
    if (!loaded.ok())
        return; // the window never reported a missing dictionary: the list stays empty
    m_model.setIndex(std::move(loaded->index));
    dictionaryLoaded();
}

void TfrmSlownik::dictionaryLoaded()
{
    if (isVisible() && !edtSzukaj->text().isEmpty())
        Search();
    else
        listChanged();
}

void TfrmSlownik::syncOptions()
{
    // The radio pair keeps one checked; should neither be, the words are searched.
    m_model.setSearchField(rdSzukajTlumaczenia->Checked() && !rdSzukajSlowka->Checked() ? SearchField::Translations
                                                                                       : SearchField::Words);
    m_model.setWholeWords(chkCaleWyrazy->Checked());
}

void TfrmSlownik::Search()
{
    waitForDictionary();
    syncOptions();
    m_model.SearchBox(edtSzukaj->text());
    listChanged();
}

void TfrmSlownik::PressLetter(int tag)
{
    waitForDictionary();
    syncOptions();
    m_model.PressLetterButton(tag);
    listChanged();
}

QString TfrmSlownik::DictionaryForm(const QString& word)
{
    waitForDictionary();
    return m_model.DictionaryForm(word);
}

void TfrmSlownik::ShowWord(const QString& word)
{
    const QString form = DictionaryForm(word);
    if (form.isEmpty())
        return;
    edtSzukaj->setText(form);
    if (isVisible()) {
        rdSzukajSlowka->setChecked(true);
        rdSzukajTlumaczenia->setChecked(false);
        Search();
        activateWindow(); // always on top already
    } else {
        show(); // showing searches for the text of the box
    }
}

DictionaryMetrics TfrmSlownik::metrics() const
{
    DictionaryMetrics m;
    const QFont regular = listFont(false);
    const QFont italic = listFont(true);
    m.lineHeight = TextHeight(regular, QStringLiteral("Xy"));
    m.boxWidth = pbSlownik->width();
    m.boxHeight = pbSlownik->height();
    m.width = [regular, italic](const QString& text, bool greyItalic) {
        return TextWidth(greyItalic ? italic : regular, text);
    };
    return m;
}

int TfrmSlownik::scrollPosition() const
{
    return ScrollBar->Position();
}

void TfrmSlownik::listChanged()
{
    ScrollBar->setPosition(0);
    ScrollBar->setMax(DictionaryScrollMaximum(m_model, metrics()));
    pbSlownik->update();
}

void TfrmSlownik::paintList(QPainter& p)
{
    const DictionaryPage page = LayoutDictionaryPage(m_model, ScrollBar->Position(), metrics());
    SkinCanvas canvas(p, nullptr, pbSlownik);
    const QFont regular = listFont(false);
    const QFont italic = listFont(true);
    for (const PlacedText& t : page.texts) {
        canvas.setFont(t.grey ? italic : regular, t.grey ? kGrey : QColor(Qt::black));
        canvas.text(t.x, t.y, t.text);
    }
}

QList<TLumResButton*> TfrmSlownik::letterButtons() const
{
    QList<TLumResButton*> buttons;
    for (int k = 0; k <= 26; ++k)
        if (auto* b = findChild<TLumResButton*>(QStringLiteral("Litera%1").arg(k), Qt::FindDirectChildrenOnly))
            buttons << b;
    return buttons;
}

void TfrmSlownik::createLetterButtons()
{
    destroyLetterButtons();
    const QString all = uiText(DictionaryUiText::AllEntries, QStringLiteral("Wszystko"));
    for (const LetterButtonSpec& letter : LetterButtons(all)) {
        auto* b = new TLumResButton(this);
        b->setObjectName(letter.name);
        b->setRozmiar(TRozmiar::roz22);
        b->setGrafikaIndex(7);
        b->setGeometry(letter.x, letter.y, letter.width, 22);
        b->setCaption(letter.caption);
        b->setTag(letter.tag);
        b->setAlignment(TLumResButtonAlignment::taCenter);
        b->setFont(SkinFont(b->font().family(), 10));
        b->setFontColor(kLetterColour);
        b->setKorektaCaption(-2);
        b->setShowCaption(true);
        connect(b, &TLumResButton::clicked, this, [this, tag = letter.tag] { PressLetter(tag); });
        b->show();
    }
    ApplySkin(this, m_ctx.skin);
}

void TfrmSlownik::destroyLetterButtons()
{
    for (TLumResButton* b : letterButtons())
        delete b;
}

void TfrmSlownik::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    edtSzukaj->setFocus();
    waitForDictionary(); // loaded long before, unless shown during start-up
    m_model.PrepareShowing();
    createLetterButtons();
    rdSzukajSlowka->setCaption(uiText(DictionaryUiText::SearchWords, QStringLiteral("Szukaj w słowach")));
    rdSzukajTlumaczenia->setCaption(
        uiText(DictionaryUiText::SearchTranslations, QStringLiteral("Szukaj w tłumaczeniach")));
    chkCaleWyrazy->setCaption(uiText(DictionaryUiText::WholeWords, QStringLiteral("Tylko całe wyrazy")));
    LumDialogWindow1->setCaption(uiText(DictionaryUiText::Caption, QStringLiteral("Słownik")));
    rdSzukajSlowka->setChecked(true);
    rdSzukajTlumaczenia->setChecked(false);
    if (!edtSzukaj->text().isEmpty())
        Search();
    else
        listChanged();
}

void TfrmSlownik::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (!e->spontaneous())
        destroyLetterButtons();
}

void TfrmSlownik::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(e);
}

bool TfrmSlownik::event(QEvent* e)
{
    // Tab does not move the focus.
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return true;
    }
    return QWidget::event(e);
}

bool TfrmSlownik::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == edtSzukaj && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return true;
        if (key == Qt::Key_Escape) {
            hide();
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void TfrmSlownik::wheelEvent(QWheelEvent* e)
{
    const int dy = e->angleDelta().y();
    if (dy == 0) {
        e->ignore();
        return;
    }
    const int notches = dy < 0 ? std::max(1, -dy / 120) : -std::max(1, dy / 120);
    ScrollBar->setPosition(WheelScroll(ScrollBar->Position(), notches, ScrollBar->Max()));
    e->accept();
}
