#include "DictionaryFile.h"

#include "AnsiText.h"
#include "DictionaryText.h"
#include "FieldOf.h"
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
        return decodeUtf16Le(bytes);
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
        return zerosEven > zerosOdd ? decodeUtf16Be(bytes, 0) : decodeUtf16Le(bytes);

    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? decodeAnsi(bytes) : text;
}

QStringList SplitDictionaryLines(QStringView text)
{
    const auto lineOf = [&](qsizetype from, qsizetype to) {
        QString line = text.mid(from, to - from).toString();
        line.remove(QChar(0xFEFF));
        return line;
    };
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u != u'\r' && u != u'\n')
            continue;
        lines.append(lineOf(start, i));
        if (u == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    // A last line without a break counts unless it holds nothing but marks.
    if (start < text.size()) {
        QString last = lineOf(start, text.size());
        if (!last.isEmpty())
            lines.append(std::move(last));
    }
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

std::optional<TDane> ParseDictionaryLine(const QString& line, DictionaryLineProblem& problem)
{
    if (line.size() < 3) {
        problem = DictionaryLineProblem::TooShort;
        return std::nullopt;
    }
    QStringView rest = QStringView(line).mid(3);
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
    const QString fields = rest.mid(3).toString();
    TDane e;
    e.number = *number;
    e.wordClass = WordClassName(digit - u'0');
    e.word = TrimBelow33(FieldOf(1, fields, u'='));
    e.translation = TrimBelow33(FieldOf(2, fields, u'='));
    e.extra = TrimBelow33(FieldOf(6, fields, u'='));
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

static bool isBlank(const QString& line)
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
    const bool shifted = file.endsWith(QStringLiteral(".txtde"), Qt::CaseInsensitive);

    DictionaryFile out;
    out.readFrom = file;
    const QStringList lines = SplitDictionaryLines(text);
    out.entries.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = shifted ? UnshiftDictionaryLine(lines[i]) : lines[i];
        if (isBlank(line))
            continue;
        DictionaryLineProblem problem{};
        if (std::optional<TDane> e = ParseDictionaryLine(line, problem))
            out.entries.append(std::move(*e));
        else
            out.skipped.append({int(i + 1), problem, line});
    }
    return out;
}

QFuture<Expected<DictionaryFile>> LoadDictionaryAsync(const QString& path)
{
    auto promise = std::make_shared<QPromise<Expected<DictionaryFile>>>();
    QFuture<Expected<DictionaryFile>> future = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, path] {
        promise->addResult(WczytajDane(path));
        promise->finish();
    });
    return future;
}
