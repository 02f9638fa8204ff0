#include "RecordingMarks.h"

#include "FieldOf.h"

RecordingMarks ParseRecordingMarks(const QString& text)
{
    RecordingMarks marks;
    for (int n = 1; marks.count() < RecordingMarks::MaxMarks; ++n) {
        const QString field = FieldOf(n, text, u'#');
        if (field.isEmpty())
            break;
        bool ok = false;
        const int seconds = field.trimmed().toInt(&ok);
        if (!ok || seconds < 0)
            break;
        marks.seconds.append(seconds);
    }
    return marks;
}
