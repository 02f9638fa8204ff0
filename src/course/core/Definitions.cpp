#include "Definitions.h"

#include "XmlFile.h"

#include <QHash>

#include <optional>

Failure DefinitionsFailure(const QString& path)
{
    return Failure::error(
        QStringLiteral("Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało przerwane!"), path);
}

QString DefinitionsPath(const Installation& inst)
{
    return inst.path(QStringLiteral("\\Config") + QStringLiteral("\\definitions.xml"));
}

// The text of the first `tlumaczenie` in `language`, or nullopt. Every id on
// the way is converted, so a non-numeric one is an error wherever it stands.
template <typename Element>
static std::optional<QString> translationIn(const Element& e, int language)
{
    std::optional<QString> found;
    for (const TXMLTlumaczenieType t : e.tlumaczenie())
        if (t.id() == language && !found)
            found = t.text();
    return found;
}

// For each id, the first translation found in an element with that id (walking
// the elements in document order), as the group caption and text lookups take it.
template <typename List>
static QHash<int, QString> firstTranslations(const List& list, int language, QList<int>& idsInOrder)
{
    QHash<int, QString> texts;
    for (const auto e : list) {
        const int id = e.id();
        idsInOrder.append(id);
        if (texts.contains(id))
            continue;
        if (const auto t = translationIn(e, language))
            texts.insert(id, *t);
    }
    return texts;
}

namespace {
// The parsed file and its root wrapper; the wrapper lives as long as `dom`.
struct DefinitionsFile {
    std::shared_ptr<pugi::xml_document> dom;
    TXMLDefinitionsType root;
};

Expected<DefinitionsFile> openDefinitions(const QString& path)
{
    auto doc = LoadXmlFile(path);
    if (!doc.ok())
        return DefinitionsFailure(path);
    const TXMLDefinitionsType defs((*doc)->child("definitions"));
    if (!defs.exists())
        return DefinitionsFailure(path);
    return DefinitionsFile{*doc, defs};
}
} // namespace

Status LoadDefinitions(Installation& inst, TDrzewo& tree)
{
    const QString path = DefinitionsPath(inst);
    const auto file = openDefinitions(path);
    if (!file.ok())
        return file.failure();
    const TXMLDefinitionsType& defs = file->root;

    QList<int> groupIds;
    QHash<int, QString> groupCaptions;
    QList<int> hintIds;
    QHash<int, QString> hintTexts;
    try {
        const int set = inst.programMode == 2 ? 1 : 0;
        const TXMLGroupsType groups = defs.groups()[set];
        groupCaptions = firstTranslations(groups.grupa(), inst.interfaceLanguage, groupIds);
        hintTexts = firstTranslations(defs.hinty().hint(), inst.interfaceLanguage, hintIds);
    } catch (const XmlBindingError&) {
        return DefinitionsFailure(path);
    }

    for (int gid : groupIds) {
        TElement* g = tree.AddChild(tree.root());
        if (!g)
            return DefinitionsFailure(path); // more groups than a node can hold
        g->NodeId = gid + 10;
        g->GroupId = gid;
        g->NodeType = TElement::RootOrGroup;
        g->Caption = groupCaptions.value(gid);
    }

    inst.uiTexts.clear();
    for (int id : hintIds) {
        const auto it = hintTexts.constFind(id);
        if (it == hintTexts.constEnd())
            inst.uiTexts.appendRaw(QString()); // no text in this language: an empty entry
        else
            inst.uiTexts.append(id, *it);
    }
    return {};
}

Expected<QList<LanguageInfo>> ReadLanguages(const Installation& inst)
{
    const QString path = DefinitionsPath(inst);
    const auto file = openDefinitions(path);
    if (!file.ok())
        return file.failure();
    QList<LanguageInfo> out;
    try {
        for (const TXMLLangType l : file->root.languages().lang())
            out.append(LanguageInfo{l.id(), l.text(), l.trans()});
    } catch (const XmlBindingError&) {
        return DefinitionsFailure(path);
    }
    return out;
}

QStringList InterfaceLanguageItems(const QList<LanguageInfo>& languages)
{
    QStringList items;
    for (const LanguageInfo& l : languages)
        items.append(l.name.toLower() + u'=' + QString::number(l.id));
    return items;
}

QStringList TranslationLanguageItems(const QList<LanguageInfo>& languages)
{
    QStringList items{QStringLiteral("BRAK TŁUMACZEŃ=%1").arg(255)};
    for (const LanguageInfo& l : languages)
        if (l.trans == 1)
            items.append(l.name.toLower() + u'=' + QString::number(l.id));
    return items;
}
