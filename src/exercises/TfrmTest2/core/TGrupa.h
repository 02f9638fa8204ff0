#pragma once

#include <QList>
#include <QRect>
#include <QString>

// One answer row of a question.
struct TGrupaItem {
    QString text;
    bool selected = false;
    bool correct = false;
    QRect rect; // where the answer list painted it
};

// One question of the test.
struct TGrupa {
    int number = 0;        // 1-based position in the file; chooses the picture
    QString media;         // sentence recording under Media\Zdania
    QString text;          // the question, gaps replaced by "________"
    QString poprawne;      // the correct row numbers as the file lists them
    int layoutTop = 3;
    int layoutHeight = 0;
    bool done = false;     // answered right in this run (or unanswerable, see Test2Run)
    QList<TGrupaItem> rows;

    // 1-based number of the first correct row, or -1 when no row is correct.
    int firstCorrectRow() const;
};
