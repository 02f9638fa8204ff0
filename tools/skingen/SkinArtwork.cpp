#include "SkinArtwork.h"

#include "ArtFamilies.h"

QImage DrawSkinPicture(const QString& name)
{
    for (auto draw : {DrawButtonPicture, DrawChromePicture, DrawFramePicture, DrawPanelPicture, DrawFigurePicture}) {
        if (auto picture = draw(name))
            return *picture;
    }
    return {};
}
