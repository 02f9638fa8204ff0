#include "DictionaryLayout.h"

#include "DictionaryText.h"

#include <algorithm>
#include <climits>

QList<TranslationRun> TranslationRuns(const QString& translation)
{
    const QStringList tokens = translation.split(u' ');
    QList<TranslationRun> runs;
    bool earlierLabel = false; // a marker of class 1 … 8 has been drawn
    bool grey = false;         // words are grey after a class-9 marker
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString& token = tokens[i];
        if (token.isEmpty())
            continue;
        const bool nextIsMarker = i + 1 < tokens.size() && MarkerClass(tokens[i + 1]) != 0;
        const int cls = MarkerClass(token);
        if (cls == 0) {
            runs.append({token, grey, 0, !nextIsMarker});
            continue;
        }
        QString name = WordClassName(cls);
        const QString tail = token.mid(3);
        if (cls <= 8) {
            if (earlierLabel)
                name.prepend(QStringLiteral(", "));
            earlierLabel = true;
            grey = false;
        } else {
            grey = true;
        }
        runs.append({name, true, cls, !tail.isEmpty() || !nextIsMarker});
        if (!tail.isEmpty())
            runs.append({tail, grey, 0, !nextIsMarker});
    }
    return runs;
}

int DictionaryRows(const DictionaryMetrics& m)
{
    return m.lineHeight > 0 ? std::max(0, m.boxHeight / m.lineHeight) : 0;
}

// Lays out one entry with its top at y; texts below `clip` are not placed.
// Returns the entry's bottom (the larger of y and both columns' ends).
static int layoutEntry(const TDane& e, int y, const DictionaryMetrics& m, int clip, QList<PlacedText>* out)
{
    using namespace DictionaryColumns;
    const int lineHeight = m.lineHeight;

    int x = WordLeft;
    int y1 = y;
    for (const QString& token : e.word.split(u' ')) {
        const int w = m.width(token, false);
        if (x + w > WordRight && x > WordLeft) {
            x = WordLeft;
            y1 += lineHeight;
        }
        if (y1 > clip)
            break;
        if (out && !token.isEmpty())
            out->append({x, y1, token, false});
        x += w + WordGap;
    }
    y1 += lineHeight;

    x = TranslationLeft;
    int y2 = y;
    for (const TranslationRun& run : TranslationRuns(e.translation)) {
        const int w = m.width(run.text, run.grey);
        if (x + w > m.boxWidth && x > TranslationLeft) {
            x = TranslationLeft;
            y2 += lineHeight;
        }
        if (y2 > clip)
            break;
        if (out && !run.text.isEmpty())
            out->append({x, y2, run.text, run.grey});
        x += w + (run.gapAfter ? TranslationGap : 0);
    }
    y2 += lineHeight;
    return std::max({y, y1, y2});
}

DictionaryPage LayoutDictionaryPage(const DictionaryModel& model, int scrollPosition, const DictionaryMetrics& m)
{
    DictionaryPage page;
    const int rows = DictionaryRows(m);
    if (rows == 0 || !m.width)
        return page;
    int y = 0;
    for (int row = std::max(0, scrollPosition); row < model.listCount() && page.entriesShown < rows && y <= m.boxHeight;
         ++row) {
        y = layoutEntry(model.listEntry(row), y, m, m.boxHeight, &page.texts);
        ++page.entriesShown;
    }
    return page;
}

int DictionaryScrollMaximum(const DictionaryModel& model, const DictionaryMetrics& m)
{
    const int count = model.listCount();
    const int rows = DictionaryRows(m);
    if (count == 0 || rows == 0 || !m.width)
        return 0;
    // Walk back from the last entry while the entries still fit on one page.
    int fitting = 0;
    int height = 0;
    for (int row = count - 1; row >= 0 && fitting < rows; --row) {
        const int h = layoutEntry(model.listEntry(row), 0, m, INT_MAX, nullptr);
        if (height + h > m.boxHeight)
            break;
        height += h;
        ++fitting;
    }
    return count - std::max(fitting, 1);
}

int WheelScroll(int position, int notches, int maximum)
{
    return std::clamp(position + notches, 0, std::max(0, maximum));
}

QList<LetterButtonSpec> LetterButtons(const QString& allEntriesCaption)
{
    QList<LetterButtonSpec> buttons;
    int column = 0;
    int row = 0;
    for (int k = 0; k <= 26; ++k) {
        LetterButtonSpec b;
        b.name = QStringLiteral("Litera%1").arg(k);
        b.caption = k < 26 ? QString(QChar(char16_t(u'A' + k))) : allEntriesCaption;
        b.tag = 97 + k;
        b.x = 360 + 22 * column;
        b.y = 68 + 22 * row;
        b.width = k < 26 ? 22 : 44;
        buttons.append(b);
        if (b.x > 487) {
            column = 0;
            ++row;
        } else {
            ++column;
        }
    }
    return buttons;
}
