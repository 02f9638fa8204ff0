#include "CourseScan.h"

#include "ExerciseEnvelope.h"
#include "ExerciseKinds.h"
#include "ProgramMode.h"

#include <QCollator>
#include <QLocale>

Failure ScanErrorMessage(const QString& fileName)
{
    return Failure::error(
        QStringLiteral("Błąd podczas analizowania pliku ćwiczenia. Dalsze wczytywanie ćwiczeń zostało przerwane! ")
            + QStringLiteral("(%1)").arg(fileName),
        fileName);
}

QStringList AdmittedFragments(int programMode)
{
    if (programMode == 1)
        return SelkoFragments();
    if (programMode == 2)
        return VardaFragments();
    return {};
}

EnvelopeData ReadEnvelopeData(const TXMLCwiczenieType& cw, int language)
{
    const TXMLConfigType config = cw.config();
    EnvelopeData e;
    e.grupa = config.grupa();
    e.kind = config.typ_cw();
    e.level = config.poziom();
    e.caption = TitleInLanguage(config.nazwa(), language, true);
    if (e.kind != Kind::Container)
        return e;
    const QString p1 = config.param1();
    e.variant = BindingInt(p1.toUtf8().constData(), true, "param1");
    if (e.variant < 1 || e.variant > 4)
        return e;
    e.param2 = config.param2();
    if (e.variant == 1) {
        const TXMLBodyType body = cw.body();
        e.recordingMarks = body.znaczniki_nagrania();
        for (const TXMLElementPaczkiType el : body.element_paczki())
            e.items.append(EnvelopeData::PackageItem{el.typ_cw(), el.poziom(), el.plik(),
                                                     TitleInLanguage(el.nazwa(), language, false)});
    }
    return e;
}

QList<ContainerMode> OfferedModes(const EnvelopeData& e)
{
    QList<ContainerMode> out;
    for (const ContainerMode& m : ContainerModes(e.variant))
        if (e.param2 & m.bit)
            out.append(m);
    return out;
}

namespace {

int childCountOf(const EnvelopeData& e)
{
    if (e.kind != Kind::Container)
        return 0;
    if (e.variant == 1)
        return int(e.items.size());
    return int(OfferedModes(e).size());
}

// The group node a file belongs to. Only group nodes count: an exercise that
// was itself placed under the root never becomes another file's parent.
TElement* groupFor(const TDrzewo& tree, int grupa)
{
    for (TElement* c : tree.root()->Children)
        if (c->NodeType == TElement::RootOrGroup && c->GroupId == grupa)
            return c;
    return nullptr;
}

void addNodes(const Installation& inst, TDrzewo& tree, TElement* parent, const EnvelopeData& e, int runningNumber,
              const QString& fileName)
{
    TElement* n = tree.AddChild(parent);
    n->NodeId = runningNumber;
    n->Kind = e.kind;
    n->NodeType = TElement::Exercise;
    n->Level = e.level;
    n->FileName = fileName;
    n->Caption = e.caption;
    n->Progress = 0;
    n->GroupId = e.grupa;
    if (e.kind != Kind::Container)
        return;

    n->NodeType = TElement::ContainerNode;
    const int containerKind = ContainerKind(e.variant);
    if (containerKind == 0)
        return; // an unknown variant: a container without children
    n->Kind = containerKind;
    if (e.variant == 1) {
        n->RecordingMarks = e.recordingMarks;
        n->PackageParam = std::uint8_t(e.param2);
        for (const EnvelopeData::PackageItem& it : e.items) {
            TElement* c = tree.AddChild(n);
            c->NodeType = TElement::ContainerChild;
            c->Kind = it.kind;
            c->Level = it.level;
            c->FileName = QStringLiteral("Paczki\\") + it.plik;
            c->Caption = it.caption;
            c->IsPackageItem = true;
            c->Progress = 0;
            c->RecordingMarks = e.recordingMarks;
            c->GroupId = e.grupa;
        }
        return;
    }
    for (const ContainerMode& m : OfferedModes(e)) {
        TElement* c = tree.AddChild(n);
        c->NodeType = TElement::ContainerChild;
        c->Kind = m.kind;
        c->Caption = inst.UiText(m.captionTextId);
        c->FileName = fileName;
        c->GroupId = e.grupa;
        c->Progress = 0;
        if (e.variant == 2 || e.variant == 3)
            c->Level = e.level;
    }
}

} // namespace

Status ScanExerciseFolder(const Installation& inst, TDrzewo& tree, const ScanProgress& progress)
{
    const QStringList files = ListExerciseFiles(inst.appDir);
    const QStringList fragments = AdmittedFragments(inst.programMode);
    // The folder is resolved once; the names come from its listing, so they
    // are spelled as on disk already.
    const QString dane = inst.path(QStringLiteral("\\Dane"));
    const int count = int(files.size());
    if (progress)
        progress(count, 0);

    Status result;
    int accepted = 0;
    for (const QString& name : files) {
        if (progress)
            progress(count, accepted);
        bool admitted = false;
        for (const QString& f : fragments)
            if (name.contains(f, Qt::CaseSensitive)) {
                admitted = true;
                break;
            }
        if (!admitted)
            continue;

        auto doc = ExerciseDocument::load(dane + u'/' + name);
        if (!doc.ok()) {
            result = ScanErrorMessage(name);
            break;
        }
        if (!doc->isExercise())
            continue;
        ++accepted;

        EnvelopeData e;
        try {
            e = ReadEnvelopeData(doc->cwiczenie(), inst.interfaceLanguage);
        } catch (const XmlBindingError&) {
            result = ScanErrorMessage(name);
            break;
        }
        TElement* parent = groupFor(tree, e.grupa);
        if (!parent)
            parent = tree.root();
        if (parent->ChildCount() >= TDrzewo::MaxChildren || childCountOf(e) > TDrzewo::MaxChildren) {
            result = ScanErrorMessage(name);
            break;
        }
        addNodes(inst, tree, parent, e, accepted, name);
    }

    if (inst.programMode == 2)
        SortGroupsByCaption(tree);
    return result;
}

void SortGroupsByCaption(TDrzewo& tree)
{
    QCollator collator{QLocale(QLocale::Polish, QLocale::Poland)};
    for (TElement* g : tree.root()->Children) {
        if (g->NodeType != TElement::RootOrGroup)
            continue;
        tree.SortChildren(g, [&](const TElement* a, const TElement* b) { return collator.compare(a->Caption, b->Caption) < 0; });
    }
}
