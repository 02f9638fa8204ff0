#include "MediaButtonUi.h"

#include "Installation.h"
#include "TLumResButton.h"

void ApplyMediaButton(TLumResButton& button, const MediaButtonSetup& setup, const MediaButtonPictures& pictures,
                      const Installation& inst)
{
    button.setVisible(setup.visible);
    if (!setup.visible)
        return;
    button.setTag(setup.tag);
    if (setup.picture != MediaPicture::Unchanged)
        button.setGlyph(setup.picture == MediaPicture::Sound ? pictures.sound : pictures.video);
    if (setup.captionText != 0)
        button.setCaption(inst.UiText(setup.captionText));
}

void ResolveTextMedia(TLumResButton& button, const QString& name, const MediaButtonPictures& pictures,
                      const Installation& inst)
{
    ApplyMediaButton(button, ResolveTextMedia(inst, name, button.Tag()), pictures, inst);
}

void ResolveSentenceMedia(TLumResButton& button, const QString& name, const MediaButtonPictures& pictures,
                          const Installation& inst)
{
    ApplyMediaButton(button, ResolveSentenceMedia(inst, name, button.Tag()), pictures, inst);
}
