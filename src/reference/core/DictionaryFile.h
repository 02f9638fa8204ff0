#pragma once

#include "DictionaryIndex.h"
#include "Failure.h"
#include "Installation.h"
#include "TDane.h"

#include <QFuture>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The dictionary file: one entry per line, UTF-16 LE with CR LF line ends.
//
//   <3 characters><number> [<class digit>]<word>=<translation>=…=…=…=<extra>
//
// The first three characters are not used; the class digit 1 … 9 picks the
// word-class name (WordClassName); fields 3 to 5 are not used. A file whose
// name ends in ".txtde" is stored with every character code raised by 5.

// Why a line could not be loaded.
enum class DictionaryLineProblem {
    TooShort,  // fewer characters than the number and the class need
    BadNumber, // no blank after the number, or the number is not an integer
    BadClass,  // the class digit is not 1 … 9
};

struct SkippedDictionaryLine {
    int line = 0; // 1-based line number in the file
    DictionaryLineProblem problem = DictionaryLineProblem::TooShort;
    QString text; // the line as read, unshifted
};

struct DictionaryFile {
    QList<TDane> entries;                // in file order
    QString readFrom;                    // the file actually read
    QList<SkippedDictionaryLine> skipped; // lines that could not be loaded
};

// Where an installation keeps its dictionary: AppDir\Config\Slownik.txt. When
// Slownik.txtde exists beside it, WczytajDane reads that shifted file instead.
QString DictionaryPath(const Installation& inst);

// Loads the entries of a dictionary file. When path + "de" exists, that file
// is read instead. Lines that cannot be loaded are skipped and listed; blank
// lines are skipped silently. Fails with "Brak pliku słownika!" when neither
// file exists and with "Nie można odczytać pliku słownika!" when the file
// cannot be opened; the caller then keeps the entries it had.
//
// Text without a byte-order mark is taken as UTF-16 LE when it holds zero
// bytes (BE when they fall on even offsets); otherwise as UTF-8, or
// Windows-1250 when it is not valid UTF-8. The marks FF FE, FE FF and
// EF BB BF choose UTF-16 LE, UTF-16 BE and UTF-8.
Expected<DictionaryFile> WczytajDane(const QString& path);

// A loaded dictionary with its search index built, ready for the window.
struct LoadedDictionary {
    DictionaryIndex index;
    QString readFrom;
    QList<SkippedDictionaryLine> skipped;
};

// Loads the file (WczytajDane) and builds its index on a pool thread. The
// window starts this once at start-up and moves the index into its model when
// the future is ready; waiting on the future is safe from any thread.
QFuture<Expected<LoadedDictionary>> LoadDictionaryAsync(const QString& path);

// The text of a dictionary file's bytes, by the rules above.
QString DecodeDictionaryText(const QByteArray& bytes);

// Splits the text into lines: CR LF, a lone CR and a lone LF each end a line;
// the unit FEFF is dropped wherever it occurs; a trailing break adds no line.
QStringList SplitDictionaryLines(QStringView text);

// Undoes the shift of a ".txtde" file: every code unit lowered by 5.
QString UnshiftDictionaryLine(const QString& line);

// One entry from one (unshifted) line; nullopt with `problem` set when the
// line cannot be loaded.
std::optional<TDane> ParseDictionaryLine(QStringView line, DictionaryLineProblem& problem);

// A short English description of a problem, for the command-line tool.
QString DescribeLineProblem(DictionaryLineProblem problem);
