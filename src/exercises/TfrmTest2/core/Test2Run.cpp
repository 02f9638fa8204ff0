#include "Test2Run.h"

#include "ExerciseText.h"

#include <algorithm>

void Test2Run::SetQuestions(QList<TGrupa> grupy)
{
    m_grupy = std::move(grupy);
    Start();
}

void Test2Run::Start()
{
    for (TGrupa& g : m_grupy) {
        g.done = false;
        for (TGrupaItem& r : g.rows)
            r.selected = false;
    }
    m_current = m_grupy.isEmpty() ? -1 : 0;
    m_state = ButtonState::Evaluate;
    m_selected = -1;
    m_correct = -1;
    m_poprawnie = m_blednie = m_answers = m_wrong = m_right = 0;
    m_lastWrong = -1;
    m_allDone = false;
}

bool Test2Run::Pick(int row)
{
    if (m_current < 0 || m_state != ButtonState::Evaluate || m_selected != -1)
        return false;
    TGrupa& g = m_grupy[m_current];
    if (row < 1 || row > g.rows.size())
        return false;
    m_selected = row;
    g.rows[row - 1].selected = true;
    Evaluate();
    return true;
}

Test2Run::Evaluation Test2Run::Evaluate()
{
    Evaluation e;
    if (m_current < 0 || m_state != ButtonState::Evaluate)
        return e;
    TGrupa& g = m_grupy[m_current];
    m_state = ButtonState::Next;
    ++m_answers;
    m_correct = g.firstCorrectRow();
    e.selectedRow = m_selected;
    e.correctRow = m_correct;
    e.right = m_selected != -1 && g.rows[m_selected - 1].correct;
    if (e.right) {
        g.done = true;
        ++m_poprawnie;
        ++m_right;
    } else {
        ++m_blednie;
        ++m_wrong;
        m_lastWrong = m_current;
        if (m_correct == -1)
            g.done = true; // can never be answered right: asked once only
    }
    return e;
}

bool Test2Run::Next(std::mt19937& random)
{
    if (m_current < 0 || m_state != ButtonState::Next)
        return m_allDone;
    m_state = ButtonState::Evaluate;
    m_allDone = std::all_of(m_grupy.cbegin(), m_grupy.cend(), [](const TGrupa& g) { return g.done; });
    if (m_allDone)
        return true;
    m_current = drawNext(random);
    for (TGrupaItem& r : m_grupy[m_current].rows)
        r.selected = false;
    m_selected = -1;
    m_correct = -1;
    return false;
}

int Test2Run::drawNext(std::mt19937& random) const
{
    const auto left = std::count_if(m_grupy.cbegin(), m_grupy.cend(), [](const TGrupa& g) { return !g.done; });
    std::uniform_int_distribution<int> pick(0, int(m_grupy.size()) - 1);
    for (;;) {
        const int i = pick(random);
        if (m_grupy[i].done || (i == m_lastWrong && left > 1))
            continue;
        return i;
    }
}

int Test2Run::XFactor() const
{
    return PercentHalfEven(m_poprawnie, questionCount() + m_wrong);
}
