#include "CourseUiFixture.h"
#include "FormPictures.h"
#include "TLumResButton.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

// Every picture the windows ask for is compiled in, at the size their
// layouts expect.
TEST(FormPictures, EveryPictureOfTheWindowsIsCompiledIn)
{
    struct Family {
        QStringList names;
        QSize size; // invalid: any size
    };
    QStringList glyphs;
    for (const char* n : {"IMG_Sprawdz", "IMG_JeszczeRaz", "IMG_Zle", "IMG_OK", "IMG_Video", "IMG_Glosnik", "IMG_Info",
                          "IMG_Help", "IMG_Wroc", "IMG_Slownik", "IMG_Drukuj", "IMG_Mikrofon1", "IMG_Mikrofon2",
                          "IMG_Analizator", "Pomoc_btnWroc"})
        glyphs << QString::fromLatin1(n);
    QStringList kinds, grammarKinds, containers;
    for (int k : {1, 3, 4, 7, 8, 11, 14, 18, 21, 22, 24, 31, 50, 52})
        kinds << QStringLiteral("Typ_%1").arg(k);
    for (int k : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 14, 18, 21, 22, 24, 26, 31, 32, 50})
        grammarKinds << QStringLiteral("Typ_g_%1").arg(k);
    for (const char* n : {"Typ_101_1", "Typ_101_2", "Typ_102", "Typ_103", "Typ_g_101_1", "Typ_g_101_2", "Typ_g_102",
                          "Typ_g_103"})
        containers << QString::fromLatin1(n);
    const Family families[] = {
        {glyphs, {}},
        {{"IMG_Close_N", "IMG_Close_H", "IMG_Close_D", "IMG_Min_N", "IMG_Min_H", "IMG_Min_D"}, {18, 18}},
        {{"Tabka_UP", "Tabka_Hover", "Wiersz_L1_UP", "Wiersz_L1_Hover", "Wiersz_L2_Up", "Wiersz_L2_Hover"}, {798, 24}},
        {{"IMG_Books"}, {32, 24}},
        {{"IMG_Plus", "IMG_Minus"}, {9, 9}},
        {{"img_poz1", "img_poz2", "img_poz3", "img_poz4"}, {12, 16}},
        {{"img_prtlo", "img_pr"}, {52, 6}},
        {kinds, {21, 21}},
        {grammarKinds, {21, 21}},
        {containers, {24, 24}},
        {{"Pomoc_Image2"}, {128, 128}},
        {{"IMG_Pole"}, {93, 21}},
    };
    for (const Family& f : families)
        for (const QString& name : f.names) {
            SCOPED_TRACE(name.toStdString());
            const QImage picture = FormPicture(name);
            ASSERT_FALSE(picture.isNull());
            if (f.size.isValid()) {
                EXPECT_EQ(picture.size(), f.size);
            }
            EXPECT_TRUE(picture.hasAlphaChannel());
        }
    EXPECT_TRUE(FormPicture("IMG_Nieznany").isNull());
    EXPECT_TRUE(FormPicture("../forms/IMG_Help").isNull());
}

TEST(FormPictures, SetButtonGlyphFillsTheStateItIsGiven)
{
    TLumResButton button;
    SetButtonGlyph(&button, "IMG_Close_N", 1);
    EXPECT_EQ(button.Glyph(), FormPicture("IMG_Close_N"));
    SetButtonGlyph(&button, "IMG_Close_H", 2);
    SetButtonGlyph(&button, "IMG_Close_D", 3);
    EXPECT_EQ(button.Glyph(), FormPicture("IMG_Close_N")); // the other states go to their own glyphs
    SetButtonGlyph(&button, "IMG_Help", 4);                // no such state
    SetButtonGlyph(&button, "IMG_Nieznany", 1);            // no such picture
    EXPECT_EQ(button.Glyph(), FormPicture("IMG_Close_N"));
}
