#pragma once

#include <QFont>
#include <QPoint>
#include <QString>
#include <QVector>

// The hint text's markup: words separated by single spaces; a word containing
// "<B>" starts bold red text, one containing "</B>" ends it after itself, and the
// word "<BR>" breaks the line. Lines are 20 pixels apart.
struct HintLayout {
    struct Word {
        QString text;  // markers removed
        QPoint at;     // top-left of the word
        bool bold = false;
    };
    QVector<Word> words; // the drawn words ("<BR>" is not drawn)
    int width = 10;      // widest x reached
    int lines = 1;
};

// Lays out `text` in `font` (bold words in its bold variant).
HintLayout LayoutHintText(const QString& text, const QFont& font);
