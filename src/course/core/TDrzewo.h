#pragma once

#include "TElement.h"

#include <QList>

#include <algorithm>
#include <memory>
#include <vector>

// The course tree: owns its root and every node below it. Not copyable;
// pointers to nodes stay valid until the tree is destroyed (or moved from:
// moving transfers the nodes, the pointers stay valid in the new owner).
class TDrzewo final {
public:
    static constexpr int MaxChildren = 100;

    TDrzewo();
    TDrzewo(TDrzewo&&) noexcept = default;
    TDrzewo& operator=(TDrzewo&&) noexcept = default;
    TDrzewo(const TDrzewo&) = delete;
    TDrzewo& operator=(const TDrzewo&) = delete;

    TElement* root() const { return m_root; }

    // Appends a new node to `parent` (the root when null) with Expanded false,
    // no children and Progress 0. Returns null, adding nothing, when the
    // parent already holds MaxChildren children.
    TElement* AddChild(TElement* parent);

    // The first child of `parent` with `groupId`, or null.
    TElement* FindChildByGroupId(const TElement* parent, int groupId) const;

    // Collapse-all (false) closes every node; expand-all (true) opens only
    // the root and groups and exercises, never containers.
    void SetExpandedAll(bool expanded);

    // Sorts the children of `parent` with `less` and renumbers IndexInParent.
    template <typename Less>
    void SortChildren(TElement* parent, Less less);

    int nodeCount() const { return int(m_nodes.size()); }

private:
    void renumber(TElement* parent);

    std::vector<std::unique_ptr<TElement>> m_nodes; // every node, the root first
    TElement* m_root = nullptr;
};

template <typename Less>
void TDrzewo::SortChildren(TElement* parent, Less less)
{
    std::stable_sort(parent->Children.begin(), parent->Children.end(), less);
    renumber(parent);
}

// The nodes of `tree` in depth-first pre-order, without the root, whatever
// their Expanded state; sets each node's Depth and FlatIndex.
QList<TElement*> BuildFlatList(const TDrzewo& tree);
