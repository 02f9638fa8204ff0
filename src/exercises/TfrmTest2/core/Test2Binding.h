#pragma once

#include "ExerciseEnvelope.h"

// The body of a multiple-choice test file:
//   <body><html/> <polecenie id=".."/>... <grupy><grupa id="..">
//     <media/> <naglowek/> <poprawne/> <odpowiedz id=".."/>... </grupa>... </grupy></body>
// (the instructions are the envelope's TXMLPolecenieType).

class TXMLOdpowiedzType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    int id() const { return attrInt("id"); } // never read by the window
};
using TXMLOdpowiedzTypeList = TXMLList<TXMLOdpowiedzType>;

class TXMLGrupaType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    int id() const { return attrInt("id"); } // never read by the window
    QString media() const { return childText("media"); }
    QString naglowek() const { return childText("naglowek"); }
    QString poprawne() const { return childText("poprawne"); }
    TXMLOdpowiedzTypeList odpowiedz() const { return {node(), "odpowiedz"}; }
};
using TXMLGrupaTypeList = TXMLList<TXMLGrupaType>;

class TXMLGrupyType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    TXMLGrupaTypeList grupa() const { return {node(), "grupa"}; }
};

class TXMLTest2BodyType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    QString html() const { return childText("html"); }
    TXMLPolecenieTypeList polecenie() const { return {node(), "polecenie"}; }
    TXMLGrupyType grupy() const { return TXMLGrupyType(child("grupy")); }
};
