#include "TfrmWpisywanie.h"

#include "ApplySkin.h"
#include "FormPictures.h"
#include "MediaButtonUi.h"
#include "PictureBox.h"
#include "ShellContext.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLumProgress.h"
#include "TLumResButton.h"
#include "TMyHint.h"
#include "TfrmMiniSlownik.h"
#include "TfrmNawigacja.h"
#include "WinPath.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int EditWidth = 93;
constexpr int InstructionLeft = 100;
const QRect AreaStart(40, 120, 920, 540);

ExerciseFrameOptions wpisywanieOptions()
{
    ExerciseFrameOptions o;
    o.windowClass = QStringLiteral("TfrmWpisywanie");
    o.formName = QStringLiteral("frmWpisywanie");
    o.backgroundFolder = QStringLiteral("\\Background_selko");
    o.rightClick = ExerciseFrameOptions::RightClick::DictionaryLookup;
    o.helpPage = QStringLiteral("h_film.html");
    return o;
}

} // namespace

TfrmWpisywanie::TfrmWpisywanie(ExerciseServices& services, QWidget* parent)
    : TfrmCwiczenie(services, wpisywanieOptions(), parent)
{
    m_field = FormPicture(QStringLiteral("IMG_Pole"));
    m_ok = FormPicture(QStringLiteral("IMG_OK"));
    m_wrong = FormPicture(QStringLiteral("IMG_Zle"));
    m_info = FormPicture(QStringLiteral("IMG_Info"));

    // The listen button with its caption sits in the bottom row; the icon
    // button where the instruction starts, which then moves right past it.
    btnMedia2->move(InstructionLeft, Polecenie->y() - 5);
    btnMedia->setGeometry(40, 700, 170, 32);
    btnMedia->setRozmiar(TRozmiar::roz32);
    btnMedia->setShowCaption(true);
    for (TLumResButton* b : {btnMedia, btnMedia2})
        connect(b, &TLumResButton::clicked, this, [this] { PlayMedia(QStringLiteral("\\Teksty"), m_content.media, true); });

    btnZwroty = new TLumResButton(this);
    btnZwroty->setObjectName(QStringLiteral("btnZwroty"));
    btnZwroty->setRozmiar(TRozmiar::roz32);
    btnZwroty->setGeometry(380, 700, 170, 32);
    btnZwroty->setFont(SkinFont(QStringLiteral("Trebuchet MS"), 10, true));
    btnZwroty->setFontColor(Qt::white);
    btnZwroty->setCaption(ctx().UiText(113));
    nav().SetButtonGlyph(btnZwroty, QStringLiteral("IMG_Slownik"), 1);
    btnZwroty->hide();
    connect(btnZwroty, &TLumResButton::clicked, this, [this] { ShowPhrases(m_content.phrases); });

    Polecenie->setAutoSize(true);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    QFont editFont(QStringLiteral("Verdana"));
    editFont.setPixelSize(13);
    Edit1->setFont(editFont);
    Edit1->setFrame(false);
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: rgb(7, 107, 255);"
                                        " border: 1px solid rgb(111, 182, 240); }"));
    Edit1->hide();

    connect(btnPopraw, &TLumResButton::clicked, this, &TfrmWpisywanie::showAnswers);
    connect(IMG_Tlo, &PictureBox::pressed, this, [this] { commitOnly(); });
    connect(ScrollBar, &TALScrollBar::changed, this, [this] {
        if (!m_scrollingToGap)
            commitOnly();
    });

    ApplySkin(this, ctx().skin); // the buttons made here
    m_modalRunner = [](QDialog& d) { d.exec(); };
}

TfrmWpisywanie::~TfrmWpisywanie() = default;

// ---------------------------------------------------------------------------
// Model

void TfrmWpisywanie::ResetModel()
{
    m_run.Reset();
    m_layout = {};
    m_content = {};
    hideEditBox();
    btnZwroty->hide();
    btnPopraw->hide();
    Obszar->hide();
    Polecenie->hide();
    Polecenie->setCaption(QString());
    Polecenie->move(InstructionLeft, Polecenie->y());
    Polecenie->resize(AreaStart.right() - InstructionLeft, Polecenie->height());
    setScrollStep(GapTextLineHeight(GapTextFont()));
    nav().ResultPending() = false;
}

void TfrmWpisywanie::LoadModel(const ExerciseDocument& doc)
{
    const Installation& inst = ctx().inst;
    m_content = ReadGapTextContent(doc, ctx().settings.InstructionLanguage, ctx().settings.TranslationLanguage);
    const TNawigacjaDrzewa& state = nav().NavState();
    m_title = GapTextTitle(inst.programMode, state.currentNode(), state.containerNode());

    ResolveTextMedia(*btnMedia, m_content.media, mediaPictures(), inst);
    ResolveTextMedia(*btnMedia2, m_content.media, mediaPictures(), inst);
    btnMedia2->setCaption(QString());
    if (!btnMedia2->isHidden()) {
        const int left = InstructionLeft + btnMedia2->width() + 10;
        Polecenie->move(left, Polecenie->y());
        Polecenie->resize(AreaStart.right() - left, Polecenie->height());
    }
    SetInstruction(m_content.instruction, m_content.translation);
    Polecenie->show();
    btnZwroty->setVisible(!m_content.phrases.isEmpty());
}

void TfrmWpisywanie::ReleaseModel()
{
    hideEditBox();
    m_run.Reset();
    m_layout = {};
}

void TfrmWpisywanie::StartRunModel()
{
    m_run.Reset(m_content.text);
    adjustToInstruction();
    Obszar->show();
    relayout();
    const int first = m_run.StartEditing();
    if (first >= 0)
        openGap(first);
}

// The area moves below an instruction taller than one line, once per window.
void TfrmWpisywanie::adjustToInstruction()
{
    if (m_instructionFitted)
        return;
    m_instructionFitted = true;
    if (Polecenie->height() <= 27)
        return;
    const int top = Polecenie->geometry().bottom() + 1 + 20;
    const int moved = top - Obszar->y();
    if (moved <= 0)
        return;
    Obszar->setGeometry(Obszar->x(), top, Obszar->width(), Obszar->height() - moved - 20);
    ScrollBar->setGeometry(ScrollBar->x(), top, ScrollBar->width(), ScrollBar->height() - moved - 20);
}

// ---------------------------------------------------------------------------
// Check, answers, printing

void TfrmWpisywanie::BeforeCheckButton()
{
    commitOnly();
}

QString TfrmWpisywanie::NoScoreNotice() const
{
    return m_run.gapCount() == 0 ? NoGapsNotice() : QString();
}

int TfrmWpisywanie::ComputeScore()
{
    hideEditBox();
    const AnswerRules rules{ctx().settings.LetterCase, ctx().settings.PunctuationRules};
    const GapTextRun::Score s = m_run.Check(rules);
    const int score = s.percent.value_or(0);
    btnPopraw->setVisible(score < 100);
    relayout();
    repaintArea();
    return score;
}

void TfrmWpisywanie::showAnswers()
{
    m_run.ShowAnswers();
    relayout();
    repaintArea();
    btnPopraw->hide();
}

QString TfrmWpisywanie::PrintBody() const
{
    return m_run.PrintBody();
}

QString TfrmWpisywanie::ExerciseTitle() const
{
    return m_title;
}

void TfrmWpisywanie::ShowPhrases(const QString& text)
{
    commitOnly();
    TfrmMiniSlownik dialog(ctx(), text, GapTextFont(), this);
    m_modalRunner(dialog);
}

// ---------------------------------------------------------------------------
// Layout and painting

void TfrmWpisywanie::relayout()
{
    GapTextLayoutInput in;
    in.areaWidth = Obszar->width();
    in.field = m_field.isNull() ? QSize(EditWidth, 21) : m_field.size();
    if (!m_ok.isNull())
        in.okIcon = m_ok.size();
    if (!m_wrong.isNull())
        in.wrongIcon = m_wrong.size();
    if (!m_info.isNull())
        in.infoIcon = m_info.size();
    in.pictureSize = [this](const QString& name) { return pictureSize(name); };
    m_layout = LayoutGapText(m_run, in);
    QList<TWyrazTekstu>& items = m_run.items();
    for (int i = 0; i < items.size() && i < m_layout.itemRects.size(); ++i)
        items[i].Rect = m_layout.itemRects.at(i);
}

const QImage& TfrmWpisywanie::picture(const QString& name)
{
    auto it = m_pictures.find(name);
    if (it == m_pictures.end()) {
        QImage img(ResolveWinPath(ctx().inst.path(QStringLiteral("\\Gfx\\Wpis_gfx\\") + name)));
        if (!img.isNull() && !img.hasAlphaChannel()) {
            // A bitmap is drawn transparent: its bottom-left colour is the see-through one.
            img = img.convertToFormat(QImage::Format_ARGB32);
            const QRgb key = img.pixel(0, img.height() - 1);
            for (int y = 0; y < img.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
                for (int x = 0; x < img.width(); ++x)
                    if (line[x] == key)
                        line[x] = qRgba(0, 0, 0, 0);
            }
        }
        it = m_pictures.insert(name, img);
    }
    return *it;
}

QSize TfrmWpisywanie::pictureSize(const QString& name)
{
    const QImage& img = picture(name);
    return img.isNull() ? QSize() : img.size();
}

int TfrmWpisywanie::PaintArea(QPainter& p)
{
    relayout();
    p.setRenderHint(QPainter::TextAntialiasing);
    const int dy = scrollOffset();
    const QFont base = GapTextFont();
    for (const GapTextPiece& piece : m_layout.pieces) {
        const QRect r = piece.rect.translated(0, -dy);
        switch (piece.kind) {
        case GapTextPiece::Text: {
            QFont f = base;
            f.setBold(piece.bold);
            f.setItalic(piece.italic);
            p.setFont(f);
            p.setPen(piece.colour);
            p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, piece.name);
            break;
        }
        case GapTextPiece::Picture:
            p.drawImage(r.topLeft(), picture(piece.name));
            break;
        case GapTextPiece::Field:
            if (m_field.isNull())
                p.fillRect(r, Qt::white);
            else
                p.drawImage(r.topLeft(), m_field);
            break;
        case GapTextPiece::Icon:
            p.drawImage(r.topLeft(), piece.name == u"IMG_OK" ? m_ok : piece.name == u"IMG_Zle" ? m_wrong : m_info);
            break;
        }
    }
    for (const auto& [word, rect] : m_layout.words)
        words().Add(word, rect.translated(0, -dy));
    return m_layout.contentHeight;
}

void TfrmWpisywanie::FitScrollBar(int contentHeight)
{
    const int maximum = GapTextScrollMaximum(contentHeight, Obszar->height(), m_layout.lineHeight);
    ScrollBar->setMax(maximum);
    ScrollBar->setVisible(maximum > 0);
}

// ---------------------------------------------------------------------------
// Editing

QRect TfrmWpisywanie::gapRectOnArea(int g) const
{
    if (g < 0 || g >= m_run.gapCount())
        return {};
    const QRect r = m_run.gap(g).Rect;
    return r.isNull() ? QRect() : r.translated(0, -scrollOffset());
}

int TfrmWpisywanie::gapAt(const QPoint& areaPoint) const
{
    for (int g = 0; g < m_run.gapCount(); ++g)
        if (gapRectOnArea(g).contains(areaPoint))
            return g;
    return -1;
}

void TfrmWpisywanie::openGap(int g)
{
    const QString text = m_run.OpenGap(g);
    relayout();
    QRect r = gapRectOnArea(g);
    if (r.isNull())
        return;
    // Scroll until the box is inside the area.
    m_scrollingToGap = true;
    while (r.bottom() >= Obszar->height() && ScrollBar->Position() < ScrollBar->Max()) {
        ScrollBar->setPosition(ScrollBar->Position() + 1);
        r = gapRectOnArea(g);
    }
    while (r.top() < 0 && ScrollBar->Position() > 0) {
        ScrollBar->setPosition(ScrollBar->Position() - 1);
        r = gapRectOnArea(g);
    }
    m_scrollingToGap = false;
    Edit1->setGeometry(Obszar->x() + r.left(), Obszar->y() + r.top(), EditWidth, r.height());
    Edit1->setText(text);
    Edit1->selectAll();
    Edit1->show();
    Edit1->raise();
    Edit1->setFocus();
    repaintArea();
}

void TfrmWpisywanie::hideEditBox()
{
    if (!Edit1)
        return;
    Edit1->resize(0, Edit1->height());
    Edit1->hide();
    Edit1->clear();
}

void TfrmWpisywanie::commitOnly()
{
    if (m_run.activeGap() < 0)
        return;
    m_run.CommitOnly(Edit1->text());
    hideEditBox();
    relayout();
    repaintArea();
}

void TfrmWpisywanie::commitAndAdvance()
{
    const int next = m_run.CommitAndAdvance(Edit1->text());
    hideEditBox();
    relayout();
    if (next >= 0)
        openGap(next);
    else
        setFocus();
    repaintArea();
}

bool TfrmWpisywanie::KindKey(int key, const QString&)
{
    if (!Edit1->isVisible() || m_run.activeGap() < 0)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab) {
        commitAndAdvance();
        return true;
    }
    return false;
}

void TfrmWpisywanie::AreaMousePress(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int g = m_run.state() == GapTextRun::State::Input ? gapAt(e->position().toPoint()) : -1;
    commitOnly();
    if (g >= 0)
        openGap(g);
}

void TfrmWpisywanie::AreaMouseMove(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    int item = -1;
    for (int i = 0; i < m_run.items().size(); ++i) {
        const TWyrazTekstu& w = m_run.items().at(i);
        if (w.IsGap && !w.Rect.isNull() && w.Rect.translated(0, -scrollOffset()).contains(at)) {
            item = i;
            break;
        }
    }
    Obszar->setCursor(item >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    const QString hint = item >= 0 ? m_run.HintForItem(item, ctx().UiText(1), ctx().UiText(2)) : QString();
    HintText() = hint;
    Obszar->setToolTip(hint.isEmpty() ? QString() : QStringLiteral(" "));
}
