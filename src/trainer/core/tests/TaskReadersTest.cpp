#include "HtkDictionary.h"
#include "RecognitionTask.h"
#include "SlfLattice.h"

#include "TestSupport.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

// The links of a graph as "from-word>to-word" (node numbers where words repeat
// make no difference to these small cases).
QSet<QString> linkSet(const WordGraph& g)
{
    QSet<QString> out;
    for (const auto& l : g.links)
        out.insert(QStringLiteral("%1:%2>%3:%4").arg(l.from).arg(g.words[size_t(l.from)]).arg(l.to).arg(g.words[size_t(l.to)]));
    return out;
}

} // namespace

TEST(SlfLattice, TaskLatticeExpandsTheGarbageWhereItIsReferenced)
{
    const auto g = ParseSlfLattice(QString::fromLatin1(TaskLatticeBytes({"I", "AM"})));
    ASSERT_TRUE(g.ok()) << g.failure().text.toStdString();
    // Main nodes 0-3, the six garbage nodes in place of node 4, then the words.
    ASSERT_EQ(g->words.size(), 4u + 6u + 2u);
    EXPECT_EQ(g->words[0], "!NULL");
    EXPECT_EQ(g->words[2], "<s>");
    EXPECT_EQ(g->words[4 + 5], "P__GV_GBGE_");
    EXPECT_EQ(g->words[4 + 3], "_GV_GBGEMARKER_");
    EXPECT_EQ(g->words[10], "I");
    EXPECT_EQ(g->words[11], "AM");
    EXPECT_EQ(g->start, 0);
    EXPECT_EQ(g->end, 1);
    ASSERT_EQ(g->links.size(), 6u + 7u);
    const QSet<QString> links = linkSet(*g);
    // Into the garbage: "<s>" enters its start node; out of it: its end node to "</s>".
    EXPECT_TRUE(links.contains("2:<s>>4:!NULL"));
    EXPECT_TRUE(links.contains("8:!NULL>3:</s>"));
    // The garbage loop and its weight.
    EXPECT_TRUE(links.contains("9:P__GV_GBGE_>6:!NULL"));
    EXPECT_TRUE(links.contains("6:!NULL>5:!NULL"));
    for (const auto& l : g->links) {
        if ((l.from == 6 && l.to == 5) || (l.from == 2 && l.to == 4))
            EXPECT_DOUBLE_EQ(l.logLikelihood, -16.0);
        else
            EXPECT_DOUBLE_EQ(l.logLikelihood, 0.0);
    }
    EXPECT_TRUE(links.contains("10:I>11:AM"));
    EXPECT_TRUE(links.contains("11:AM>3:</s>"));
}

TEST(SlfLattice, ReadsHeadersBasesAndWordsWithBlanks)
{
    const auto g = ParseSlfLattice(QStringLiteral("VERSION=1.0\n# a comment\nbase=10 lmscale=2\n"
                                                  "N=3 L=2\nI=0 W=!NULL\nI=1 W=good morning x=1\nI=2\n"
                                                  "J=0 S=0 E=1 l=-2 a=-100\nJ=1 S=1 E=2\n"));
    ASSERT_TRUE(g.ok()) << g.failure().text.toStdString();
    EXPECT_EQ(g->words[1], "good morning");
    EXPECT_EQ(g->words[2], "!NULL"); // a node without a word
    EXPECT_NEAR(g->links[0].logLikelihood, -2.0 * std::log(10.0), 1e-9);
    EXPECT_EQ(g->end, 2);
}

TEST(SlfLattice, RefusesMalformedLattices)
{
    struct Case {
        const char* name;
        const char* text;
    } const cases[] = {
        {"empty", ""},
        {"only a sub-lattice", "SUBLAT=x\nN=1 L=0\nI=0 W=a\n.\n"},
        {"link to a missing node", "N=2 L=1\nI=0 W=a\nI=1 W=b\nJ=0 S=0 E=2\n"},
        {"node missing", "N=3 L=1\nI=0 W=a\nI=1 W=b\nJ=0 S=0 E=1\n"},
        {"link missing", "N=2 L=2\nI=0 W=a\nI=1 W=b\nJ=0 S=0 E=1\n"},
        {"node twice", "N=2 L=1\nI=0 W=a\nI=0 W=a\nI=1 W=b\nJ=0 S=0 E=1\n"},
        {"node before counts", "I=0 W=a\nN=1 L=0\n"},
        {"unknown sub-lattice", "N=2 L=1\nI=0 L=nowhere\nI=1 W=b\nJ=0 S=0 E=1\n"},
        {"sub-lattice used before it is defined", "N=2 L=1\nI=0 L=g\nI=1 W=b\nJ=0 S=0 E=1\n.\nSUBLAT=g\nN=1 L=0\nI=0 W=x\n.\n"},
        {"two start nodes", "N=3 L=2\nI=0 W=a\nI=1 W=b\nI=2 W=c\nJ=0 S=0 E=2\nJ=1 S=1 E=2\n"},
        {"no end node (a cycle)", "N=2 L=2\nI=0 W=a\nI=1 W=b\nJ=0 S=0 E=1\nJ=1 S=1 E=0\n"},
        {"bad weight", "N=2 L=1\nI=0 W=a\nI=1 W=b\nJ=0 S=0 E=1 l=abc\n"},
        {"negative index", "N=2 L=1\nI=-1 W=a\n"},
        {"huge count", "N=99999999 L=0\n"},
        {"text after the lattice", "N=1 L=0\nI=0 W=a\n.\nN=1 L=0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto g = ParseSlfLattice(QString::fromLatin1(c.text));
        ASSERT_FALSE(g.ok());
        EXPECT_FALSE(g.failure().text.isEmpty());
    }
}

TEST(SlfLattice, RefusesExpansionsThatGrowWithoutBound)
{
    // Each level references the previous one ten times: 10^6 nodes at the top.
    QString text = QStringLiteral("SUBLAT=l0\nN=1 L=0\nI=0 W=x\n.\n");
    for (int level = 1; level <= 6; ++level) {
        text += QStringLiteral("SUBLAT=l%1\nN=10 L=9\n").arg(level);
        for (int i = 0; i < 10; ++i)
            text += QStringLiteral("I=%1 L=l%2\n").arg(i).arg(level - 1);
        for (int j = 0; j < 9; ++j)
            text += QStringLiteral("J=%1 S=%1 E=%2\n").arg(j).arg(j + 1);
        text += QStringLiteral(".\n");
    }
    text += QStringLiteral("N=1 L=0\nI=0 L=l6\n");
    const auto g = ParseSlfLattice(text);
    ASSERT_FALSE(g.ok());
}

TEST(HtkDictionary, ReadsWordsOutputsAndPhones)
{
    const auto d = ParseHtkDictionary(QStringLiteral("<s> []\r\n"
                                                     "P__GV_GBGE_ [P__GV_GBGE_] AA\r\n"
                                                     "\r\n"
                                                     "HELLO [HELLO] 0.5 HH AH L OW\r\n"
                                                     "good morning [good morning] G UH D M AO R N IH NG\r\n"
                                                     "XYZ [XYZ] \r\n"
                                                     "plain  b   iy\n"));
    ASSERT_TRUE(d.ok()) << d.failure().text.toStdString();
    ASSERT_EQ(d->size(), 6u);
    EXPECT_EQ((*d)[0].word, "<s>");
    EXPECT_EQ((*d)[0].output, QString(""));
    EXPECT_TRUE((*d)[0].phones.isEmpty());
    EXPECT_EQ((*d)[2].phones, QStringList({"HH", "AH", "L", "OW"})); // the probability is skipped
    EXPECT_EQ((*d)[3].word, "good morning");
    EXPECT_EQ((*d)[3].reported(), "good morning");
    EXPECT_TRUE((*d)[4].phones.isEmpty());
    EXPECT_EQ((*d)[5].word, "plain");
    EXPECT_FALSE((*d)[5].output.has_value());
    EXPECT_EQ((*d)[5].reported(), "plain");
    EXPECT_EQ((*d)[5].phones, QStringList({"b", "iy"}));

    EXPECT_FALSE(ParseHtkDictionary(QStringLiteral("A [A AH\n")).ok());
    EXPECT_FALSE(ParseHtkDictionary(QStringLiteral("ok [ok] AA\n [x] AA\n")).ok());
}
