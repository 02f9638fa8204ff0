#include "TDrzewo.h"

#include <algorithm>

TDrzewo::TDrzewo()
{
    m_nodes.push_back(std::make_unique<TElement>());
    m_root = m_nodes.back().get();
    m_root->Caption = QStringLiteral("Root");
    m_root->NodeType = TElement::RootOrGroup;
    m_root->Expanded = true;
    m_root->NodeId = 0;
}

TElement* TDrzewo::AddChild(TElement* parent)
{
    if (!parent)
        parent = m_root;
    if (parent->ChildCount() >= MaxChildren)
        return nullptr;
    m_nodes.push_back(std::make_unique<TElement>());
    TElement* n = m_nodes.back().get();
    n->Parent = parent;
    n->Expanded = false;
    n->Progress = 0;
    parent->Children.append(n);
    n->IndexInParent = parent->ChildCount();
    return n;
}

TElement* TDrzewo::FindChildByGroupId(const TElement* parent, int groupId) const
{
    if (!parent)
        parent = m_root;
    for (TElement* c : parent->Children)
        if (c->GroupId == groupId)
            return c;
    return nullptr;
}

void TDrzewo::SetExpandedAll(bool expanded)
{
    for (const auto& n : m_nodes) {
        if (!expanded)
            n->Expanded = false;
        else if (n->NodeType < TElement::ContainerNode)
            n->Expanded = true;
    }
}

void TDrzewo::renumber(TElement* parent)
{
    for (int i = 0; i < parent->ChildCount(); ++i)
        parent->Children[i]->IndexInParent = i + 1;
}

static void flatten(TElement* node, int depth, QList<TElement*>& out)
{
    for (TElement* c : node->Children) {
        c->Depth = depth;
        c->FlatIndex = int(out.size());
        out.append(c);
        flatten(c, depth + 1, out);
    }
}

QList<TElement*> BuildFlatList(const TDrzewo& tree)
{
    QList<TElement*> out;
    out.reserve(tree.nodeCount());
    flatten(tree.root(), 0, out);
    return out;
}
