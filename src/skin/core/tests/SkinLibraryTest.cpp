#include "FakeAudioOutput.h"
#include "Skin.h"
#include "SkinLibrary.h"
#include "SkinTestModule.h"

#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString MissingDll = QStringLiteral("Brak biblioteki DLL!. Aplikacja zostanie zakończona!");

QString writeModule(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.path() + "/resource.dll";
    testsupport::writeAll(path, bytes);
    return path;
}

// AppDir\resource.dll holding `bytes`, or no such file at all.
QString placeModule(const QTemporaryDir& dir, const std::optional<QByteArray>& bytes)
{
    const QString path = dir.path() + "/resource.dll";
    QFile::remove(path);
    return bytes ? writeModule(dir, *bytes) : path;
}

} // namespace

TEST(LoadSkin, MeasuresTheBlueCorners)
{
    QTemporaryDir dir;
    auto skin = LoadSkin(writeModule(dir, skintest::smallSkin().build()));
    ASSERT_TRUE(skin.ok()) << skin.failure().text.toStdString();
    const SkinRecord& r = skin->record;
    EXPECT_EQ(r.library, skin->library.get());
    EXPECT_EQ(std::make_pair(r.Dial01Width, r.Dial01Height), std::make_pair(10, 11));
    EXPECT_EQ(std::make_pair(r.Dial03Width, r.Dial03Height), std::make_pair(12, 13));
    EXPECT_EQ(std::make_pair(r.Dial07Width, r.Dial07Height), std::make_pair(14, 15));
    EXPECT_EQ(std::make_pair(r.Dial09Width, r.Dial09Height), std::make_pair(16, 17));
}

TEST(LoadSkin, FailsWithTheDllMessage)
{
    QTemporaryDir dir;
    // A corner stored as something other than a PNG picture cannot be fetched.
    PeModuleWriter notPng = skintest::smallSkin({"DIAL09_B"});
    (void)notPng.add(PeResourceId::of(PeType::RcData), PeResourceId::of("DIAL09_B"), "BM not a png");
    // A corner under the wrong resource type is not a picture either.
    PeModuleWriter wrongType = skintest::smallSkin({"DIAL03_B"});
    (void)wrongType.add(PeResourceId::of("PNG"), PeResourceId::of("DIAL03_B"), skintest::png(4, 4, Qt::red));

    struct Case {
        const char* what;
        std::optional<QByteArray> file; // nothing: no file at all
    } const cases[] = {
        {"no file", std::nullopt},
        {"an empty file", QByteArray()},
        {"not a module", QByteArray("MZ this is a text file, not a program")},
        {"DIAL07_B missing, everything else present", skintest::smallSkin({"DIAL07_B"}).build()},
        {"DIAL01_B missing", skintest::smallSkin({"DIAL01_B"}).build()},
        {"DIAL09_B not a PNG", notPng.build()},
        {"DIAL03_B of another type", wrongType.build()},
        {"cut in the middle", skintest::smallSkin().build().left(0x300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto skin = LoadSkin(placeModule(dir, c.file));
        ASSERT_FALSE(skin.ok());
        EXPECT_EQ(skin.failure().text, MissingDll);
        EXPECT_EQ(skin.failure().caption, QStringLiteral("Błąd"));
        EXPECT_EQ(skin.failure().icon, MessageIcon::Error);
    }
}

TEST(SkinLibrary, FetchesPicturesByNameAndReportsMissingOnes)
{
    QTemporaryDir dir;
    auto skin = LoadSkin(writeModule(dir, skintest::smallSkin().build()));
    ASSERT_TRUE(skin.ok());
    const SkinLibrary& lib = *skin->library;

    const QImage full = lib.image("WYKRES_100");
    const QImage five = lib.image("WYKRES_05");
    ASSERT_FALSE(full.isNull());
    ASSERT_FALSE(five.isNull());
    EXPECT_NE(full, five);
    EXPECT_EQ(full.pixelColor(3, 3), QColor(0, 154, 43));
    EXPECT_EQ(five.pixelColor(3, 3).alpha(), 128); // the alpha channel is kept
    EXPECT_EQ(lib.image("wykres_100"), full);        // names ignore case
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lib.image("WYKRES_100"), full) << "fetched again, from the cache";
        EXPECT_TRUE(lib.image("WYKRES_1").isNull()) << "no such picture, however often it is asked for";
    }
    EXPECT_TRUE(lib.image("WYKRES_01").isNull());
    EXPECT_TRUE(lib.image("WAV_OK").isNull()) << "a sound is not a picture";

    const auto ok = LoadSkinImage(&lib, "DIAL07_B");
    ASSERT_TRUE(ok.ok());
    EXPECT_EQ(ok->size(), QSize(14, 15));
    for (const ISkinImages* library : {static_cast<const ISkinImages*>(&lib), static_cast<const ISkinImages*>(nullptr)}) {
        const auto missing = LoadSkinImage(library, "WYKRES_1");
        ASSERT_FALSE(missing.ok());
        EXPECT_EQ(missing.failure().text, QStringLiteral("The png image could not be loaded from the resource ID."));
    }
}

TEST(SkinLibrary, PlaysSoundsThroughTheAudioOutput)
{
    QTemporaryDir dir;
    auto skin = LoadSkin(writeModule(dir, skintest::smallSkin({"WAV_WYNIK"}).build()));
    ASSERT_TRUE(skin.ok());
    FakeAudioOutput audio;

    EXPECT_TRUE(PlaySkinSound(skin->library.get(), audio, "WAV_START"));
    EXPECT_TRUE(audio.isPlaying());
    EXPECT_TRUE(PlaySkinSound(skin->library.get(), audio, "WAV_ZLE"));
    EXPECT_EQ(audio.interruptions(), 1) << "a new sound stops the one playing";
    ASSERT_EQ(audio.played().size(), 2);
    EXPECT_EQ(audio.played()[0].wav, skintest::wav(80, 100));
    EXPECT_EQ(audio.played()[1].wav, skintest::wav(80, 300));

    // A sound the library lacks plays nothing and leaves the current one.
    EXPECT_FALSE(PlaySkinSound(skin->library.get(), audio, "WAV_WYNIK"));
    EXPECT_FALSE(PlaySkinSound(nullptr, audio, "WAV_OK"));
    EXPECT_TRUE(audio.isPlaying());
    EXPECT_EQ(audio.played().size(), 2);
}

TEST(SkinLibrary, VersionDigits)
{
    QTemporaryDir dir;
    PeModuleWriter v6010 = skintest::smallSkin();
    v6010.setVersion({6, 0, 1, 0});
    PeModuleWriter noVersion;
    (void)noVersion.add(PeResourceId::of(PeType::RcData), PeResourceId::of("X"), "x");
    struct Case {
        const char* what;
        std::optional<QByteArray> file;
        const char* digits;
    } const cases[] = {
        {"6.0.0.1", skintest::smallSkin().build(), "6001"},
        {"6.0.1.0", v6010.build(), "6010"},
        {"no version resource", noVersion.build(), "0000"},
        {"not a module", QByteArray("hello"), "0000"},
        {"no file", std::nullopt, "0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ModuleVersionDigits(placeModule(dir, c.file)), QString::fromLatin1(c.digits));
    }
}

TEST(ApplySkin, WhatEachComponentClassReceives)
{
    struct Case {
        const char* className;
        SkinShare share;
    } const cases[] = {
        {"TLumResButton", SkinShare::LibraryUnlessUndefinedSize},
        {"TLumBelka", SkinShare::Library},
        {"TLumGroupFrame", SkinShare::Library},
        {"TLumZeszytStatystyki", SkinShare::Library},
        {"TLumProgress", SkinShare::Library},
        {"TLum3ObrazkiFrame", SkinShare::Library},
        {"TLumDymek", SkinShare::Library},
        {"TLumDialogWindow", SkinShare::Record},
        {"TLumMsgBoxWindow", SkinShare::Record},
        {"TLumCheckBox", SkinShare::Nothing},
        {"TLumResButtonEx", SkinShare::Nothing}, // a descendant does not match
        {"tlumbelka", SkinShare::Nothing},       // the match is exact
        {"QPushButton", SkinShare::Nothing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        EXPECT_EQ(SkinShareFor(QString::fromLatin1(c.className)), c.share);
    }
}
