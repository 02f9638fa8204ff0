// Runs "orvanta-cli check" on the fixture installation "kurs", which lacks one
// file of each sort, and compares the whole report.
#include "PeModuleWriter.h"
#include "SkinPictureNames.h"
#include "TestSupport.h"
#include "WavPcm.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// orvanta-cli check on `appDir`; its standard output as lines.
testsupport::ProgramRun check(const QString& appDir)
{
    return testsupport::runProgram(QStringLiteral(ORVANTA_CLI), {"check", "--app-dir", appDir});
}

QStringList lines(const testsupport::ProgramRun& r)
{
    return r.out.split('\n', Qt::SkipEmptyParts);
}

// A skin library holding every picture and sound name except those in `omit`.
QByteArray skinLibrary(const QSet<QString>& omit)
{
    QImage img(4, 4, QImage::Format_ARGB32);
    img.fill(Qt::blue);
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    WavPcm pcm;
    pcm.sampleRate = 8000;
    pcm.channels = 1;
    pcm.samples = QByteArray(16, '\0');

    PeModuleWriter w;
    for (const QString& name : AllSkinPictureNames())
        if (!omit.contains(name))
            (void)w.add(PeResourceId::of(PeType::RcData), PeResourceId::of(name), png);
    for (const QString& name : SkinSoundNames())
        if (!omit.contains(name))
            (void)w.add(PeResourceId::of(QStringLiteral("WAVE")), PeResourceId::of(name), pcm.toWav());
    return w.build();
}

QString copyKurs(QTemporaryDir& tmp)
{
    return testsupport::copyFixture(QStringLiteral(FIXTURES_DIR "/kurs"), tmp);
}

} // namespace

TEST(CliCheck, ListsEachMissingFileOfTheFixtureOnce)
{
    QTemporaryDir tmp;
    const QString dir = copyKurs(tmp);
    testsupport::writeAll(dir + "/resource.dll", skinLibrary({"BB01_N", "WAV_OK"}));

    const testsupport::ProgramRun r = check(dir);
    const QStringList out = lines(r);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("25 problem(s) found")) << r.err.toStdString();
    const QStringList expected = {
        // Exercise bodies, in file name order; the folder and name are those
        // the kind's window opens (".wav" played as ".mp3", ".wmv" shown
        // through its ".mpg", extensions replaced, ...).
        R"(problem: Dane\pc_film.xml: video Media\Teksty\film.wmv is missing)",
        R"(problem: Dane\pc_flash.xml: Flash movie Media\Teksty\anim.swf is missing)",
        R"(problem: Dane\pc_gramatyka.xml: recording Media\Zdania\gr_2.wav is missing)",
        R"(problem: Dane\pc_luki.xml: picture Gfx\Wpis_gfx\brak.bmp is missing)",
        R"(problem: Dane\pc_obrazki.xml: picture Media\3Obrazki\ryba.png is missing)",
        R"(problem: Dane\pc_obrazki.xml: round 2 (bmp2) names no picture)",
        R"(problem: Dane\pc_odkrywanka.xml: picture Gfx\Odkrywanki_gfx\pc_odkrywanka.jpg is missing)",
        R"(problem: Dane\pc_odmiana.xml: handbook page Podrecznik\brak.html is missing)",
        R"(problem: Dane\pc_odmiana.xml: recording Media\Zdania\odm_3.wav is missing)",
        R"(problem: Dane\pc_prawda.xml: recording Media\Teksty\prawda.mp3 is missing)",
        // Needed by the presentation and the comprehension mode: listed once.
        R"(problem: Dane\pc_rozmowa.xml: recording Media\Dialogi\roz_2.mp3 is missing)",
        R"(problem: Dane\pc_test.xml: recording Media\Zdania\test_b.wav is missing)",
        R"(problem: Dane\pc_wybor.xml: picture Gfx\Obrazki\nie_ma.png is missing)",
        R"(problem: Dane\pc_zdania.xml: recording Media\Zdania\z_2.mp3 is missing)",
        // The installation as a whole.
        R"(problem: Gfx: background bg_tw_2.png is missing)",
        R"(problem: Gfx: background folder Background_zda holds no .bmp picture)",
        R"(problem: Pomoc - Selko: help page h_nowe.html is missing (reveal game))",
        R"(problem: Podrecznik\index.html: link rozdzial/brak.html leads to Podrecznik\rozdzial\brak.html, which is missing)",
        R"(problem: Podrecznik\rozdzial\strona.html: sound Media\Podrecznik\cisza.mp3 is missing)",
        R"(problem: Podrecznik\rozdzial\strona.html: link ../rozdzial/inna.html leads to Podrecznik\rozdzial\inna.html, which is missing)",
        R"(problem: Lekcje\lekcja_01.txt: word "there" of phrase 2 is not in slownik.dct)",
        R"(problem: Lekcje\lekcja_01.txt: model recording Lekcje\Wav\l01_03.wav is missing)",
        R"(problem: Lekcje\lekcja_01.txt: model recording Lekcje\Wav\zly.wav is not a wave file of 1 or 2 channels of 8 or 16 bits)",
        R"(problem: Lekcje\Lekcje.txt: lesson file Lekcje\lekcja_02.txt is missing)",
        R"(problem: Lekcje\Lekcje.txt: line 3 names no lesson file)",
        R"(warning: resource.dll: picture BB01_N is missing)",
        R"(warning: resource.dll: sound WAV_OK is missing)",
        R"(warning: Pomoc - Selko: help page h_exer.html has no anchor a9; it opens at its top)",
        R"(warning: Podrecznik\rozdzial\strona.html: link #dol: the page has no anchor dol)",
        R"(warning: installation: tmp0.dct has no entry for the lattice word _GV_GBGEMARKER_)",
        R"(warning: Config\Slownik.txt: 1 line(s) skipped, the first at line 3 (entry number is not a whole number))",
    };
    EXPECT_EQ(out, expected);
}

TEST(CliCheck, AnUnusableSkinLibraryMediaRootOrUsersFolderIsOneProblemEach)
{
    QTemporaryDir tmp;
    const QString dir = copyKurs(tmp);
    testsupport::writeAll(dir + "/resource.dll", "MZ but nothing else");
    testsupport::writeAll(dir + "/Config/cfg.ini", "[DEFAULT]\r\nCD=nowhere\r\n");
    QDir(dir + "/Users").removeRecursively();

    const testsupport::ProgramRun r = check(dir);
    const QStringList out = lines(r);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(out.contains(QString::fromUtf8(
        "problem: resource.dll: Brak biblioteki DLL!. Aplikacja zostanie zakończona!")));
    EXPECT_TRUE(out.filter("problem: media root ").size() == 1) << out.join('\n').toStdString();
    // Without a media root no media file is looked for; the rest still is.
    EXPECT_TRUE(out.filter(QStringLiteral(" Media\\")).isEmpty()) << out.join('\n').toStdString();
    EXPECT_TRUE(out.contains(R"(problem: Dane\pc_luki.xml: picture Gfx\Wpis_gfx\brak.bmp is missing)"));
    EXPECT_TRUE(out.filter("resource.dll: picture").isEmpty());
    EXPECT_TRUE(out.contains("problem: installation: folder Users is missing; the program does not create it and no "
                                 "profile can be made"));
}

TEST(CliCheck, TheRepairedFixtureIsOkWithItsWarnings)
{
    QTemporaryDir tmp;
    const QString dir = copyKurs(tmp);
    testsupport::writeAll(dir + "/resource.dll", skinLibrary({}));
    for (const char* file :
         {"cd/Media/Teksty/film.wmv", "cd/Media/Teksty/anim.swf", "cd/Media/Teksty/prawda.mp3",
          "cd/Media/Zdania/gr_2.wav", "cd/Media/Zdania/test_b.wav", "cd/Media/Zdania/odm_3.wav",
          "cd/Media/Zdania/z_2.mp3", "cd/Media/Dialogi/roz_2.mp3", "cd/Media/3Obrazki/ryba.png",
          "cd/Media/Podrecznik/cisza.mp3", "Gfx/Wpis_gfx/brak.bmp", "Gfx/Odkrywanki_gfx/pc_odkrywanka.jpg",
          "Gfx/Obrazki/nie_ma.png", "Gfx/bg_tw_2.png", "Gfx/Background_zda/a.bmp", "Podrecznik/brak.html",
          "Podrecznik/rozdzial/brak.html", "Podrecznik/rozdzial/inna.html", "Pomoc - Selko/h_nowe.html"})
        testsupport::writeAll(dir + '/' + file, "");
    const QByteArray exercise = testsupport::readAll(dir + "/Dane/pc_obrazki.xml");
    testsupport::writeAll(dir + "/Dane/pc_obrazki.xml", QByteArray(exercise).replace("bmp2=\"\"", "bmp2=\"kot.bmp\""));
    testsupport::writeAll(dir + "/slownik.dct", testsupport::readAll(dir + "/slownik.dct") + "there;THERE;DH EH R\r\n");
    const QByteArray wave = testsupport::readAll(dir + "/Lekcje/Wav/l01_01.wav");
    testsupport::writeAll(dir + "/Lekcje/Wav/l01_03.wav", wave);
    testsupport::writeAll(dir + "/Lekcje/Wav/zly.wav", wave);
    testsupport::writeAll(dir + "/Lekcje/Lekcje.txt", "Powitania=lekcja_01.txt\r\n");

    const testsupport::ProgramRun r = check(dir);
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    const QStringList out = lines(r);
    EXPECT_EQ(out.filter("problem: "), QStringList());
    EXPECT_EQ(out.filter("warning: ").size(), 4);
    EXPECT_EQ(out.last(), "ok");
}
