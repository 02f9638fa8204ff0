#include "TfrmTest2.h"

#include "ExerciseText.h"
#include "MediaButtonUi.h"
#include "ShellContext.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLumOdpList.h"
#include "TLumProgress.h"
#include "TLumResButton.h"
#include "TLumZeszytStatystyki.h"
#include "Test2Pictures.h"
#include "TfrmMediaR.h"
#include "TfrmNawigacja.h"
#include "WinPath.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

ExerciseFrameOptions test2Options()
{
    ExerciseFrameOptions o;
    o.windowClass = QStringLiteral("TfrmTest2");
    o.formName = QStringLiteral("frmTest2");
    o.backgroundFolder = QStringLiteral("\\Background_cw");
    o.rightClick = ExerciseFrameOptions::RightClick::DictionaryLookup;
    o.hasStatistics = true;
    o.hasPrint = true;
    o.scrollStep = 10;
    o.wheelScrolls = false;
    o.helpPage = QStringLiteral("h_exer.html#a10");
    return o;
}

// The question's font: Georgia 13.
QFont questionFont()
{
    return SkinFont(QStringLiteral("Georgia"), 13);
}

constexpr int kListGap = 20; // between the question and the answer list
// The question and its answers stand on a light card, readable over any of
// the background pictures; its content is inset by these.
constexpr int kCardInsetX = 16;
constexpr int kCardInsetY = 8;
constexpr int kCardRadius = 12;

} // namespace

TfrmTest2::TfrmTest2(ExerciseServices& services, QWidget* parent) : TfrmCwiczenie(services, test2Options(), parent)
{
    // The statistics notebook stands right of the exercise area, the scroll
    // bar between them.
    const int right = Statystyki->x() - 40;
    Obszar->setGeometry(Obszar->x(), Obszar->y(), right - Obszar->x(), Obszar->height());
    ScrollBar->setGeometry(right + 5, Obszar->y(), ScrollBar->width(), Obszar->height());

    odpList = new TLumOdpList(Obszar);
    odpList->setObjectName(QStringLiteral("odpList"));
    odpList->setCzyZmiennaLiczbaOdpowiedzi(true);
    odpList->setInterlinia(10);
    odpList->setIcon(OdpIcon());
    odpList->setIconOK(OdpIconOK());
    odpList->setIconWrong(OdpIconWrong());
    odpList->setFont(SkinFont(QStringLiteral("Verdana"), 11));
    odpList->setGeometry(kCardInsetX, 0, Obszar->width() - 2 * kCardInsetX, 0);
    connect(odpList, &TLumOdpList::rowClicked, this, &TfrmTest2::PickRow);

    btn_Spr = new TLumResButton(this);
    btn_Spr->setObjectName(QStringLiteral("btn_Spr"));
    btn_Spr->setRozmiar(btnSpr->Rozmiar());
    btn_Spr->setGeometry(btnSpr->geometry());
    btn_Spr->setFont(btnSpr->font());
    btn_Spr->setFontColor(Qt::white);
    btn_Spr->setLibrary(ctx().skin.library);
    nav().SetButtonGlyph(btn_Spr, QStringLiteral("IMG_Sprawdz"), 1);
    btn_Spr->setCaption(ctx().UiText(41));
    connect(btn_Spr, &TLumResButton::clicked, this, &TfrmTest2::PressNextButton);

    connect(btnMedia, &TLumResButton::clicked, this, [this] {
        if (m_run.current() >= 0)
            PlayMedia(QStringLiteral("\\Zdania"), m_run.currentQuestion().media, btnMedia->Tag() == 1);
    });
    connect(ScrollBar, &TALScrollBar::changed, this, &TfrmTest2::placeAnswerList);
}

TfrmTest2::~TfrmTest2() = default;

QString TfrmTest2::NoQuestionsNotice()
{
    return QStringLiteral("Ten test nie zawiera żadnych pytań.");
}

// ---------------------------------------------------------------------------
// Model

void TfrmTest2::ResetModel()
{
    Polecenie->hide();
    btnSpr->hide(); // this window moves on with btn_Spr; a new run needs a new opening
    btnPodrecznik->setCaption(ctx().UiText(120));
    m_run = Test2Run();
    m_layout = QuestionLayout();
    m_pictures.clear();
    m_picture = QImage();
    m_finished = false;
}

void TfrmTest2::LoadModel(const ExerciseDocument& doc)
{
    const TUstawienia& s = ctx().settings;
    m_content = ReadTest2(doc, s.InstructionLanguage, s.TranslationLanguage);
    SetInstruction(m_content.instruction, m_content.translation);
    SetHandbookPage(m_content.html);
    Polecenie->show();
    QList<TGrupa> grupy = std::move(m_content.grupy);
    m_content.grupy.clear();
    ShuffleTest(grupy, random());
    m_run.SetQuestions(std::move(grupy));
}

void TfrmTest2::ReleaseModel()
{
    m_run = Test2Run();
    m_content = Test2Content();
    m_pictures.clear();
    m_picture = QImage();
    m_layout = QuestionLayout();
}

void TfrmTest2::StartRunModel()
{
    btnSpr->hide();
    m_run.Start();
    m_finished = false;
    showCounts();
    Panel_Wynik->hide();
    btn_Spr->setCaption(ctx().UiText(41));
    btn_Spr->setVisible(m_run.questionCount() > 0);
    showQuestion();
}

int TfrmTest2::ComputeScore()
{
    return m_run.XFactor();
}

void TfrmTest2::showCounts()
{
    SetResultLine(m_run.correctCount(), m_run.questionCount());
    SetStatistics(m_run.Poprawnie(), m_run.Blednie(), m_run.XFactor());
}

// ---------------------------------------------------------------------------
// Questions

const TfrmTest2::Picture& TfrmTest2::pictureOf(const TGrupa& g)
{
    auto it = m_pictures.find(g.number);
    if (it == m_pictures.end()) {
        const QuestionPicture found = FindQuestionPicture(ctx().inst.appDir, exercisePath(), g.number);
        Picture pic;
        if (!found.path.isEmpty())
            pic.image = QImage(found.path);
        if (!pic.image.isNull())
            pic.placement = found.placement;
        it = m_pictures.insert(g.number, pic);
    }
    return *it;
}

void TfrmTest2::showQuestion()
{
    if (m_run.current() < 0) {
        odpList->hide();
        m_layout = QuestionLayout();
        repaintArea();
        return;
    }
    const TGrupa& g = m_run.currentQuestion();
    odpList->setIleOdpowiedzi(int(g.rows.size()));
    for (int i = 0; i < g.rows.size(); ++i)
        odpList->SetRowText(i + 1, g.rows[i].text);
    odpList->setCorrect(-1);
    odpList->setSelectedItem(-1);
    odpList->setEnabled(true);
    odpList->show();
    ScrollBar->setPosition(0);
    layoutQuestion();
    repaintArea();
}

void TfrmTest2::layoutQuestion()
{
    if (m_run.current() < 0)
        return;
    const TGrupa& g = m_run.currentQuestion();
    const Picture& pic = pictureOf(g);
    m_picture = pic.image;
    const QFontMetrics fm(questionFont());
    const QuestionMetrics metrics{[&fm](const QString& w) { return fm.horizontalAdvance(w); }, fm.height()};
    m_layout = LayoutQuestion(g.text, metrics, Obszar->width() - 2 * kCardInsetX, m_picture.size(),
                              pic.placement);
    // In the area's coordinates: inside the card.
    for (QuestionWordPlace& w : m_layout.words)
        w.rect.translate(kCardInsetX, kCardInsetY);
    if (!m_layout.picture.isEmpty())
        m_layout.picture.translate(kCardInsetX, kCardInsetY);
    m_layout.height += kCardInsetY;
    placeAnswerList();
}

void TfrmTest2::placeAnswerList()
{
    const int width = Obszar->width() - 2 * kCardInsetX;
    odpList->setGeometry(kCardInsetX, m_layout.height + kListGap - scrollOffset(), width, 2000);
    odpList->resize(width, std::max(1, odpList->contentHeight()));
}

int TfrmTest2::PaintArea(QPainter& p)
{
    const int dy = -scrollOffset();
    p.setRenderHint(QPainter::TextAntialiasing);
    if (m_run.questionCount() == 0) {
        p.setFont(questionFont());
        p.setPen(Qt::black);
        DrawSmoothText(p, kCardInsetX, kCardInsetY + kQuestionTop, NoQuestionsNotice());
        return 0;
    }
    if (m_run.current() < 0)
        return 0;
    const int height = m_layout.height + kListGap + odpList->contentHeight() + kCardInsetY;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(255, 255, 255, 235));
    p.setBrush(QColor(255, 255, 255, 224));
    p.drawRoundedRect(QRectF(0.5, 0.5 + dy, Obszar->width() - 1, height - 1), kCardRadius, kCardRadius);
    p.restore();
    if (!m_picture.isNull() && !m_layout.picture.isEmpty())
        p.drawImage(m_layout.picture.translated(0, dy), m_picture);
    p.setFont(questionFont());
    p.setPen(Qt::black);
    for (const QuestionWordPlace& w : m_layout.words) {
        const QRect r = w.rect.translated(0, dy);
        DrawSmoothText(p, r.x(), r.y(), w.word);
        words().Add(w.word, r);
    }
    return height;
}

// ---------------------------------------------------------------------------
// Answering

void TfrmTest2::PickRow(int row)
{
    if (m_finished || !m_run.Pick(row))
        return;
    evaluate();
}

void TfrmTest2::PressNextButton()
{
    if (m_finished || m_run.current() < 0)
        return;
    if (m_run.state() == Test2Run::ButtonState::Evaluate) {
        m_run.Evaluate();
        evaluate();
        return;
    }
    btn_Spr->setCaption(ctx().UiText(41));
    if (m_run.Next(random())) {
        m_finished = true;
        btn_Spr->hide();
        odpList->setEnabled(false);
        ShowResult(m_run.XFactor());
        return;
    }
    showQuestion();
    player().StopPlayback();
    btnMedia->hide();
}

// What follows an evaluation, whether a pick or the next button ran it.
void TfrmTest2::evaluate()
{
    const TGrupa& g = m_run.currentQuestion();
    btn_Spr->setCaption(ctx().UiText(43));
    // A right pick of a question with several correct rows is marked as the
    // correct row itself, so it never shows the wrong icon.
    const int selected = m_run.selectedRow();
    const bool right = selected != -1 && g.rows[selected - 1].correct;
    odpList->setSelectedItem(selected);
    odpList->setCorrect(right ? selected : m_run.correctRow());
    odpList->setEnabled(false);

    ResolveSentenceMedia(*btnMedia, g.media, mediaPictures(), ctx().inst);
    if (!g.media.isEmpty() && WinFileExists(ctx().inst.mediaPath(QStringLiteral("\\Zdania\\") + g.media)))
        PlayMedia(QStringLiteral("\\Zdania"), g.media, false);

    showCounts();
    nav().ResultPending() = true;
}

bool TfrmTest2::KindKey(int key, const QString& text)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (m_finished) {
            PressBackButton();
            return true;
        }
        if (m_run.selectedRow() != -1)
            PressNextButton();
        return true;
    }
    if (m_finished)
        return false;
    if (text.size() == 1 && text[0] >= u'1' && text[0] <= u'5') {
        const int row = text[0].unicode() - u'0';
        if (m_run.selectedRow() == -1 && m_run.current() >= 0 && row <= m_run.currentQuestion().rows.size())
            PickRow(row);
        return true;
    }
    return false;
}

// ---------------------------------------------------------------------------
// Printing

QString TfrmTest2::PrintBody() const
{
    QList<TGrupa> questions = m_run.questions();
    std::sort(questions.begin(), questions.end(), [](const TGrupa& a, const TGrupa& b) { return a.number < b.number; });
    const auto html = [](const QString& t) { return ToHtmlText(t.toHtmlEscaped()); };
    QString out;
    for (const TGrupa& g : questions) {
        QString text = html(g.text);
        text.replace(QStringLiteral("&lt;BR&gt;"), QStringLiteral("<br />"), Qt::CaseInsensitive);
        out += QStringLiteral("<p class=\"kwestia\">%1. %2</p><ol type=\"a\">").arg(g.number).arg(text);
        for (const TGrupaItem& r : g.rows) {
            if (m_finished && r.correct)
                out += QStringLiteral("<li><b>") + html(r.text) + QStringLiteral("</b></li>");
            else
                out += QStringLiteral("<li>") + html(r.text) + QStringLiteral("</li>");
        }
        out += QStringLiteral("</ol>");
    }
    return out;
}
