#include "GapText.h"

namespace {

const char* const kTags[] = {"<BR>", "<IMG LEFT>", "<IMG RIGHT>", "</IMG>", "<I>", "<B>", "</I>", "</B>", "<AK>"};

void addItem(GapTextItems& out, const QString& text, bool mayBeGap, TagMatch match)
{
    if (text.trimmed().isEmpty())
        return;
    TWyrazTekstu item;
    item.Text = text;
    item.Marker = MarkerCode(text, match);
    if (mayBeGap && match == TagMatch::IgnoreCase && item.Marker == mkNone && text.startsWith(u'<')) {
        item.IsGap = true;
        item.Answer = text.mid(1, text.size() - 2);
        out.gaps.append(int(out.items.size()));
    }
    out.items.append(item);
}

void addWords(GapTextItems& out, QStringView text, TagMatch match)
{
    // Line breaks and tabs inside the text count as blanks: a word never
    // carries a control character onto the page.
    QString word;
    for (const QChar c : text) {
        if (c.isSpace()) {
            addItem(out, word, false, match);
            word.clear();
        } else {
            word.append(c);
        }
    }
    addItem(out, word, false, match);
}

} // namespace

int MarkerCode(const QString& text, TagMatch match)
{
    const QString t = match == TagMatch::IgnoreCase ? text.toUpper() : text;
    for (int i = 0; i < 9; ++i)
        if (t == QLatin1String(kTags[i]))
            return i + 1;
    if (match == TagMatch::IgnoreCase && t.startsWith(QLatin1String("<AK")))
        return mkAK;
    return mkNone;
}

GapTextItems ParseGapText(const QString& text, TagMatch match)
{
    GapTextItems out;
    QStringView rest(text);
    while (!rest.isEmpty()) {
        const qsizetype open = rest.indexOf(u'<');
        if (open < 0)
            break;
        if (open > 0) {
            addWords(out, rest.left(open), match);
            rest = rest.mid(open);
            continue;
        }
        const qsizetype close = rest.indexOf(u'>');
        if (close < 0)
            break; // an unclosed "<": the rest is plain words
        addItem(out, rest.left(close + 1).toString(), true, match);
        rest = rest.mid(close + 1);
    }
    addWords(out, rest, match);
    return out;
}

GapTextItems ParsePhraseText(const QString& text)
{
    return ParseGapText(text + QStringLiteral("<AK>"), TagMatch::Exact);
}

int AkStep(const QString& tag, int x)
{
    const qsizetype eq = tag.indexOf(u'=');
    const qsizetype close = tag.lastIndexOf(u'>');
    if (eq >= 0 && close > eq) {
        bool ok = false;
        const int n = tag.mid(eq + 1, close - eq - 1).trimmed().toInt(&ok);
        if (ok)
            return qAbs(x - n);
    }
    return 30;
}
