#pragma once

#include "MediaButtons.h"

#include <QImage>

class TLumResButton;
struct Installation;

// The navigation window's two media pictures (its IMG_Glosnik and IMG_Video).
struct MediaButtonPictures {
    QImage sound;
    QImage video;
};

// Gives an exercise's media button what ResolveTextMedia / ResolveSentenceMedia
// chose: visibility, glyph, caption (an interface text) and tag.
void ApplyMediaButton(TLumResButton& button, const MediaButtonSetup& setup, const MediaButtonPictures& pictures,
                      const Installation& inst);

// Both steps at once, for a file of Media\Teksty or Media\Zdania.
void ResolveTextMedia(TLumResButton& button, const QString& name, const MediaButtonPictures& pictures,
                      const Installation& inst);
void ResolveSentenceMedia(TLumResButton& button, const QString& name, const MediaButtonPictures& pictures,
                          const Installation& inst);
