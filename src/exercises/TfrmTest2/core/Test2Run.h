#pragma once

#include "TGrupa.h"

#include <QList>

#include <random>

// One run of a multiple-choice test: which question is asked, the answers
// given, and the counts that make the score. The window shows what it holds
// and forwards the learner's picks and presses of the next button.
//
// A question is asked until it is answered right; the next question is drawn
// at random among those not done, never the last wrongly answered one unless it
// is the only one left. A question that cannot be answered right (no rows, or
// no row marked correct) counts as wrong once and is then set aside, so a test
// holding one still comes to an end.
class Test2Run final {
public:
    enum class ButtonState { Evaluate, Next };

    struct Evaluation {
        bool right = false;
        int selectedRow = -1; // 1-based, -1 none
        int correctRow = -1;  // the first correct row, -1 none
    };

    // The questions in the order they are asked from (shuffled by the caller).
    void SetQuestions(QList<TGrupa> grupy);
    // Counters 0, no question done or selected, the first question current.
    void Start();

    int questionCount() const { return int(m_grupy.size()); }
    const QList<TGrupa>& questions() const { return m_grupy; }
    int current() const { return m_current; } // index into questions(), -1 when there are none
    const TGrupa& currentQuestion() const { return m_grupy[m_current]; }
    ButtonState state() const { return m_state; }

    // A pick of row `row` (1-based) of the current question: only while the
    // question waits for its answer, nothing is selected and the row exists.
    // The row is selected and evaluated at once. Returns false when ignored.
    bool Pick(int row);
    // The next button in its evaluate state (also run by a pick); with nothing
    // selected the answer counts as wrong. Does nothing in the other state.
    Evaluation Evaluate();
    // The next button in its next state: true when every question is done
    // (the run is over); otherwise draws the next question and returns false.
    bool Next(std::mt19937& random);

    int selectedRow() const { return m_selected; }
    int correctRow() const { return m_correct; } // -1 until the answer is evaluated

    int Poprawnie() const { return m_poprawnie; }
    int Blednie() const { return m_blednie; }
    int answersGiven() const { return m_answers; }
    int wrongCount() const { return m_wrong; }
    int correctCount() const { return m_right; }
    int lastWrong() const { return m_lastWrong; } // index into questions(), -1 none
    bool allDone() const { return m_allDone; }
    // round(Poprawnie / (questions + wrong answers) x 100), halves to even; 0
    // for a test without questions.
    int XFactor() const;

private:
    int drawNext(std::mt19937& random) const;

    QList<TGrupa> m_grupy;
    int m_current = -1;
    ButtonState m_state = ButtonState::Evaluate;
    int m_selected = -1;
    int m_correct = -1;
    int m_poprawnie = 0;
    int m_blednie = 0;
    int m_answers = 0;
    int m_wrong = 0;
    int m_right = 0;
    int m_lastWrong = -1;
    bool m_allDone = false;
};
