#pragma once

#include "HelpNavigator.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

struct ShellContext;
class QPrinter;
class THtmlView;
class TLumBelka;
class TLumGroupFrame;
class TLumResButton;

// The help and handbook viewer: a full-screen window with an HTML view, its
// own page history with Back, the table of contents and printing. Help mode
// shows the help pages of the installed course (AppDir + HelpDir); handbook
// mode the grammar handbook under AppDir\Podrecznik, whose sound links play
// through the audio service. A new window is made for every opening; it does
// not block its caller, and closing it shows the caller again.
class TfrmPomoc : public QWidget {
    Q_OBJECT
public:
    // Help mode on `page` ("h_exer.html#a10"), showing the learner in the
    // title bar; a page that starts with "Podrecznik\" opens in handbook mode.
    // When the page's file is missing the notice (interface texts 128 and 59)
    // is shown and no window stays: the result is null.
    static TfrmPomoc* ShowHelp(ShellContext& ctx, const QString& page, QWidget* returnTo);
    // The same with everything given (the login window shows no learner).
    static TfrmPomoc* ShowHelp(ShellContext& ctx, const QString& page, bool showUser, QWidget* returnTo,
                               bool handbook);
    // The handbook on its table of contents.
    static TfrmPomoc* ShowHandbook(ShellContext& ctx, QWidget* returnTo);

    const HelpNavigator& navigator() const { return m_navigator; }

    // Where printing goes; by default the system's print dialog asks.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>(QWidget* parent)>;
    void setPrinterSource(PrinterSource source) { m_printerSource = std::move(source); }

    // The buttons' actions.
    void FollowLink(const QString& link);
    void ShowContents();
    void GoBack();
    void Print();
    void CloseAndReturn();

    TLumBelka* Belka;
    TLumResButton* btnBelkaWroc;
    TLumResButton* LumResButton3;
    TLumResButton* LumResButton1;
    TLumGroupFrame* LumGroupFrame4;
    THtmlView* HTML;
    TLumResButton* btnWroc;
    TLumResButton* btnDrukuj;
    TLumResButton* btnSpis;
    QImage IMG_Tlo;
    QImage Image2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TfrmPomoc(ShellContext& ctx, bool handbook, bool showUser, QWidget* returnTo);
    void run(const HelpNavigator::Step& step);
    void updateBack();

    ShellContext& m_ctx;
    HelpNavigator m_navigator;
    QPointer<QWidget> m_returnTo;
    PrinterSource m_printerSource;
};
