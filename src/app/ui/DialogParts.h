#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QLineEdit;
class QWidget;
class TAALabel;
class TLumCheckBox;

// Components shared by the shell's dialog windows (profile, password,
// settings), which sit on the blue dialog frame.

// A one-line edit box: white, with a thin sky-blue border, Tahoma 13 pixels;
// `password` shows its text as "*".
QLineEdit* DialogEdit(QWidget* parent, const char* name, const QRect& geometry, int maxLength, bool password = false);

// A skinned check box (or, with `radio`, a radio button) with the window's
// check pictures and a white Tahoma 13-pixel caption.
TLumCheckBox* DialogCheckBox(QWidget* parent, const char* name, const QPoint& at, bool radio);

// A white Tahoma label of `pixels` pixels at `at`, sized to its text.
TAALabel* DialogLabel(QWidget* parent, const char* name, const QPoint& at, int pixels = 13);

