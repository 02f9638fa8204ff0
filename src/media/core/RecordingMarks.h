#pragma once

#include <QList>
#include <QString>

// Jump points inside a recording: the start second of each part, at most five
// (one mark button each).
struct RecordingMarks {
    static constexpr int MaxMarks = 5;
    QList<int> seconds; // mark k (1-based) starts at seconds[k − 1]

    int count() const { return int(seconds.size()); }
    friend bool operator==(const RecordingMarks&, const RecordingMarks&) = default;
};

// Reads a marks text such as "12#40#75": the fields from the first up to the
// first empty one. Marks past the fifth are dropped. A field that is not a
// whole number of seconds (0 or more) ends the list there, so a damaged text
// gives the marks before the damage instead of wrong jump points.
RecordingMarks ParseRecordingMarks(const QString& text);
