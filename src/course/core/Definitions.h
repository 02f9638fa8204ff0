#pragma once

#include "Failure.h"
#include "Installation.h"
#include "TDrzewo.h"
#include "XmlBinding.h"

#include <QList>
#include <QString>
#include <QStringList>

// The reading binding of Config\definitions.xml: languages, interface texts
// (hinty) and the group sets (one `groups` element per program-mode family).

class TXMLTlumaczenieType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    int id() const { return attrInt("id"); } // language id
};
using TXMLTlumaczenieTypeList = TXMLList<TXMLTlumaczenieType>;

class TXMLLangType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    int id() const { return attrInt("id"); }
    int trans() const { return attrInt("trans"); } // 1: may be a translation language
};

class TXMLLanguagesType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    TXMLList<TXMLLangType> lang() const { return {node(), "lang"}; }
};

class TXMLHintType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    int id() const { return attrInt("id"); } // interface text id
    TXMLTlumaczenieTypeList tlumaczenie() const { return {node(), "tlumaczenie"}; }
};

class TXMLHintyType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    TXMLList<TXMLHintType> hint() const { return {node(), "hint"}; }
};

class TXMLGrupaType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    int id() const { return attrInt("id"); } // the group id exercise files name
    TXMLTlumaczenieTypeList tlumaczenie() const { return {node(), "tlumaczenie"}; }
};

class TXMLGroupsType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    QString id() const { return attrText("id"); } // not interpreted
    TXMLList<TXMLGrupaType> grupa() const { return {node(), "grupa"}; }
};

class TXMLDefinitionsType final : public TXMLNodeBase {
public:
    using TXMLNodeBase::TXMLNodeBase;
    TXMLLanguagesType languages() const { return TXMLLanguagesType(child("languages")); }
    TXMLHintyType hinty() const { return TXMLHintyType(child("hinty")); }
    TXMLList<TXMLGroupsType> groups() const { return {node(), "groups"}; }
};

// "Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało przerwane!",
// caption "Błąd": after it the program ends.
Failure DefinitionsFailure(const QString& path);

// Path of AppDir\Config\definitions.xml.
QString DefinitionsPath(const Installation& inst);

// Loads the definitions in `inst.interfaceLanguage`: appends one group node per
// `grupa` of the mode's group set (the second `groups` element in program mode
// 2, the first otherwise) to the root of `tree`, and rebuilds `inst.uiTexts`
// with one entry per `hint`. The whole file is read before anything changes:
// on failure (missing or malformed file, a non-numeric id, a missing group set)
// neither the tree nor the table is touched.
Status LoadDefinitions(Installation& inst, TDrzewo& tree);

struct LanguageInfo {
    int id = 0;
    QString name;
    int trans = 0;
};

// Every `lang` in document order; the definitions failure when unreadable.
Expected<QList<LanguageInfo>> ReadLanguages(const Installation& inst);

// The settings window's lists: every language as "lower-cased name=id"; and
// "BRAK TŁUMACZEŃ=255" followed by the languages whose trans is 1.
QStringList InterfaceLanguageItems(const QList<LanguageInfo>& languages);
QStringList TranslationLanguageItems(const QList<LanguageInfo>& languages);
