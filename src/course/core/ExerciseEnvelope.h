#pragma once

#include "Failure.h"
#include "XmlBinding.h"

#include <QString>

#include <memory>

// The envelope every exercise file shares: <cwiczenie><config>...</config>
// <body>...</body></cwiczenie>, and the package body (container kind 100 with
// param1 = 1). Kinds add their own body classes next to their windows.

class TXMLNazwaType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    int id() const { return attrInt("id"); } // language id
};
using TXMLNazwaTypeList = TXMLList<TXMLNazwaType>;

class TXMLConfigType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    int id() const { return childInt("id"); }
    QString multimedia() const { return childText("multimedia"); }
    TXMLNazwaTypeList nazwa() const { return {node(), "nazwa"}; }
    int grupa() const { return childInt("grupa"); }
    int poziom() const { return childInt("poziom"); }
    int typ_cw() const { return childInt("typ_cw"); }
    QString param1() const { return childText("param1"); } // read as text, converted by the caller
    int param2() const { return childInt("param2"); }
};

class TXMLElementPaczkiType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    int id() const { return attrInt("id"); }
    TXMLNazwaTypeList nazwa() const { return {node(), "nazwa"}; }
    int poziom() const { return childInt("poziom"); }
    int typ_cw() const { return childInt("typ_cw"); }
    QString plik() const { return childText("plik"); } // relative to AppDir\Dane\Paczki
};
using TXMLElementPaczkiTypeList = TXMLList<TXMLElementPaczkiType>;

// The body as the course tree reads it: only the package elements.
class TXMLBodyType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    QString znaczniki_nagrania() const { return childText("znaczniki_nagrania"); }
    TXMLElementPaczkiTypeList element_paczki() const { return {node(), "element_paczki"}; }
};

class TXMLCwiczenieType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    TXMLConfigType config() const { return TXMLConfigType(child("config")); }
    TXMLBodyType body() const { return TXMLBodyType(child("body")); }
};

// An instruction of the kinds whose body carries repeated
// <polecenie id="language">text</polecenie> elements.
class TXMLPolecenieType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    int id() const { return attrInt("id"); } // language id
};
using TXMLPolecenieTypeList = TXMLList<TXMLPolecenieType>;

// The text of the first instruction in `language`, empty when there is none
// (the translation language 255 has none). A non-numeric id met on the way is
// a conversion error.
QString InstructionInLanguage(const TXMLPolecenieTypeList& list, int language);

// The title among `nazwa` elements in `language`: the text of the first element
// whose id equals the language, or empty when none does. With
// `fallbackToLanguage1` (exercise titles) an element that exists but is empty
// is replaced by the title in language 1; package element titles have no
// fallback. A non-numeric id met on the way is a conversion error.
QString TitleInLanguage(const TXMLNazwaTypeList& titles, int language, bool fallbackToLanguage1);

// An exercise file loaded into memory. Cheap to copy (the DOM is shared); the
// wrappers it hands out are valid while any copy lives.
class ExerciseDocument final {
public:
    // Loads the file at `path` (already resolved). The failure carries the
    // parser's description; callers replace it with the message they show.
    static Expected<ExerciseDocument> load(const QString& path);
    static Expected<ExerciseDocument> parse(const QByteArray& bytes);

    QString rootName() const;
    bool isExercise() const { return rootName() == QLatin1String("cwiczenie"); }
    TXMLCwiczenieType cwiczenie() const { return TXMLCwiczenieType(m_doc->document_element()); }
    const pugi::xml_document& dom() const { return *m_doc; }

private:
    explicit ExerciseDocument(std::shared_ptr<pugi::xml_document> doc) : m_doc(std::move(doc)) {}
    std::shared_ptr<pugi::xml_document> m_doc;
};
