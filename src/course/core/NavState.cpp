#include "NavState.h"

#include "ExerciseKinds.h"

void TNawigacjaDrzewa::SetCurrent(TElement* node)
{
    m_current = node;
    m_group = nullptr;
    m_container = nullptr;
    m_index = node ? node->IndexInParent : 0;
    if (!node)
        return;
    for (TElement* c : m_tree->root()->Children)
        if (c->NodeType == TElement::RootOrGroup && c->GroupId == node->GroupId) {
            m_group = c;
            break;
        }
    if (node->Parent && node->Parent != m_group && node->Parent->NodeType == TElement::ContainerNode)
        m_container = node->Parent;
}

void TNawigacjaDrzewa::SelectSibling(int i)
{
    if (!m_container || i < 1 || i > m_container->ChildCount())
        return;
    m_index = i;
    m_current = m_container->Children[i - 1];
}

ExerciseDispatch DispatchExercise(int kind, int programMode)
{
    return ExerciseDispatch{ExerciseWindowFor(kind, programMode), ReceivesRecordingMarks(kind)};
}

Failure MissingExerciseWindowMessage(int kind)
{
    return Failure{QStringLiteral("Brak formy ćwiczenia o typie ") + QString::number(kind), QStringLiteral("Uwaga"),
                   MessageIcon::None, {}};
}

SiblingButtonGeometry SiblingButtonAt(int containerKind, int count, int i)
{
    int start = 0;
    int row = 0;
    if (containerKind == Kind::DialogueModes) {
        start = 710 - 59 * count;
        row = 87;
    } else if (containerKind == Kind::SentenceModes) {
        start = 670 - 59 * (count - 1);
        row = 81;
    } else {
        start = 710 - 59 * (count - 1);
        row = 80;
    }
    return SiblingButtonGeometry{start + (i - 1) * 55, row, 59};
}
