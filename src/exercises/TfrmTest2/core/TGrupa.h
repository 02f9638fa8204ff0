#pragma once

#include <QList>
#include <QString>

// One answer row of a question.
struct TGrupaItem {
    QString text;
    bool selected = false;
    bool correct = false;
};

// One question of the test.
struct TGrupa {
    int number = 0;        // 1-based position in the file; chooses the picture
    QString media;         // sentence recording under Media\Zdania
    QString text;          // the question, gaps replaced by "________"
    QString poprawne;      // the correct row numbers as the file lists them
    bool done = false;     // answered right in this run (or unanswerable, see Test2Run)
    QList<TGrupaItem> rows;

    // 1-based number of the first correct row, or -1 when no row is correct.
    int firstCorrectRow() const;
};
