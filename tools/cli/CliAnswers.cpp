#include "Cli.h"

#include "ExerciseMessages.h"
#include "GapTextRun.h"
#include "WinPath.h"
#include "WpisywanieBody.h"

namespace {

// A 0|1 option; `dflt` when absent, nullopt after reporting a bad value.
std::optional<bool> switchOption(const CliArgs& args, const QString& name, bool dflt, CliIo& io)
{
    if (!args.has(name))
        return dflt;
    const QString v = args.value(name);
    if (v != u"0" && v != u"1") {
        CliFail(io, QStringLiteral("--%1 must be 0 or 1, not \"%2\"").arg(name, v));
        return std::nullopt;
    }
    return v == u"1";
}

} // namespace

// orvanta-cli answers [--app-dir DIR] --file NAME --inputs "A|B|C"
//                     [--letter-case 0|1] [--punctuation 0|1]
//
// Checks typed answers against a gap text (kind 4; NAME relative to
// AppDir\Dane) as the gap-typing window's check does: for each gap in text
// order its answer, the input given for it (normalised as the edit box hands
// it over) and "right" or "wrong", tab-separated; then the score line. Missing
// inputs are empty. The settings default to a new profile's: letter case
// distinguished, punctuation ignored.
int CliAnswers(const CliArgs& args, CliIo& io)
{
    if (!args.positional.isEmpty())
        return CliFail(io, QStringLiteral("unexpected argument \"%1\"").arg(args.positional.first()));
    if (!args.has(QStringLiteral("file")) || args.value(QStringLiteral("file")).isEmpty())
        return CliFail(io, QStringLiteral("--file NAME is needed (an exercise file relative to Dane)"));
    const std::optional<bool> letterCase = switchOption(args, QStringLiteral("letter-case"), AnswerRules{}.letterCase, io);
    if (!letterCase)
        return 1;
    const std::optional<bool> punctuation =
        switchOption(args, QStringLiteral("punctuation"), AnswerRules{}.punctuationRules, io);
    if (!punctuation)
        return 1;

    const Installation inst = CliInstallation(args);
    const QString path = ResolveWinPath(inst.appDir + QStringLiteral("\\Dane\\") + args.value(QStringLiteral("file")));

    // The kind first, so a file of another kind is named as such.
    const Expected<ExerciseDocument> doc = OpenExerciseFile(path, QStringLiteral("TfrmWpisywanie"));
    if (!doc.ok())
        return CliFail(io, doc.failure());
    int kind = 0;
    if (const Status s = GuardedExerciseLoad(path, [&] { kind = doc->cwiczenie().config().typ_cw(); }); !s.ok())
        return CliFail(io, s.failure());
    if (kind != 4)
        return CliFail(io, QStringLiteral("%1 is an exercise of kind %2, not a gap text (kind 4)")
                               .arg(args.value(QStringLiteral("file")))
                               .arg(kind));

    const Expected<GapTextContent> content = LoadGapTextFile(path, QStringLiteral("TfrmWpisywanie"), 1, 255);
    if (!content.ok())
        return CliFail(io, content.failure());

    GapTextRun run;
    run.Reset(content->text);
    const QString inputs = args.value(QStringLiteral("inputs"));
    const QStringList typed = inputs.isEmpty() ? QStringList() : inputs.split(u'|');
    for (int g = 0; g < run.gapCount() && g < typed.size(); ++g) {
        run.OpenGap(g);
        run.CommitOnly(typed.at(g));
    }
    if (typed.size() > run.gapCount())
        io.err << "orvanta-cli: " << typed.size() << " inputs for " << run.gapCount()
               << " gaps; the extra ones are ignored\n";

    const GapTextRun::Score score = run.Check(AnswerRules{*letterCase, *punctuation});
    for (int g = 0; g < run.gapCount(); ++g)
        io.out << run.gap(g).Answer << '\t' << run.gap(g).Input << '\t' << (run.gapRight(g) ? "right" : "wrong") << '\n';
    if (score.percent)
        io.out << "score\t" << *score.percent << "\t" << score.right << " right, " << score.wrong << " wrong\n";
    else
        io.out << "score\tnone\t" << NoGapsNotice() << '\n';
    return 0;
}
