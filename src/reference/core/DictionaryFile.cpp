#include "DictionaryFile.h"

#include "AnsiText.h"
#include "DictionaryText.h"
#include "Utf16Text.h"
#include "WinPath.h"

#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QStringDecoder>
#include <QThreadPool>

#include <memory>

QString DictionaryPath(const Installation& inst)
{
    return inst.path(QStringLiteral("\\Config\\Slownik.txt"));
}

// UTF-16 LE copied as it is on a little-endian machine; an odd last byte is dropped.
static QString decodeUtf16LeFrom(const QByteArray& bytes, qsizetype from)
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    return QString(reinterpret_cast<const QChar*>(bytes.constData() + from), (bytes.size() - from) / 2);
#else
    return decodeUtf16Le(bytes.mid(from));
#endif
}

static QString decodeUtf16Be(const QByteArray& bytes, qsizetype from)
{
    QString out;
    out.reserve((bytes.size() - from) / 2);
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2)
        out.append(QChar(char16_t((uchar(bytes[i]) << 8) | uchar(bytes[i + 1]))));
    return out;
}

QString DecodeDictionaryText(const QByteArray& bytes)
{
    const auto startsWith = [&](std::initializer_list<uchar> mark) {
        if (bytes.size() < qsizetype(mark.size()))
            return false;
        qsizetype i = 0;
        for (uchar b : mark)
            if (uchar(bytes[i++]) != b)
                return false;
        return true;
    };
    if (startsWith({0xFF, 0xFE}))
        return decodeUtf16LeFrom(bytes, 2);
    if (startsWith({0xFE, 0xFF}))
        return decodeUtf16Be(bytes, 2);
    if (startsWith({0xEF, 0xBB, 0xBF}))
        return QString::fromUtf8(bytes.mid(3));

    // No mark: a UTF-16 file of this format always holds zero bytes (the
    // digits, blanks and brackets of every line); an 8-bit file never does.
    qsizetype zerosEven = 0;
    qsizetype zerosOdd = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == 0)
            ++(i % 2 == 0 ? zerosEven : zerosOdd);
    if (zerosEven + zerosOdd > 0)
        return zerosEven > zerosOdd ? decodeUtf16Be(bytes, 0) : decodeUtf16LeFrom(bytes, 0);

    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? decodeAnsi(bytes) : text;
}

// Calls line(view) for every line of the text (see SplitDictionaryLines). The
// view lives only for the call; lines holding the mark FEFF are handed over
// without it.
template <typename F>
static void forEachLine(QStringView text, F&& line)
{
    const auto deliver = [&](qsizetype from, qsizetype to, bool last) {
        const QStringView view = text.mid(from, to - from);
        if (!view.contains(QChar(0xFEFF))) {
            if (!last || !view.isEmpty())
                line(view);
            return;
        }
        QString copy = view.toString();
        copy.remove(QChar(0xFEFF));
        // A last line without a break counts unless it holds nothing but marks.
        if (!last || !copy.isEmpty())
            line(QStringView(copy));
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u != u'\r' && u != u'\n')
            continue;
        deliver(start, i, false);
        if (u == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        deliver(start, text.size(), true);
}

QStringList SplitDictionaryLines(QStringView text)
{
    QStringList lines;
    forEachLine(text, [&](QStringView line) { lines.append(line.toString()); });
    return lines;
}

QString UnshiftDictionaryLine(const QString& line)
{
    QString out(line.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < line.size(); ++i)
        out[i] = QChar(char16_t(line[i].unicode() - 5));
    return out;
}

// Decimal digits with an optional sign, within the range of int.
static std::optional<int> parseNumber(QStringView text)
{
    QStringView digits = text;
    if (!digits.isEmpty() && (digits[0] == u'+' || digits[0] == u'-'))
        digits = digits.mid(1);
    if (digits.isEmpty())
        return std::nullopt;
    for (QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

std::optional<TDane> ParseDictionaryLine(QStringView line, DictionaryLineProblem& problem)
{
    if (line.size() < 3) {
        problem = DictionaryLineProblem::TooShort;
        return std::nullopt;
    }
    QStringView rest = line.mid(3);
    const qsizetype blank = rest.indexOf(u' ');
    const std::optional<int> number = blank < 0 ? std::nullopt : parseNumber(rest.left(blank));
    if (!number) {
        problem = DictionaryLineProblem::BadNumber;
        return std::nullopt;
    }
    rest = rest.mid(blank + 1);
    if (rest.size() < 3) {
        problem = DictionaryLineProblem::TooShort;
        return std::nullopt;
    }
    const char16_t digit = rest[1].unicode();
    if (digit < u'1' || digit > u'9') {
        problem = DictionaryLineProblem::BadClass;
        return std::nullopt;
    }
    TDane e;
    e.number = *number;
    e.wordClass = WordClassName(digit - u'0');
    // Fields separated by "=": 1 word, 2 translation, 6 extra (as FieldOf counts them).
    QStringView fields = rest.mid(3);
    for (int field = 1; field <= 6; ++field) {
        const qsizetype end = fields.indexOf(u'=');
        const QStringView value = end < 0 ? fields : fields.left(end);
        if (field == 1)
            e.word = TrimBelow33(value).toString();
        else if (field == 2)
            e.translation = TrimBelow33(value).toString();
        else if (field == 6)
            e.extra = TrimBelow33(value).toString();
        if (end < 0)
            break;
        fields = fields.mid(end + 1);
    }
    return e;
}

QString DescribeLineProblem(DictionaryLineProblem problem)
{
    switch (problem) {
    case DictionaryLineProblem::TooShort:
        return QStringLiteral("line too short");
    case DictionaryLineProblem::BadNumber:
        return QStringLiteral("entry number is not a whole number");
    case DictionaryLineProblem::BadClass:
        return QStringLiteral("word class is not a digit 1-9");
    }
    return {};
}

static bool isBlank(QStringView line)
{
    for (QChar c : line)
        if (c.unicode() >= 33)
            return false;
    return true;
}

Expected<DictionaryFile> WczytajDane(const QString& path)
{
    QString file = ResolveWinPath(path + QStringLiteral("de"));
    if (!QFileInfo(file).isFile())
        file = ResolveWinPath(path);
    const QFileInfo info(file);
    if (!info.exists())
        return Failure::error(QStringLiteral("Brak pliku słownika!"), path);
    QFile f(file);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly))
        return Failure::error(QStringLiteral("Nie można odczytać pliku słownika!"), file);
    const QString text = DecodeDictionaryText(f.readAll());
    f.close();
    const bool shifted = file.endsWith(QStringLiteral(".txtde"), Qt::CaseInsensitive);

    DictionaryFile out;
    out.readFrom = file;
    out.entries.reserve(text.count(u'\n') + 1);
    int lineNumber = 0;
    QString unshifted;
    forEachLine(text, [&](QStringView line) {
        ++lineNumber;
        if (shifted) {
            unshifted = UnshiftDictionaryLine(line.toString());
            line = unshifted;
        }
        if (isBlank(line))
            return;
        DictionaryLineProblem problem{};
        if (std::optional<TDane> e = ParseDictionaryLine(line, problem))
            out.entries.append(std::move(*e));
        else
            out.skipped.append({lineNumber, problem, line.toString()});
    });
    out.entries.squeeze();
    return out;
}

static Expected<LoadedDictionary> loadWithIndex(const QString& path)
{
    Expected<DictionaryFile> file = WczytajDane(path);
    if (!file.ok())
        return file.failure();
    return LoadedDictionary{DictionaryIndex(std::move(file->entries)), file->readFrom, file->skipped};
}

QFuture<Expected<LoadedDictionary>> LoadDictionaryAsync(const QString& path)
{
    auto promise = std::make_shared<QPromise<Expected<LoadedDictionary>>>();
    QFuture<Expected<LoadedDictionary>> future = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, path] {
        promise->addResult(loadWithIndex(path));
        promise->finish();
    });
    return future;
}
