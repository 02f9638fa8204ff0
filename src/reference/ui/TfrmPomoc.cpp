#include "TfrmPomoc.h"

#include "ApplySkin.h"
#include "AskExit.h"
#include "FormPictures.h"
#include "ShellContext.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "THtmlView.h"
#include "TLumBelka.h"
#include "TLumGroupFrame.h"
#include "TLumResButton.h"
#include "TitleBarSetup.h"
#include "WinPath.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

TLumResButton* button(QWidget* parent, const char* name, const QRect& geometry, TRozmiar size)
{
    auto* b = new TLumResButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setRozmiar(size);
    b->setGeometry(geometry.x(), geometry.y(), geometry.width(),
                   size == TRozmiar::rozUndefined ? geometry.height() : b->height());
    return b;
}

QString textOr(const ShellContext& ctx, int id, const QString& fallback)
{
    const QString t = ctx.UiText(id);
    return t.isEmpty() ? fallback : t;
}

bool isHandbookPage(const QString& page)
{
    const QString p = page.startsWith(u'/') ? page.mid(1) : page;
    return p.startsWith(QStringLiteral("Podrecznik\\"), Qt::CaseInsensitive)
           || p.startsWith(QStringLiteral("Podrecznik/"), Qt::CaseInsensitive);
}

} // namespace

TfrmPomoc::TfrmPomoc(ShellContext& ctx, bool handbook, bool showUser, QWidget* returnTo)
    : QWidget(nullptr, Qt::Window), m_ctx(ctx),
      m_navigator(ctx.inst.appDir, ctx.inst.helpDir, handbook,
                  [&ctx](const QString& target) { return ctx.inst.mediaPath(QStringLiteral("\\Podrecznik\\") + target); }),
      m_returnTo(returnTo)
{
    setObjectName(QStringLiteral("frmPomoc"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetupSkinWindow(this, QSize(1024, 768));
    CentreOnScreen(this);

    Belka = new TLumBelka(this);
    Belka->setObjectName(QStringLiteral("Belka"));
    Belka->setGeometry(0, 0, 1024, 50);
    Belka->setPokazZalogowanie(showUser);
    if (showUser)
        SetupTitleBar(ctx, Belka);

    const QFont barFont = SkinFont(QStringLiteral("Trebuchet MS"), 10, true);
    btnBelkaWroc = button(this, "btnBelkaWroc", QRect(330, 0, 170, 48), TRozmiar::rozBelka);
    btnBelkaWroc->setFont(barFont);
    btnBelkaWroc->setFontColor(Qt::white);
    btnBelkaWroc->setCaption(ctx.UiText(37));
    SetButtonGlyph(btnBelkaWroc, QStringLiteral("IMG_Wroc"), 1);

    LumResButton3 = button(this, "LumResButton3", QRect(948, 0, 34, 18), TRozmiar::rozUndefined);
    LumResButton3->setShowCaption(false);
    SetWindowButtonGlyphs(LumResButton3, QStringLiteral("IMG_Min"));
    LumResButton1 = button(this, "LumResButton1", QRect(982, 0, 34, 18), TRozmiar::rozUndefined);
    LumResButton1->setShowCaption(false);
    SetWindowButtonGlyphs(LumResButton1, QStringLiteral("IMG_Close"));

    IMG_Tlo.load(ctx.inst.path(QStringLiteral("\\Gfx\\bg.bmp")));
    Image2 = FormPicture(QStringLiteral("Pomoc_Image2"));

    LumGroupFrame4 = new TLumGroupFrame(this);
    LumGroupFrame4->setObjectName(QStringLiteral("LumGroupFrame4"));
    LumGroupFrame4->setGeometry(142, 62, 767, 695);

    HTML = new THtmlView(this);
    HTML->setObjectName(QStringLiteral("HTML"));
    HTML->setGeometry(156, 74, 741, 671);
    HTML->setRoot(ctx.inst.appDir);

    btnWroc = button(this, "btnWroc", QRect(915, 74, 101, 50), TRozmiar::roz50);
    btnWroc->setShowCaption(false);
    SetButtonGlyph(btnWroc, QStringLiteral("Pomoc_btnWroc"), 1);
    btnWroc->hide();
    btnDrukuj = button(this, "btnDrukuj", QRect(915, 130, 101, 50), TRozmiar::roz50);
    btnDrukuj->setShowCaption(false);
    SetButtonGlyph(btnDrukuj, QStringLiteral("IMG_Drukuj"), 1);
    btnSpis = button(this, "btnSpis", QRect(915, 186, 101, 50), TRozmiar::roz50);
    btnSpis->setFont(PixelFont(QStringLiteral("Trebuchet MS"), 19));
    btnSpis->setFontColor(Qt::white);
    btnSpis->setCaption(textOr(ctx, 48, QStringLiteral("Spis treści")));

    ApplySkin(this, ctx.skin);

    connect(HTML, &THtmlView::linkClicked, this, &TfrmPomoc::FollowLink);
    connect(btnBelkaWroc, &TLumResButton::clicked, this, &TfrmPomoc::CloseAndReturn);
    connect(btnWroc, &TLumResButton::clicked, this, &TfrmPomoc::GoBack);
    connect(btnSpis, &TLumResButton::clicked, this, &TfrmPomoc::ShowContents);
    connect(btnDrukuj, &TLumResButton::clicked, this, &TfrmPomoc::Print);
    connect(LumResButton3, &TLumResButton::clicked, this, [] { MinimizeApplication(); });
    connect(LumResButton1, &TLumResButton::clicked, this, [this] {
        if (AskExit(m_ctx))
            QCoreApplication::exit(0);
    });
}

TfrmPomoc* TfrmPomoc::ShowHelp(ShellContext& ctx, const QString& page, QWidget* returnTo)
{
    return ShowHelp(ctx, page, true, returnTo, isHandbookPage(page));
}

TfrmPomoc* TfrmPomoc::ShowHelp(ShellContext& ctx, const QString& page, bool showUser, QWidget* returnTo,
                               bool handbook)
{
    auto* window = new TfrmPomoc(ctx, handbook, showUser, returnTo);
    const QString first = window->m_navigator.OpeningPath(page);
    if (!WinFileExists(HelpNavigator::WithoutAnchor(first))) {
        ctx.messages.showMessageBox(ctx.UiText(128), ctx.UiText(59), MsgBoxKind::Notice);
        delete window;
        return nullptr;
    }
    window->m_navigator.Open(page);
    window->show();
    window->raise();
    window->activateWindow();
    window->HTML->LoadFromFile(first);
    window->updateBack();
    return window;
}

TfrmPomoc* TfrmPomoc::ShowHandbook(ShellContext& ctx, QWidget* returnTo)
{
    auto* window = new TfrmPomoc(ctx, true, true, returnTo);
    window->m_navigator.OpenEmpty();
    window->show();
    window->raise();
    window->activateWindow();
    window->ShowContents();
    return window;
}

void TfrmPomoc::run(const HelpNavigator::Step& step)
{
    switch (step.kind) {
    case HelpNavigator::Step::Nothing: return;
    case HelpNavigator::Step::PlaySound:
        if (!WinFileExists(step.path)) {
            m_ctx.messages.showFailure(Failure{QStringLiteral("Brak pliku dźwiękowego: ") + WinFileName(step.path),
                                               QStringLiteral("Blad"), MessageIcon::Error, step.path});
            return;
        }
        m_ctx.audio.playFile(ResolveWinPath(step.path));
        return;
    case HelpNavigator::Step::LoadPage:
        if (step.historyTooLong)
            m_ctx.messages.showFailure(Failure{QStringLiteral("Błąd: Zbyt długa historia stron!"),
                                               QStringLiteral("Orvanta 6.0"), MessageIcon::None, {}});
        HTML->LoadFromFile(step.path);
        updateBack();
        return;
    }
}

void TfrmPomoc::updateBack()
{
    btnWroc->setVisible(m_navigator.backAvailable());
}

void TfrmPomoc::FollowLink(const QString& link)
{
    run(m_navigator.Link(link, HTML->FileName()));
}

void TfrmPomoc::ShowContents()
{
    run(m_navigator.TableOfContents());
}

void TfrmPomoc::GoBack()
{
    const HelpNavigator::Step step = m_navigator.Back();
    if (step.kind != HelpNavigator::Step::LoadPage)
        return;
    HTML->Clear();
    run(step);
}

void TfrmPomoc::Print()
{
    std::unique_ptr<QPrinter> printer;
    if (m_printerSource) {
        printer = m_printerSource(this);
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrintDialog dialog(printer.get(), this);
        if (dialog.exec() != QDialog::Accepted)
            printer.reset();
    }
    if (printer)
        HTML->PrintPages(*printer, 1, 999);
}

void TfrmPomoc::CloseAndReturn()
{
    if (m_returnTo) {
        m_returnTo->show();
        m_returnTo->raise();
        m_returnTo->activateWindow();
    }
    close();
}

void TfrmPomoc::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(145, 145, 145));
    if (!IMG_Tlo.isNull())
        p.drawImage(QRect(0, 50, width(), height() - 50), IMG_Tlo);
    p.drawImage(QPoint(8, 62), Image2);
}
