#include "Cli.h"

#include "DictionaryFile.h"
#include "DictionaryModel.h"

// orvanta-cli dictionary [--app-dir DIR] [--file PATH] [--translations]
//                        [--whole-words] [--prefix] TEXT
// orvanta-cli dictionary [--app-dir DIR] [--file PATH] [--whole-words] --form WORD
//
// Loads the dictionary (the installation's or the given file) and prints what
// the dictionary window would list for TEXT typed into its search box (with
// --prefix: the letter-button search), one entry a line: number, word and
// translation, separated by tabs. --form prints the look-up form of a word.
int CliDictionary(const CliArgs& args, CliIo& io)
{
    const QString path = args.has(QStringLiteral("file")) ? args.value(QStringLiteral("file"))
                                                          : DictionaryPath(CliInstallation(args));
    const Expected<DictionaryFile> file = WczytajDane(path);
    if (!file.ok())
        return CliFail(io, file.failure());
    for (const SkippedDictionaryLine& s : file->skipped)
        io.err << "orvanta-cli: " << file->readFrom << ": line " << s.line << " skipped ("
               << DescribeLineProblem(s.problem) << ")\n";

    DictionaryModel model;
    model.setEntries(file->entries);
    model.setWholeWords(args.flags.contains(QStringLiteral("whole-words")));
    model.setSearchField(args.flags.contains(QStringLiteral("translations")) ? SearchField::Translations
                                                                             : SearchField::Words);

    if (args.has(QStringLiteral("form"))) {
        if (!args.positional.isEmpty())
            return CliFail(io, QStringLiteral("--form takes the word as its value, not \"%1\"").arg(args.positional.join(u' ')));
        io.out << model.DictionaryForm(args.value(QStringLiteral("form"))) << "\n";
        return 0;
    }

    const QString text = args.positional.join(u' ');
    if (args.flags.contains(QStringLiteral("prefix"))) {
        if (text.isEmpty())
            return CliFail(io, QStringLiteral("--prefix needs the text the entries start with"));
        model.Search(text, true); // a letter button does this with its letter
        model.ShowResults();
    } else {
        model.SearchBox(text);
    }
    for (int row = 0; row < model.listCount(); ++row) {
        const TDane& e = model.listEntry(row);
        io.out << e.number << '\t' << e.word << '\t' << e.translation << '\n';
    }
    return 0;
}
