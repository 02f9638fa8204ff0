#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// The size classes of the skinned button, in their stored order.
enum class TRozmiar {
    roz22, roz32, roz50, roz64, roz70, roz80, roz100, rozBelka, rozTabka, rozTabka_Selko,
    rozPaczkaNaviPrev, rozPaczkaNaviNext, rozPaczkaNaviZawartosc, rozUndefined, rozTabka_Kestun,
    rozWyborJezyka
};

// Face made of nine or of three pieces.
enum class TElementy { el9, el3 };

enum class TLumResButtonAlignment { taLeftJustify, taLeftFixed, taRightJustify, taCenter };

// Mouse state of a button.
enum class ButtonMouse { Normal = 0, Hot = 1, Pressed = 2 };

// Corner width c and middle height m of a size class's face.
struct FaceMetrics {
    int c = 0;
    int m = 0;
};
FaceMetrics RozmiarMetrics(TRozmiar r);

// What setting a size class does to the button: a new height, and for some a
// new width; nothing (both unset) for rozUndefined.
struct RozmiarSize {
    int height = -1; // -1: unchanged
    int width = -1;  // -1: unchanged
};
RozmiarSize RozmiarSizeOf(TRozmiar r);

// One face picture: drawn unscaled at rect's top-left, or stretched into rect.
struct FacePiece {
    QString name;
    QRect rect;  // for unscaled pieces only the top-left counts
    bool stretched = false;
};

struct FaceInput {
    TRozmiar rozmiar = TRozmiar::roz22;
    TElementy skladowe = TElementy::el3;
    bool flat = false;
    QString suffix;      // "_N", "_H", "_P" or "_D"
    int grafikaIndex = 1;
    int tag = 0;
    int width = 120;
    int height = 22;
};

// The face pictures of a button in drawing order; empty where the face is not
// drawn (flat in the normal state, a title-bar button in the normal state, ...).
QVector<FacePiece> ResButtonFace(const FaceInput& in);

// Which glyph property a paint uses.
enum class GlyphChoice { Normal, Hot, Down, Disabled, Keep /* the glyph of the previous paint */ };

struct ButtonLook {
    QString suffix;
    GlyphChoice glyph = GlyphChoice::Normal;
};

// The state suffix and glyph for the enabled flag, the mouse state and Down.
ButtonLook ChooseButtonLook(bool enabled, ButtonMouse mouse, bool down);

struct CaptionInput {
    TLumResButtonAlignment alignment = TLumResButtonAlignment::taCenter;
    int width = 120, height = 22;
    int textWidth = 0;   // tw: caption width in the button's font
    int textHeight = 0;  // th: height of "XX"
    QSize glyph;         // the current glyph's size; empty when there is none
    bool showCaption = true;
    int spacing = 4, korekta = 0, korektaCaption = 0, korektaCaptionY = 0;
    int fixedTekstX = 0, fixedGlyphX = 0;
};

struct CaptionLayout {
    QPoint caption;   // where the caption is drawn (shifts included)
    QPoint glyph;     // where the glyph is drawn (when there is one)
};

// Positions of caption and glyph; halvings truncate toward zero.
CaptionLayout LayoutResButton(const CaptionInput& in);
