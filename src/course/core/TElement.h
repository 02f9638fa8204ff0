#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// One node of the course tree: the root, a group, an exercise or container
// file, or a child of a container (a package element or a mode). Nodes are
// owned by their TDrzewo; everything else holds plain pointers into it.
struct TElement {
    enum Type { RootOrGroup = -1, Exercise = 1, ContainerNode = 2, ContainerChild = 3 };

    int NodeId = 0;          // running number of the file; groups: group id + 10; root and container children: 0
    int GroupId = 0;         // the file's grupa (groups: their own id)
    QString Caption;         // title in the interface language ("Root" for the root)
    int FlatIndex = 0;       // position in the flat list
    int Depth = 0;           // 0 for children of the root
    int Kind = 0;            // typ_cw, 101..104 for containers, the derived kind for modes
    QString FileName;        // relative to AppDir\Dane; package elements "Paczki\" + plik
    bool IsPackageItem = false;
    int Level = 0;           // poziom
    TElement* Parent = nullptr;
    bool Expanded = false;
    int NodeType = RootOrGroup;
    int IndexInParent = 0;   // 1-based
    std::uint8_t PackageParam = 0; // param2 of a package container
    QString RecordingMarks;  // znaczniki_nagrania of the package

    // The learner's stored result (results file).
    QString ResultDate;      // "dd-mm-yyyy"
    int Progress = 0;        // percent; -1 for unscored kinds
    QString ResultTime;
    bool HasResult = false;
    int ReviewStep = 1;      // 1, 2, 4, ...
    int ReviewProgress = -1; // result at the last review scheduling; -1 none
    QString ReviewDate;      // next review; "0" no further reviews; empty never scheduled

    QList<TElement*> Children; // at most TDrzewo::MaxChildren
    int ChildCount() const { return int(Children.size()); }
};
