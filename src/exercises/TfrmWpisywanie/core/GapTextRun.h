#pragma once

#include "GapAnswer.h"
#include "TWyrazTekstu.h"

#include <QString>

#include <optional>

// What the check shows for a text without gaps, which has no score: a notice
// (caption interface text 59); nothing is recorded.
QString NoGapsNotice();

// One run of a gap text: what the learner typed, which gap the edit box is
// on, the check and the answers shown. Gaps are numbered 0.. in text order
// (positions in the gap-index list); the window only shows this state and
// forwards the learner's actions to it.
class GapTextRun final {
public:
    enum class State { Input, Checked, Solution };

    // A new run over freshly parsed items: every input empty, no active gap,
    // not checked in this run.
    void Reset(GapTextItems text = {});

    const QList<TWyrazTekstu>& items() const { return m_text.items; }
    QList<TWyrazTekstu>& items() { return m_text.items; }
    int gapCount() const { return int(m_text.gaps.size()); }
    const TWyrazTekstu& gap(int g) const { return m_text.items.at(m_text.gaps.at(g)); }
    int gapItem(int g) const { return m_text.gaps.at(g); }
    // The gap number of item `i`, or -1 when it is no gap.
    int gapOfItem(int i) const { return int(m_text.gaps.indexOf(i)); }

    // --- editing ---
    int activeGap() const { return m_active; }
    // The gap the edit box starts on: the first empty one (-1: none).
    int StartEditing();
    // Puts the edit box on gap g: returns the gap's input for the box and
    // clears it (the gap shows an empty field under the box).
    QString OpenGap(int g);
    // Stores the box text, normalised, as the active gap's input.
    void Commit(const QString& boxText);
    // Enter or Tab: commits, then returns the first gap after the active one
    // (circularly) whose input is empty, which becomes active; -1 when every
    // gap is filled.
    int CommitAndAdvance(const QString& boxText);
    // A click elsewhere, the scroll bar, the check: commits; no gap is active.
    void CommitOnly(const QString& boxText);

    // --- check ---
    struct Score {
        int right = 0;
        int wrong = 0;
        std::optional<int> percent; // none for a text without gaps
    };
    // Commits nothing itself (call CommitOnly first): counts right and wrong
    // gaps under `rules`, remembers each gap's verdict and turns to the checked
    // state. A text without gaps has no score.
    Score Check(const AnswerRules& rules);
    // The answers in place of the wrong inputs.
    void ShowAnswers();

    State state() const { return m_state; }
    bool uncheckedInRun() const { return m_unchecked; }
    bool gapRight(int g) const { return m_right.value(g, false); }

    // The hover hint over a wrong gap while the answers are shown: `youTyped`
    // (interface text 1) and the input in bold, or `nothingTyped` (interface
    // text 2) in bold for an empty input; empty anywhere else.
    QString HintForItem(int item, const QString& youTyped, const QString& nothingTyped) const;

    // The printed body: "<P>", the items, "</P>"; picture blocks and AK steps
    // are left out; gaps are blanks until the run is checked, then their whole
    // answers.
    QString PrintBody() const;

private:
    GapTextItems m_text;
    QList<bool> m_right;
    int m_active = -1;
    State m_state = State::Input;
    bool m_unchecked = true;
};
