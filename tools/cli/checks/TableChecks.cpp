// Files of the tables: word table, grammar table and sorting table.
#include "BodyCheckers.h"
#include "BodyFiles.h"

// Word table: the text recording, ".wav" played as ".mp3".
void CheckWordTableFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    f.textMedia(WavAsMp3(ChildText(f.config(), "multimedia")));
}

// Grammar table: each row's recording, named by the row's cell of `media`,
// played from Media\Zdania; an empty cell means the row has none.
void CheckGrammarTableFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    f.handbookPage(ChildText(f.body(), "html"));
    for (pugi::xml_node cell : f.body().child("media").children("cell"))
        f.media(QStringLiteral("Zdania"), QString::fromUtf8(cell.child_value()), QStringLiteral("recording"));
}

// Sorting table: the text recording, ".wav" played as ".mp3".
void CheckSortingTableFiles(const BodyCheckContext& ctx, QStringList& problems)
{
    BodyFiles f(ctx, problems);
    f.textMedia(WavAsMp3(ChildText(f.config(), "multimedia")));
}
