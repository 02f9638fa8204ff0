#include "Gallery.h"

#include "ApplySkin.h"
#include "ContactSheet.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLum3ObrazkiFrame.h"
#include "TLumBelka.h"
#include "TLumCheckBox.h"
#include "TLumDialogWindow.h"
#include "TLumDymek.h"
#include "TLumGroupFrame.h"
#include "TLumListBox.h"
#include "TLumMsgBoxWindow.h"
#include "TLumProgress.h"
#include "TLumResButton.h"
#include "TLumZeszytStatystyki.h"
#include "TMyHint.h"
#include "TWOwnrScrllBar.h"
#include "TfrmMessage.h"
#include "TfrmMsgBox.h"
#include "TfrmProgress.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

enum class State { Normal, Hot, Pressed, Disabled, Down, Flat };

const char* stateName(State s)
{
    static const char* const names[] = {"normal", "hot", "pressed", "disabled", "down", "flat"};
    return names[int(s)];
}

void enter(QWidget* w)
{
    QEnterEvent e(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QCoreApplication::sendEvent(w, &e);
}

void press(QWidget* w)
{
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// A simple glyph: a white rounded square with a dark mark.
QImage glyph(int size, QColor mark)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 255, 255, 230));
    p.setPen(QColor(40, 60, 90));
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 3, 3);
    p.setBrush(mark);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(size * 0.3, size * 0.3, size * 0.4, size * 0.4));
    return img;
}

// Check-box pictures: an empty or ticked box, lighter when hot.
QImage checkPicture(bool checked, bool hot)
{
    QImage img(20, 20, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(hot ? QColor(255, 250, 200) : Qt::white);
    p.setPen(QPen(QColor(30, 70, 120), 1.5));
    p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 3, 3);
    if (checked) {
        p.setPen(QPen(QColor(0, 140, 40), 2.5));
        p.drawPolyline(QPolygonF({QPointF(5, 10), QPointF(9, 14), QPointF(15, 5)}));
    }
    return img;
}

struct ButtonKind {
    const char* label;
    TRozmiar rozmiar;
    TElementy skladowe;
    int width;
};

void buttons(ContactSheet& sheet, QWidget& host, const SkinRecord& skin)
{
    const ButtonKind kinds[] = {
        {"roz22 el3", TRozmiar::roz22, TElementy::el3, 120},
        {"roz22 el9", TRozmiar::roz22, TElementy::el9, 120},
        {"roz32 el3", TRozmiar::roz32, TElementy::el3, 120},
        {"roz32 el9", TRozmiar::roz32, TElementy::el9, 120},
        {"roz50", TRozmiar::roz50, TElementy::el9, 140},
        {"roz64", TRozmiar::roz64, TElementy::el9, 140},
        {"roz70", TRozmiar::roz70, TElementy::el9, 140},
        {"roz80", TRozmiar::roz80, TElementy::el9, 150},
        {"roz100", TRozmiar::roz100, TElementy::el9, 160},
        {"rozBelka", TRozmiar::rozBelka, TElementy::el3, 60},
        {"rozTabka", TRozmiar::rozTabka, TElementy::el3, 110},
        {"rozTabka_Selko", TRozmiar::rozTabka_Selko, TElementy::el3, 59},
        {"rozTabka_Kestun", TRozmiar::rozTabka_Kestun, TElementy::el3, 70},
        {"rozPaczkaNaviPrev", TRozmiar::rozPaczkaNaviPrev, TElementy::el3, 32},
        {"rozPaczkaNaviNext", TRozmiar::rozPaczkaNaviNext, TElementy::el3, 32},
        {"rozPaczkaNaviZawartosc", TRozmiar::rozPaczkaNaviZawartosc, TElementy::el3, 32},
        {"rozWyborJezyka", TRozmiar::rozWyborJezyka, TElementy::el3, 240},
        {"rozUndefined", TRozmiar::rozUndefined, TElementy::el3, 40},
    };
    for (const ButtonKind& k : kinds) {
        sheet.section(QStringLiteral("TLumResButton %1").arg(QLatin1String(k.label)));
        for (State s : {State::Normal, State::Hot, State::Pressed, State::Disabled, State::Down, State::Flat}) {
            TLumResButton b(&host);
            b.setRozmiar(k.rozmiar);
            b.setSkladowe(k.skladowe);
            if (RozmiarSizeOf(k.rozmiar).width < 0 && k.rozmiar != TRozmiar::rozUndefined)
                b.resize(k.width, b.height());
            b.setTag(1);
            b.setCaption(k.rozmiar == TRozmiar::rozUndefined ? QString() : QStringLiteral("Sprawdź"));
            if (k.rozmiar == TRozmiar::rozUndefined) {
                b.setGlyph(glyph(36, QColor(30, 90, 200)));
                b.setGlyphHot(glyph(36, QColor(240, 160, 0)));
                b.setGlyphDown(glyph(36, QColor(200, 30, 30)));
                b.setGlyphDisabled(glyph(36, QColor(160, 160, 160)));
                b.setAutoSize(true);
            } else if (k.rozmiar >= TRozmiar::roz32 && k.rozmiar <= TRozmiar::roz100) {
                b.setGlyph(glyph(16, QColor(30, 90, 200)));
                b.setAlignment(TLumResButtonAlignment::taLeftJustify);
            }
            b.setLibrary(skin.library);
            switch (s) {
            case State::Normal: break;
            case State::Hot: enter(&b); break;
            case State::Pressed: enter(&b); press(&b); break;
            case State::Disabled: b.setEnabled(false); break;
            case State::Down: b.setDown(true); break;
            case State::Flat: b.setFlat(true); break;
            }
            sheet.add(b, QLatin1String(stateName(s)));
        }
    }
}

void checkBoxes(ContactSheet& sheet, QWidget& host)
{
    sheet.section(QStringLiteral("TLumCheckBox"));
    for (bool radio : {false, true}) {
        for (bool checked : {true, false}) {
            for (bool hot : {false, true}) {
                TLumCheckBox c(&host);
                c.setGfxChecked(checkPicture(true, false));
                c.setGfxUnChecked(checkPicture(false, false));
                c.setGfxHotChecked(checkPicture(true, true));
                c.setGfxHotUnChecked(checkPicture(false, true));
                c.setRadioStyle(radio);
                c.setCaption(radio ? QStringLiteral("Kobieta") : QStringLiteral("Zapamiętaj hasło"));
                c.setFontColor(Qt::white);
                c.setChecked(checked);
                if (hot)
                    enter(&c);
                sheet.add(c, QStringLiteral("%1 %2%3").arg(radio ? "radio" : "check", checked ? "checked" : "unchecked",
                                                          hot ? " hot" : ""));
            }
        }
    }
}

void labels(ContactSheet& sheet, QWidget& host)
{
    sheet.section(QStringLiteral("TAALabel, TLumListBox, scroll bars"));
    for (TAlignment a : {TAlignment::taLeftJustify, TAlignment::taCenter, TAlignment::taRightJustify}) {
        TAALabel l(&host);
        l.resize(200, 20);
        l.setLabelFont(PixelFont(QStringLiteral("Trebuchet MS"), 16));
        l.setFontColor(Qt::white);
        l.setCaption(QStringLiteral("Zażółć gęślą jaźń"));
        l.setAlignment(a);
        sheet.add(l, a == TAlignment::taLeftJustify ? "left" : a == TAlignment::taCenter ? "centre" : "right");
    }
    TAALabel wrap(&host);
    wrap.resize(200, 20);
    wrap.setLabelFont(PixelFont(QStringLiteral("Verdana"), 12));
    wrap.setWordWrap(true);
    wrap.setAutoSize(true);
    wrap.setTransparent(false);
    wrap.setCaption(QStringLiteral("Posłuchaj nagrania, a potem powtórz każde zdanie na głos."));
    sheet.add(wrap, "word wrap, opaque");

    TLumListBox list(&host);
    list.resize(160, 100);
    list.setItemHeight(20);
    for (const char* name : {"Anna", "Bartłomiej", "Łucja", "Źdźisław", "Żaneta", "Ola"})
        list.addItem(QString::fromUtf8(name));
    list.setCurrentRow(2);
    sheet.add(list, QStringLiteral("list, last top index %1").arg(list.GetScrollBarMax()));

    TWOwnrScrllBar v(&host);
    v.setCtrl3D(true);
    sheet.add(v, "TWOwnrScrllBar");
    TWOwnrScrllBar pressed(&host);
    pressed.setPosition(90);
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(10, 5), QPointF(10, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&pressed, &e);
    sheet.add(pressed, "arrow pushed");
    TALScrollBar h(&host);
    h.setPosition(40);
    sheet.add(h, "TALScrollBar");
}

void charts(ContactSheet& sheet, QWidget& host, const SkinRecord& skin)
{
    sheet.section(QStringLiteral("TLumProgress, every step"));
    for (int w : {0, 4, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 99, 100}) {
        TLumProgress p(&host);
        p.setLibrary(skin.library);
        p.setWynik(w);
        sheet.add(p, QStringLiteral("Wynik %1").arg(w), 0.5);
    }
    sheet.section(QStringLiteral("TLumZeszytStatystyki, TLumDymek, TMyHint"));
    for (bool reviews : {false, true}) {
        TLumZeszytStatystyki z(&host);
        z.setLibrary(skin.library);
        z.setPoprawnie(reviews ? 128 : 7);
        z.setBlednie(reviews ? 1001 : 42);
        z.setXFactor(reviews ? 1000 : 49);
        z.setShowPowtorki(reviews);
        z.setPowtorki(3);
        z.setOstataniaPowtorka(QStringLiteral("2024-05-01"));
        z.setTextZdanie(QStringLiteral("Zdanie 3 z 12"));
        sheet.add(z, reviews ? "with reviews, 1001 hidden" : "plain");
    }
    QWidget bubbleHost(&host);
    bubbleHost.resize(340, 130);
    TLumDymek bubble(&bubbleHost);
    bubble.setLibrary(skin.library);
    bubble.ShowBubble(40, 125, QStringLiteral("Czy mógłbyś mi pomóc? — Could you help me, please?"));
    sheet.add(bubbleHost, "bubble at (40, 125)");

    HintText() = QStringLiteral("Kliknij <B>Sprawdź</B> aby zobaczyć <BR> swój wynik");
    TMyHint hint;
    hint.ActivateHint(QRect(0, 0, 20, 20));
    sheet.add(hint, "hint with bold and a break");
    hint.hide();
    HintText().clear();
}

void frames(ContactSheet& sheet, QWidget& host, const SkinRecord& skin)
{
    sheet.section(QStringLiteral("TLumGroupFrame, every style"));
    const std::pair<TFrameType, const char*> types[] = {{TFrameType::ftFrame_Blue, "ftFrame_Blue"},
                                                        {TFrameType::ftFrame_White, "ftFrame_White"},
                                                        {TFrameType::ftBackground, "ftBackground"},
                                                        {TFrameType::ftTablica, "ftTablica"},
                                                        {TFrameType::ftPuzzle, "ftPuzzle 3 x 2"}};
    for (const auto& [type, name] : types) {
        TLumGroupFrame f(&host);
        f.resize(type == TFrameType::ftPuzzle ? 280 : 200, 120);
        f.setLibrary(skin.library);
        f.setFrameType(type);
        f.setPuzzleKolumny(3);
        f.setPuzzleWiersze(2);
        f.setShowCaption(true);
        f.setCaption(QStringLiteral("Ramka"));
        sheet.add(f, QLatin1String(name));
    }
    sheet.section(QStringLiteral("TLum3ObrazkiFrame, styles x states"));
    for (T3ObFrameType style : {T3ObFrameType::ft3obA, T3ObFrameType::ft3obB, T3ObFrameType::ft3obC}) {
        for (T3ObFrameState state : {T3ObFrameState::fsNone, T3ObFrameState::fsHover, T3ObFrameState::fsDobrze,
                                     T3ObFrameState::fsZle}) {
            TLum3ObrazkiFrame f(&host);
            f.setLibrary(skin.library);
            f.setStylRamki(style);
            f.setStanRamki(state);
            static const char* const states[] = {"none", "hover", "dobrze", "zle"};
            sheet.add(f, QStringLiteral("%1 %2").arg(QChar(u'A' + int(style))).arg(QLatin1String(states[int(state)])), 0.5);
        }
    }
}

void bars(ContactSheet& sheet, QWidget& host, const SkinRecord& skin)
{
    sheet.section(QStringLiteral("TLumBelka"));
    struct Bar {
        const char* label;
        QChar plec;
        bool show;
        int style;
        bool nowy;
    };
    const Bar variants[] = {{"classic, figure M 11", u'M', true, -1, false},
                            {"classic, no figure", QChar(), true, -1, false},
                            {"classic, no login", u'K', false, -1, false},
                            {"style 2", u'K', true, 2, false},
                            {"new style 4", u'K', true, 4, true}};
    for (const Bar& v : variants) {
        QWidget window(&host);
        window.resize(1024, 50);
        TLumBelka bar(&window);
        bar.setLibrary(skin.library);
        bar.setPlec(v.plec);
        bar.setLudzikIndex(11);
        bar.setZalogowany(QStringLiteral("Łucja Żółkiewska"));
        bar.setPokazZalogowanie(v.show);
        bar.setStylBelki(v.style);
        bar.setNowyStyl(v.nowy);
        sheet.add(bar, QLatin1String(v.label));
    }
}

void dialogs(ContactSheet& sheet, QWidget& host, const SkinRecord& skin)
{
    sheet.section(QStringLiteral("TLumDialogWindow, TLumMsgBoxWindow"));
    for (TDialogStyle style : {TDialogStyle::dsBlue, TDialogStyle::dsWhite}) {
        for (TBelkaSize size : {TBelkaSize::bs40, TBelkaSize::bs60}) {
            QWidget window(&host);
            window.resize(300, 200);
            TLumMsgBoxWindow frame(&window);
            frame.setSkin(skin);
            frame.setDialogStyle(style);
            frame.setBelkaSize(size);
            frame.setIconIndex(1);
            frame.setIcon(TIconType::icoExclamation);
            frame.setCaption(QStringLiteral("Ustawienia"));
            sheet.add(window, QStringLiteral("%1 %2").arg(style == TDialogStyle::dsBlue ? "blue" : "white",
                                                         size == TBelkaSize::bs40 ? "bs40" : "bs60"));
        }
    }

    sheet.section(QStringLiteral("Message box of each kind, notice, progress"));
    for (int language : {0, 1}) {
        TfrmMsgBox box(skin, [language] { return language; });
        box.Prepare(QStringLiteral("Czy na pewno chcesz usunąć profil ucznia „Łucja”?"), QStringLiteral("Pytanie"),
                    MsgBoxKind::Question);
        sheet.add(box, language == 0 ? "question (Polish interface)" : "question (other interface)");
    }
    TfrmMsgBox notice(skin, [] { return 0; });
    notice.Prepare(QStringLiteral("Wyniki zostały zapisane."), QStringLiteral("Informacja"), MsgBoxKind::Notice);
    sheet.add(notice, "notice");

    TfrmMessage message(skin, [](int id) { return id == 59 ? QStringLiteral("Uwaga") : QStringLiteral("Pomiń"); });
    message.lumMsgBox->setCaption(QStringLiteral("Uwaga"));
    message.btnSkip->setCaption(QStringLiteral("Pomiń"));
    message.Polecenie->setCaption(QStringLiteral("Powiedz zdanie do mikrofonu, gdy usłyszysz sygnał."));
    sheet.add(message, "TfrmMessage");

    TfrmProgress progress;
    progress.Label1->setCaption(QStringLiteral("Wczytywanie ćwiczeń..."));
    progress.Step(0);
    sheet.add(progress, "TfrmProgress");
}

} // namespace

QImage RenderGallery(const SkinRecord& skin)
{
    ContactSheet sheet(1100);
    QWidget host;
    host.resize(1024, 768);
    buttons(sheet, host, skin);
    checkBoxes(sheet, host);
    labels(sheet, host);
    charts(sheet, host, skin);
    frames(sheet, host, skin);
    bars(sheet, host, skin);
    dialogs(sheet, host, skin);
    return sheet.render();
}
