#include "DictionaryText.h"

QString TrimBelow33(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() < 33)
        ++begin;
    while (end > begin && text[end - 1].unicode() < 33)
        --end;
    return text.mid(begin, end - begin);
}

bool IsWholeWord(QStringView s, QStringView text)
{
    if (s.isEmpty())
        return false;
    for (qsizetype pos = text.indexOf(s); pos >= 0; pos = text.indexOf(s, pos + 1)) {
        const qsizetype end = pos + s.size();
        const bool startsWord = pos == 0 || text[pos - 1] == u' ';
        const bool endsWord = end == text.size() || text[end] == u' ' || text[end] == u')';
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

int DictionaryRank(QStringView word, QStringView s)
{
    if (word == s)
        return 1;
    const bool startsWith = word.startsWith(s);
    if (startsWith && word.size() > s.size() && word[s.size()] == u' ')
        return 2;
    if (IsWholeWord(s, word))
        return 3;
    if (startsWith)
        return 4;
    return 5;
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
    QString w = TrimBelow33(word);
    qsizetype begin = 0;
    while (begin < w.size() && strip.contains(w[begin]))
        ++begin;
    qsizetype end = w.size();
    while (end > begin && strip.contains(w[end - 1]))
        --end;
    return w.mid(begin, end - begin);
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
