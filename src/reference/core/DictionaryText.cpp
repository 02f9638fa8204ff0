#include "DictionaryText.h"

QStringView TrimBelow33(QStringView text)
{
    while (!text.isEmpty() && text.front().unicode() < 33)
        text = text.mid(1);
    while (!text.isEmpty() && text.back().unicode() < 33)
        text.chop(1);
    return text;
}

// The whole-word test and the rank, for UTF-16 and UTF-8 text alike.
template <typename Char>
static bool isWholeWord(std::basic_string_view<Char> s, std::basic_string_view<Char> text)
{
    if (s.empty() || s.size() > text.size())
        return false;
    // Only the start of the text and the starts of its words can begin a
    // whole-word occurrence: try each of them (a plain loop: keys are short).
    const size_t last = text.size() - s.size();
    bool wordStart = true;
    for (size_t pos = 0; pos <= last; ++pos) {
        if (wordStart && text[pos] == s[0]) {
            size_t k = 1;
            while (k < s.size() && text[pos + k] == s[k])
                ++k;
            const size_t end = pos + s.size();
            if (k == s.size() && (end == text.size() || text[end] == Char(' ') || text[end] == Char(')')))
                return true;
        }
        wordStart = text[pos] == Char(' ');
    }
    return false;
}

template <typename Char>
static int rank(std::basic_string_view<Char> word, std::basic_string_view<Char> s)
{
    if (word == s)
        return 1;
    const bool startsWith = word.starts_with(s);
    if (startsWith && word.size() > s.size() && word[s.size()] == Char(' '))
        return 2;
    if (isWholeWord(s, word))
        return 3;
    if (startsWith)
        return 4;
    return 5;
}

static std::u16string_view view(QStringView s)
{
    return std::u16string_view(s.utf16(), size_t(s.size()));
}

bool IsWholeWord(QStringView s, QStringView text)
{
    return isWholeWord(view(s), view(text));
}

bool IsWholeWord(std::string_view s, std::string_view text)
{
    return isWholeWord(s, text);
}

int DictionaryRank(QStringView word, QStringView s)
{
    return rank(view(word), view(s));
}

int DictionaryRank(std::string_view word, std::string_view s)
{
    return rank(word, s);
}

int MarkerClass(QStringView token)
{
    if (token.size() < 3 || token[0] != u'[' || token[2] != u']')
        return 0;
    const char16_t digit = token[1].unicode();
    return digit >= u'1' && digit <= u'9' ? int(digit - u'0') : 0;
}

const QStringList& EndingTable()
{
    static const QStringList endings = {QStringLiteral("es"), QStringLiteral("s")};
    return endings;
}

QString StripLookupPunctuation(const QString& word)
{
    // The set the look-up strips, underscore twice as the program always had it.
    static const QString strip = QStringLiteral("!@#$%^&*()_+{}|:\"<>?[]\\;',./_1234567890");
    const QStringView w = TrimBelow33(word);
    qsizetype begin = 0;
    while (begin < w.size() && strip.contains(w[begin]))
        ++begin;
    qsizetype end = w.size();
    while (end > begin && strip.contains(w[end - 1]))
        --end;
    return w.mid(begin, end - begin).toString();
}

QString StripEnglishEnding(const QString& word)
{
    const auto endsWith = [&](const char* ending) {
        return word.endsWith(QLatin1String(ending), Qt::CaseInsensitive);
    };
    if (word.size() > 2 && endsWith("ed"))
        return word.chopped(2);
    if (word.size() > 2 && endsWith("es"))
        return word.chopped(2);
    if (word.size() > 3 && endsWith("ing"))
        return word.chopped(3);
    if (word.size() > 1 && endsWith("s"))
        return word.chopped(1);
    return word;
}
