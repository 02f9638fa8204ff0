#include "GenerateSkin.h"
#include "PeModuleWriter.h"
#include "Skin.h"
#include "SkinPack.h"
#include "SkinPictureNames.h"
#include "SkinSounds.h"
#include "WavPcm.h"

#include "TestSupport.h"

#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// Drawing needs a QGuiApplication (the test main sets the offscreen platform).
void ensureApp()
{
    static int argc = 1;
    static char name[] = "skingen_tests";
    static char* argv[] = {name};
    static QGuiApplication* app = QCoreApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
}

// The sample skin, generated and packed once for the whole test program.
struct Generated {
    QTemporaryDir dir;
    QByteArray module;
};

const Generated& generated()
{
    static Generated* g = [] {
        ensureApp();
        auto* out = new Generated;
        const Status s = GenerateSkin(out->dir.path() + "/skin");
        EXPECT_TRUE(s.ok()) << (s.ok() ? "" : s.failure().text.toStdString());
        auto packed = PackSkinFolder(out->dir.path() + "/skin", {6, 0, 0, 1});
        EXPECT_TRUE(packed.ok()) << (packed.ok() ? "" : packed.failure().text.toStdString());
        if (packed.ok())
            out->module = *packed;
        return out;
    }();
    return *g;
}

LoadedSkin loadGenerated()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/resource.dll";
    testsupport::writeAll(path, generated().module);
    auto skin = LoadSkin(path);
    EXPECT_TRUE(skin.ok());
    return std::move(skin).value();
}

} // namespace

TEST(SampleSkin, HoldsEveryPictureAndSoundOfTheTable)
{
    const LoadedSkin skin = loadGenerated();
    const QStringList names = AllSkinPictureNames();
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size()) << "a name is listed twice";
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage picture = skin.library->image(name);
        ASSERT_FALSE(picture.isNull());
        // Drawn, not a blank or a flat rectangle (the smallest pieces, a few
        // pixels of an edge, may hold just two colours).
        const int wanted = picture.width() * picture.height() >= 100 ? 3 : 2;
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height() && colours.size() < wanted; ++y)
            for (int x = 0; x < picture.width(); ++x)
                colours.insert(picture.pixel(x, y));
        EXPECT_GE(colours.size(), wanted);
    }
    for (const QString& sound : SkinSoundNames()) {
        SCOPED_TRACE(sound.toStdString());
        const auto pcm = WavPcm::parse(skin.library->sound(sound));
        ASSERT_TRUE(pcm);
        EXPECT_GT(pcm->durationMs(), 300);
        EXPECT_LT(pcm->durationMs(), 2000);
    }
    EXPECT_EQ(skin.library->fileVersion(), (PeFileVersion{6, 0, 0, 1}));
    // The table's names and nothing that looks like them.
    for (const char* absent : {"WYKRES_1", "WYKRES_01", "WYKRES_105", "G01_N_9_11", "DIAL_ICO_6"})
        EXPECT_TRUE(skin.library->image(absent).isNull()) << absent;
    EXPECT_NE(skin.library->image("WYKRES_05"), skin.library->image("WYKRES_100"));
}

TEST(SampleSkin, PicturesHaveTheSizesTheControlsDrawThemAt)
{
    const LoadedSkin skin = loadGenerated();
    auto size = [&](const QString& n) { return skin.library->image(n).size(); };

    struct Case {
        const char* name;
        QSize size;
    } const fixed[] = {
        {"RAMKA1_01", {10, 10}}, {"RAMKA1_09", {10, 10}}, {"RAMKA6_01", {7, 7}},   {"RAMKA6_09", {7, 7}},
        {"RAMKA2_01", {9, 9}},   {"RAMKA3_01", {40, 20}}, {"RAMKA3_07", {40, 35}}, {"RAMKA4_05_S", {40, 40}},
        {"WYKRES_BG", {259, 90}}, {"CK11", {60, 59}},     {"CM26", {60, 59}},      {"COLOR1", {12, 12}},
        {"TAB_SELKO_N", {59, 42}}, {"TAB_SELKO_D_3", {70, 50}}, {"PACZKA_NAVI_NEXT_H", {32, 32}},
        {"BELKA_BODY_STYLE_0", {1024, 50}}, {"BELKA_BODY_NEW_STYLE_5", {1024, 50}}, {"BELKA_BODY2", {4, 50}},
        {"RAMKA5_2D3", {248, 24}}, {"RAMKA5_2D4", {248, 24}},
    };
    for (const Case& c : fixed) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(size(c.name), c.size);
    }

    // Heights and widths that must agree with the controls' geometry.
    const SkinRecord& r = skin.record;
    EXPECT_EQ(size("DIAL01_W"), QSize(r.Dial01Width, r.Dial01Height)) << "both styles share the blue corner sizes";
    EXPECT_EQ(size("DIAL09_W"), QSize(r.Dial09Width, r.Dial09Height));
    EXPECT_LT(r.Dial01Height, 10) << "the bar caption is centred as if the bar started at the top";
    for (const QString& s : SkinStateSuffixes()) {
        SCOPED_TRACE(s.toStdString());
        for (const SkinFaceSet& f : SkinFaceSets()) {
            const int c = f.corner(), m = f.middle();
            const QString i = QString::number(f.index);
            EXPECT_EQ(size("G01" + s + "_3_" + i), QSize(c, f.height));
            EXPECT_EQ(size("G03" + s + "_3_" + i), QSize(c, f.height));
            EXPECT_EQ(size("G02" + s + "_3_" + i).height(), f.height);
            EXPECT_EQ(size("G01" + s + "_9_" + i), QSize(c, c));
            EXPECT_EQ(size("G04" + s + "_9_" + i), QSize(c, m));
            EXPECT_EQ(size("G06" + s + "_9_" + i), QSize(c, m));
            EXPECT_EQ(size("G09" + s + "_9_" + i), QSize(c, c));
        }
        EXPECT_EQ(size("BB01" + s), QSize(4, 48));
        EXPECT_EQ(size("BB03" + s), QSize(4, 48));
        EXPECT_EQ(size("TAB" + s + "_01"), QSize(11, 23));
        EXPECT_EQ(size("TAB" + s + "_03"), QSize(11, 23));
    }
    for (const char* style : {"1", "2", "3"})
        for (const char* state : {"H", "D", "Z"}) {
            const QString base = QStringLiteral("RAMKA5_%1%2").arg(QLatin1String(style), QLatin1String(state));
            EXPECT_EQ(size(base + "3").height() + size(base + "1").height() + size(base + "4").height(), 296);
            EXPECT_EQ(size(base + "1").height(), size(base + "2").height());
        }
    for (int p = 0; p <= 100; p += 5) {
        // The chart sits at (113, 2) of the panel, left of the result text at 185.
        const QSize chart = size(p == 100 ? QStringLiteral("WYKRES_100") : QStringLiteral("WYKRES_%1").arg(p, 2, 10, QLatin1Char('0')));
        EXPECT_LE(113 + chart.width(), 185);
        EXPECT_LE(2 + chart.height(), 90);
    }
    EXPECT_EQ(size("DYMEK_01").width(), 332);
    EXPECT_EQ(size("DYMEK_03"), QSize(332, 18));
    EXPECT_LE(size("BELKA_LUDZIK_K_11").height(), 45) << "the figure is drawn at y 5 in a 50-pixel bar";
    EXPECT_LE(11 + size("MSG_ICON_ERROR").width(), 93) << "the icon stays left of the message text";
    EXPECT_EQ(size("BLUE_ARROW").height(), 70);
}

TEST(SampleSkin, WithoutOneBlueCornerTheProgramDoesNotStart)
{
    generated();
    QTemporaryDir dir;
    const QString folder = testsupport::copyFixture(generated().dir.path() + "/skin", dir);
    ASSERT_TRUE(QFile::remove(folder + "/DIAL07_B.png"));
    const auto module = PackSkinFolder(folder, {6, 0, 0, 1});
    ASSERT_TRUE(module.ok());
    testsupport::writeAll(dir.path() + "/resource.dll", *module);
    const auto skin = LoadSkin(dir.path() + "/resource.dll");
    ASSERT_FALSE(skin.ok());
    EXPECT_EQ(skin.failure().text, QStringLiteral("Brak biblioteki DLL!. Aplikacja zostanie zakończona!"));
}

TEST(SampleSkin, IsTheSameOnEveryRun)
{
    ensureApp();
    QTemporaryDir dir;
    ASSERT_TRUE(GenerateSkin(dir.path()).ok());
    const auto again = PackSkinFolder(dir.path(), {6, 0, 0, 1});
    ASSERT_TRUE(again.ok());
    EXPECT_TRUE(*again == generated().module);
}

TEST(SampleSkin, TheWrongAnswerSoundIsALowBuzz)
{
    // Zero crossings per second: a rough pitch.
    auto crossings = [](const QString& name) {
        const auto pcm = WavPcm::parse(SynthesiseSkinSound(name));
        const auto* s = reinterpret_cast<const qint16*>(pcm->samples.constData());
        int n = 0;
        for (qint64 i = 1; i < pcm->frameCount(); ++i)
            n += (s[i - 1] < 0) != (s[i] < 0);
        return double(n) * 1000 / pcm->durationMs();
    };
    const double buzz = crossings("WAV_ZLE");
    for (const char* other : {"WAV_START", "WAV_OK", "WAV_WYNIK"})
        EXPECT_LT(buzz * 2, crossings(other)) << other;
}

TEST(SkinPack, PacksPicturesAndSoundsUnderUpperCaseNames)
{
    QTemporaryDir dir;
    testsupport::writeAll(dir.path() + "/dial01_b.png", "\x89PNG\r\n\x1A\nrest");
    testsupport::writeAll(dir.path() + "/Wav_Ok.wav", SynthesiseSkinSound("WAV_OK"));
    testsupport::writeAll(dir.path() + "/notes.txt", "ignored");
    const auto module = PackSkinFolder(dir.path(), {6, 1, 2, 3});
    ASSERT_TRUE(module.ok()) << module.failure().text.toStdString();
    const auto m = PeModule::parse(*module);
    ASSERT_TRUE(m.ok());
    EXPECT_TRUE(m->find(PeResourceId::of(10), PeResourceId::of("DIAL01_B")));
    EXPECT_TRUE(m->find(PeResourceId::of("WAVE"), PeResourceId::of("WAV_OK")));
    EXPECT_EQ(m->resources().size(), 3u); // and the version
    EXPECT_EQ(m->fileVersion(), (PeFileVersion{6, 1, 2, 3}));
}

TEST(SkinPack, RefusesFilesThatWouldMakeABrokenLibrary)
{
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, QByteArray>> files;
        const char* message; // a part of the failure text
    } const cases[] = {
        {"a .png that is not a PNG", {{"A.png", "GIF89a"}}, "is not a PNG picture"},
        {"a .wav that is not a WAVE file", {{"WAV_OK.wav", "RIFF"}}, "is not a WAVE file"},
        {"a space in the name", {{"DIAL 01.png", "\x89PNG\r\n\x1A\n"}}, "letters, digits and _"},
        {"a Polish letter in the name", {{"ŻÓŁW.png", "\x89PNG\r\n\x1A\n"}}, "letters, digits and _"},
        {"names differing in case only", {{"a.png", "\x89PNG\r\n\x1A\n"}, {"A.PNG", "\x89PNG\r\n\x1A\n"}}, "already gives the name A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        for (const auto& [name, bytes] : c.files)
            testsupport::writeAll(dir.path() + "/" + QString::fromUtf8(name), bytes);
        const auto module = PackSkinFolder(dir.path(), {6, 0, 0, 1});
        ASSERT_FALSE(module.ok());
        EXPECT_TRUE(module.failure().text.contains(QString::fromLatin1(c.message))) << module.failure().text.toStdString();
    }
    EXPECT_FALSE(PackSkinFolder("/no/such/folder", {6, 0, 0, 1}).ok());
}
