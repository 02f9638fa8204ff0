#pragma once

#include "ExerciseEnvelope.h"
#include "Failure.h"
#include "TWyrazTekstu.h"

#include <QString>

struct TElement;

// The body of a gap-typing exercise file: <html>, <minislownik>, repeated
// <polecenie id="language">, <tresc>. The multiple choice in text and the
// full-text window read the same body.

class TXMLWpisywanieBodyType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    QString html() const { return childText("html"); }               // handbook page
    QString minislownik() const { return childText("minislownik"); } // phrase list; empty: none
    TXMLPolecenieTypeList polecenie() const { return {node(), "polecenie"}; }
    QString tresc() const { return childText("tresc"); }             // the gap text
};

class TXMLWpisywanieType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    TXMLConfigType config() const { return TXMLConfigType(child("config")); }
    TXMLWpisywanieBodyType body() const { return TXMLWpisywanieBodyType(child("body")); }
};

// The recording of a text exercise: a ".wav" name is played as ".mp3".
QString GapTextMediaName(const QString& multimedia);

// What the gap-typing window copies out of its file.
struct GapTextContent {
    QString media;        // under Media\Teksty, ".wav" already turned into ".mp3"
    QString html;         // handbook page
    QString instruction;  // in the instruction language
    QString translation;  // in the translation language (the instruction's hint)
    QString phrases;      // the mini-dictionary's text
    GapTextItems text;
};

// Reads the body. Throws XmlBindingError (a non-numeric language id); call it
// inside the guarded load block.
GapTextContent ReadGapTextContent(const ExerciseDocument& doc, int instructionLanguage, int translationLanguage);

// Opens and reads a gap-typing file for the window `windowClass` with the
// messages the window shows: the missing-file message with its code, the load
// message for a file that cannot be read.
Expected<GapTextContent> LoadGapTextFile(const QString& path, const QString& windowClass, int instructionLanguage,
                                         int translationLanguage);

// The title on the printed page: in program mode 2 the current node's caption
// after its first "]"; otherwise the third "="-separated field of the caption
// of the node's container, empty without a container.
QString GapTextTitle(int programMode, const TElement* current, const TElement* container);
