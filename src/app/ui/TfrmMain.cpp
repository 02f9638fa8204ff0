#include "TfrmMain.h"

#include "ApplySkin.h"
#include "HotArea.h"
#include "PictureBox.h"
#include "ShellContext.h"
#include "FormPictures.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TLumBelka.h"
#include "TLumGroupFrame.h"
#include "TLumResButton.h"
#include "TfrmPodklad.h"
#include "TfrmUstawienia.h"
#include "WindowPictures.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace {

TLumResButton* titleBarButton(QWidget* parent, const char* name, const QRect& r, const QString& caption,
                              const QString& glyph)
{
    auto* b = new TLumResButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setRozmiar(TRozmiar::rozBelka);
    b->setGeometry(r);
    b->setFont(PixelFont(QStringLiteral("Trebuchet MS"), 15));
    b->setFontColor(Qt::white);
    b->setCaption(caption);
    b->setGlyph(FormPicture(glyph));
    return b;
}

void setButtonCaption(QWidget* window, const char* name, const QString& caption)
{
    if (!window)
        return;
    if (auto* b = window->findChild<TLumResButton*>(QLatin1String(name)))
        b->setCaption(caption);
}

} // namespace

TfrmMain::TfrmMain(ShellContext& ctx, IModalRunner& modal, const ShellHooks& hooks)
    : QWidget(nullptr, Qt::Window), m_ctx(ctx), m_modal(modal), m_hooks(hooks)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowRole(objectName()); // lets scripts on X11 tell the windows apart
    SetupSkinWindow(this, QSize(1024, 768));
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(23, 72, 135));
    setPalette(pal);
    setAutoFillBackground(true);

    IMG_Tlo = new PictureBox(this, "IMG_Tlo");
    IMG_Tlo->setGeometry(0, 50, 1024, 718);

    Belka = new TLumBelka(this);
    Belka->setObjectName(QStringLiteral("Belka"));
    Belka->setGeometry(0, 0, 1024, 50);

    btnWyloguj = titleBarButton(this, "btnWyloguj", QRect(284, 0, 160, 48), QStringLiteral("Wyloguj"),
                                QStringLiteral("IMG_Wyloguj"));
    btnBelkaUstawienia = titleBarButton(this, "btnBelkaUstawienia", QRect(450, 0, 170, 48),
                                        QStringLiteral("Ustawienia"), QStringLiteral("IMG_Ustawienia"));

    Ramka = new TLumGroupFrame(this);
    Ramka->setObjectName(QStringLiteral("Ramka"));
    Ramka->setFrameType(TFrameType::ftFrame_Blue);
    Ramka->setAttribute(Qt::WA_TransparentForMouseEvents);
    Ramka->hide();

    addEntry(imgNauka, btnSpisCwiczen, PaintBox1, "imgNauka", "btnSpisCwiczen", "PaintBox1", QStringLiteral("Nauka"), 190, 160);
    addEntry(imgPowtorki, btnPowtorki, PaintBox2, "imgPowtorki", "btnPowtorki", "PaintBox2", QStringLiteral("Powtórki"), 292, 266);
    addEntry(imgPodrecznik, btnPodrecznik, PaintBox4, "imgPodrecznik", "btnPodrecznik", "PaintBox4",
             QStringLiteral("Podręcznik"), 400, 372);
    addEntry(imgTrener, btnTrener, PaintBox5, "imgTrener", "btnTrener", "PaintBox5", QStringLiteral("Trener wymowy"), 505, 478);
    imgNauka->setPicture(FormPicture(QStringLiteral("IMG_Nauka")));
    imgPowtorki->setPicture(FormPicture(QStringLiteral("IMG_Powtorki")));
    imgPodrecznik->setPicture(FormPicture(QStringLiteral("IMG_Podrecznik")));
    imgTrener->setPicture(FormPicture(QStringLiteral("IMG_Trener")));

    imgLogo = new PictureBox(this, "imgLogo");
    imgLogo->setGeometry(14, 726, 95, 28);
    imgLogo->setPicture(FormPicture(QStringLiteral("IMG_Logo")));
    PaintBox3 = new HotArea(this, "PaintBox3", QRect(14, 726, 95, 28));
    frameArea(PaintBox3);

    connect(PaintBox1, &HotArea::clicked, this, &TfrmMain::learningRequested);
    connect(PaintBox2, &HotArea::clicked, this, [this] {
        m_ctx.messages.showMessageBox(m_ctx.UiText(125), m_ctx.UiText(59), MsgBoxKind::Notice);
    });
    connect(PaintBox4, &HotArea::clicked, this, &TfrmMain::handbookRequested);
    connect(PaintBox5, &HotArea::clicked, this, &TfrmMain::trainerRequested);
    connect(PaintBox3, &HotArea::clicked, this, &TfrmMain::publisherSiteRequested);
    connect(btnWyloguj, &TLumResButton::clicked, this, &TfrmMain::Logout);
    connect(btnBelkaUstawienia, &TLumResButton::clicked, this, &TfrmMain::OpenSettingsWindow);

    ApplySkin(this, ctx.skin);
    CentreOnScreen(this);
}

void TfrmMain::addEntry(PictureBox*& picture, TAALabel*& label, HotArea*& area, const char* pictureName,
                        const char* labelName, const char* areaName, const QString& caption, int labelY, int areaY)
{
    picture = new PictureBox(this, pictureName);
    picture->setGeometry(616, areaY - 8, 100, 100);
    label = WhiteLabel(this, labelName, QRect(722, labelY, 0, 0), QStringLiteral("Tahoma"), 21, false);
    label->setCaption(caption);
    area = new HotArea(this, areaName, QRect(608, areaY, 353, 84));
    frameArea(area);
}

// The frame outlines the area under the mouse.
void TfrmMain::frameArea(HotArea* area)
{
    connect(area, &HotArea::entered, this, [this, area] {
        Ramka->setGeometry(area->geometry());
        Ramka->show(); // under the entries' pictures and labels
    });
    connect(area, &HotArea::left, Ramka, &QWidget::hide);
}

void TfrmMain::setCompanions(QWidget* selection, TfrmPodklad* background)
{
    m_selection = selection;
    m_background = background;
}

void TfrmMain::ApplyInterfaceTexts()
{
    const QString title = m_ctx.UiText(29);
    Belka->setTekstBelki(title);
    if (m_selection)
        if (auto* bar = m_selection->findChild<TLumBelka*>(QStringLiteral("Belka")))
            bar->setTekstBelki(title);

    const QString bg = QStringLiteral("\\Gfx\\bg_start_%1.png").arg(int(m_ctx.settings.InterfaceLanguage) + 1);
    if (auto picture = LoadInstallationPicture(m_ctx.inst, bg))
        IMG_Tlo->setPicture(picture.value());
    else
        m_ctx.messages.showFailure(picture.failure());

    setButtonCaption(this, "btn_nawigacja_slownik", m_ctx.UiText(26));
    setButtonCaption(this, "btn_nawigacja_help", m_ctx.UiText(27));
    setButtonCaption(m_selection, "btn_nawigacja_help", m_ctx.UiText(27));
    setButtonCaption(m_selection, "btn_nawigacja_wroc", m_ctx.UiText(37));
    setButtonCaption(m_selection, "btn_nawigacja_slownik", m_ctx.UiText(26));

    btnBelkaUstawienia->setCaption(m_ctx.UiText(25));
    btnSpisCwiczen->setCaption(m_ctx.UiText(28));
    btnPowtorki->setCaption(m_ctx.UiText(87));
    btnPodrecznik->setCaption(m_ctx.UiText(120));
    btnTrener->setCaption(m_ctx.UiText(121));
    btnWyloguj->setCaption(m_ctx.UiText(112));
    setButtonCaption(m_selection, "btnExpand", m_ctx.UiText(86));
    setButtonCaption(m_selection, "btnCollapse", m_ctx.UiText(85));
    setButtonCaption(m_selection, "btnDrukuj", m_ctx.UiText(47));
    if (m_background)
        m_background->lblWait->setCaption(m_ctx.UiText(109));
}

void TfrmMain::UpdateTitleBar()
{
    const TUser& user = m_ctx.settings.User;
    Belka->setZalogowany(user.Login);
    Belka->setPlec(user.Gender.isEmpty() ? QChar() : user.Gender.at(0));
    Belka->setLudzikIndex(user.Figure);
    Belka->setTekstBelki(m_ctx.UiText(29));
}

void TfrmMain::showEvent(QShowEvent*)
{
    UpdateTitleBar();
    if (m_playStartSound) {
        m_hooks.sound(QStringLiteral("WAV_START"));
        m_playStartSound = false;
    }
    activateWindow();
    setFocus();
}

void TfrmMain::Logout()
{
    if (m_ctx.messages.showMessageBox(m_ctx.UiText(78), m_ctx.UiText(33), MsgBoxKind::Question) == 1)
        emit logoutConfirmed();
}

void TfrmMain::OpenSettingsWindow()
{
    const SettingsOutcome outcome = OpenSettings(m_ctx, m_modal, m_hooks, this);
    if (outcome.saved && outcome.languageChanged)
        emit interfaceLanguageChosen(m_ctx.settings.InterfaceLanguage);
}

// Keys reach the window before any control, and none goes further.
bool TfrmMain::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    return QWidget::event(e);
}

void TfrmMain::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1)
        m_hooks.help(QStringLiteral("h_index.html"), this);
    else if (e->key() == Qt::Key_F4 && (e->modifiers() & Qt::AltModifier))
        m_hooks.exitQuestion();
    e->accept();
}

void TfrmMain::closeEvent(QCloseEvent* e)
{
    // Alt+F4 handed over by the window system: the exit question.
    if (e->spontaneous()) {
        e->ignore();
        m_hooks.exitQuestion();
        return;
    }
    if (m_background)
        m_background->close();
    e->accept();
}
