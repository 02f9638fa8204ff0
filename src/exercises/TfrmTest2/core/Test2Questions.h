#pragma once

#include "TGrupa.h"

#include <QStringList>

// How a question of the test is read from its file.

// The gap of a question: every "<...>" fragment other than a "<BR...>" line
// break is replaced by eight underscores, and its trimmed inner text is one
// part of the gap answer (parts joined with " ... ", empty parts left out).
// A "<" without a closing ">" stays in the text as it is.
struct QuestionText {
    QString text;
    QString gapAnswer;
};
QuestionText SplitQuestion(const QString& naglowek);

// The gap replacement shown in the question.
inline const QString kGapMark = QStringLiteral("________");

// Whether 1-based row `row` is listed in `poprawne` ("2", "1,3", " 1 , 3 ").
// Each comma-separated field is compared as a whole number, so "11" does not
// list row 1.
bool IsCorrectRowNumber(int row, const QString& poprawne);

// The question as the window shows it: a gap gives a first row holding the gap
// answer, always correct; then the first four non-empty `answers` in order,
// each correct when its row number (counting the gap row) is in `poprawne`.
TGrupa BuildGrupa(int number, const QString& media, const QString& naglowek, const QString& poprawne,
                  const QStringList& answers);

// Up to four answers after the gap row; at most five rows in all.
constexpr int kMaxAnswers = 4;
constexpr int kMaxRows = kMaxAnswers + 1;
