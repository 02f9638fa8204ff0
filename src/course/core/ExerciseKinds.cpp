#include "ExerciseKinds.h"

#include <QHash>

const QList<ExerciseWindowEntry>& ExerciseWindowTable()
{
    static const QList<ExerciseWindowEntry> table = {
        {1, "TfrmTabelka", nullptr, true},
        {3, "TfrmTest2", nullptr, true},
        {4, "TfrmWpisywanie", "TfrmWpisywaniePelne", true},
        {5, "TfrmZdaniaDD", nullptr, false},
        {7, "TfrmAntonimy", nullptr, true},
        {8, "Tfrm3Obrazki", nullptr, false},
        {9, "TfrmUkladanka", nullptr, false},
        {10, "TfrmWpisywanieGr", nullptr, false},
        {11, "TfrmDialogi_Prez", nullptr, false},
        {14, "TfrmDialogi_Rozum", nullptr, false},
        {18, "TfrmDialogi_Dop", nullptr, false},
        {21, "TfrmZdania_Ukl", nullptr, false},
        {22, "TfrmZdania_Dyk", nullptr, false},
        {24, "TfrmZdania_Tlu", nullptr, false},
        {26, "TfrmDialogi_Ukl", nullptr, false},
        {31, "TfrmTFGr", nullptr, true},
        {32, "TfrmTabelkaGr", nullptr, false},
        {33, "TfrmMCTekst", nullptr, false},
        {50, "TfrmTabelkaCS", nullptr, true},
        {52, "TfrmOdkrywanka", nullptr, false},
    };
    return table;
}

static const ExerciseWindowEntry* findEntry(int kind)
{
    for (const ExerciseWindowEntry& e : ExerciseWindowTable())
        if (e.kind == kind)
            return &e;
    return nullptr;
}

QString ExerciseWindowFor(int kind, int programMode)
{
    const ExerciseWindowEntry* e = findEntry(kind);
    if (!e)
        return {};
    if (programMode == 2 && e->windowInMode2)
        return QLatin1String(e->windowInMode2);
    return QLatin1String(e->window);
}

bool ReceivesRecordingMarks(int kind)
{
    const ExerciseWindowEntry* e = findEntry(kind);
    return e && e->receivesRecordingMarks;
}

int MissingFileCode(const QString& windowClass)
{
    static const QHash<QString, int> codes = {
        {"TfrmTest2", 3},         {"TfrmTFGr", 6},          {"TfrmWpisywanie", 4},
        {"TfrmWpisywaniePelne", 4}, {"TfrmAntonimy", 2},    {"Tfrm3Obrazki", 1},
        {"TfrmTabelka", 1},       {"TfrmTabelkaCS", 1},     {"TfrmOdkrywanka", 1},
        {"TfrmUkladanka", 3},     {"TfrmDialogi_Prez", 3},  {"TfrmDialogi_Rozum", 3},
        {"TfrmDialogi_Dop", 3},   {"TfrmDialogi_Ukl", 3},   {"TfrmZdania_Ukl", 3},
        {"TfrmZdania_Dyk", 3},    {"TfrmZdania_Tlu", 3},    {"TfrmZdaniaDD", 5},
        {"TfrmMCTekst", 4},       {"TfrmWpisywanieGr", 10}, {"TfrmTabelkaGr", 32},
    };
    return codes.value(windowClass, 0);
}

bool IsUnscoredKind(int kind)
{
    return kind == 11 || kind == 41 || kind == 51 || kind == 61;
}

const QList<ContainerMode>& ContainerModes(int variant)
{
    static const QList<ContainerMode> dialogue = {
        {1, 11, 9}, {2, 12, 10}, {4, 14, 11}, {8, 18, 12}, {16, 26, 20}};
    static const QList<ContainerMode> sentence = {{1, 21, 13}, {2, 22, 14}, {4, 24, 15}};
    static const QList<ContainerMode> fourth = {{1, 41, 16}, {2, 42, 17}, {4, 44, 18}, {8, 48, 19}};
    static const QList<ContainerMode> none;
    switch (variant) {
    case 2: return dialogue;
    case 3: return sentence;
    case 4: return fourth;
    default: return none;
    }
}

int ContainerKind(int variant)
{
    return (variant >= 1 && variant <= 4) ? Kind::Container + variant : 0;
}
