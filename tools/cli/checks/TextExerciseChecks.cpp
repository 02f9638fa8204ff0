// Files of the text exercises: the multiple-choice test, gap typing (both of
// its windows), true/false, grammar gap typing and multiple choice in text.
#include "BodyCheckers.h"
#include "BodyFiles.h"

#include "ExerciseMessages.h"
#include "GapText.h"
#include "Test2Exercise.h"
#include "WpisywanieBody.h"
#include "XmlFile.h"

#include <exception>

QStringList GapTextPictureNames(const QString& tresc, bool centredBlocks)
{
    QStringList names;
    bool inBlock = false;
    for (const TWyrazTekstu& item : ParseGapText(tresc).items) {
        if (item.Marker == mkImgLeft || item.Marker == mkImgRight)
            inBlock = true;
        else if (item.Marker == mkImgEnd)
            inBlock = false;
        else if (centredBlocks && item.IsGap && item.Text.toUpper() == u"<IMG>")
            inBlock = true;
        else if (inBlock && !item.IsGap && item.Marker == mkNone)
            names.append(item.Text);
    }
    return names;
}

QStringList ChoiceTextPicturePaths(const QString& tresc)
{
    // Tokens as the window splits the text: blanks end words, a bracketed part
    // is one token and also ends the word before it.
    QStringList tokens;
    QString word;
    const auto endWord = [&] {
        if (!word.trimmed().isEmpty())
            tokens.append(word);
        word.clear();
    };
    for (qsizetype i = 0; i < tresc.size(); ++i) {
        const QChar c = tresc.at(i);
        if (c.isSpace()) {
            endWord();
        } else if (c == u'<') {
            endWord();
            const qsizetype close = tresc.indexOf(u'>', i);
            const qsizetype end = close < 0 ? tresc.size() : close + 1;
            tokens.append(tresc.mid(i, end - i));
            i = end - 1;
        } else {
            word.append(c);
        }
    }
    endWord();

    QStringList paths;
    bool pictureNext = false;
    for (const QString& t : tokens) {
        if (t.startsWith(u'<') && t.endsWith(u'>')) {
            if (t.toUpper() == u"<IMG>")
                pictureNext = true;
        } else if (pictureNext) {
            paths.append(t);
            pictureNext = false;
        }
    }
    return paths;
}

// Multiple-choice test: the body as the window loads it (a body it cannot
// load is one problem), each question's sentence recording, played after the
// answer from Media\Zdania under the name the file gives, and the questions
// the learner could never get past: a test without questions, and a question
// none of whose rows is correct (the window asks it once and counts it wrong).
void CheckTestFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    Test2Content test;
    try {
        test = ReadTest2(ctx.document, 1, 0);
    } catch (const std::exception& e) {
        f.problem(QStringLiteral("the multiple-choice test window cannot load it (%1)").arg(QString::fromUtf8(e.what())));
        return;
    }
    f.handbookPage(test.html);
    for (const TGrupa& g : test.grupy)
        f.media(QStringLiteral("Zdania"), g.media, QStringLiteral("recording"));
    if (test.grupy.isEmpty())
        f.problem(QStringLiteral("the test has no questions"));
    for (const TGrupa& g : test.grupy) {
        if (g.rows.isEmpty())
            f.problem(QStringLiteral("question %1 has no answers").arg(g.number));
        else if (g.firstCorrectRow() < 0)
            f.problem(QStringLiteral("question %1 has no correct answer among its rows (poprawne \"%2\")")
                          .arg(g.number)
                          .arg(g.poprawne));
    }
}

// Gap typing: the body as the window reads it (a body it cannot read is the
// load message naming the file), the text recording (".wav" played as
// ".mp3") and the pictures of the picture blocks in Gfx\Wpis_gfx. The
// full-text window of the grammar course also opens centred picture blocks
// and has the handbook button.
void CheckGapTextFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    const Status load = GuardedExerciseLoad(ctx.fileName, [&] { ReadGapTextContent(ctx.document, 1, 0); });
    if (!load.ok())
        f.problem(load.failure().text);
    const bool fullText = ctx.inst.programMode == 2;
    if (fullText)
        f.handbookPage(ChildText(f.body(), "html"));
    f.textMedia(WavAsMp3(ChildText(f.config(), "multimedia")));
    for (const QString& name : GapTextPictureNames(ChildText(f.body(), "tresc"), fullText))
        f.appFile(QStringLiteral("Gfx\\Wpis_gfx\\") + name, QStringLiteral("picture"));
}

// True/false: the media button is shown when Media\Zdania holds the recording
// and plays the one of Media\Teksty, so both are needed.
void CheckTrueFalseFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    f.handbookPage(ChildText(f.body(), "html"));
    f.recordingInZdaniaAndTeksty(WavAsMp3(ChildText(f.config(), "multimedia")));
}

// Grammar gap typing: each sentence's recording in Media\Zdania.
void CheckGrammarGapFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    f.handbookPage(ChildText(f.body(), "html"));
    f.sentenceRecordings();
}

// Multiple choice in text: only the pictures of its text; the recording the
// envelope names is never played.
void CheckChoiceInTextFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    for (const QString& path : ChoiceTextPicturePaths(ChildText(f.body(), "tresc")))
        f.appFile(path, QStringLiteral("picture"));
}
