#pragma once

#include "ISkinImages.h"

#include <QSize>
#include <QString>

#include <optional>

// Skin pictures read from a folder of NAME.png files (the form the sample skin
// generator writes, handy for development and tests). Every call reads and
// decodes the file anew, as the library reader does with its resources.
class FolderSkin final : public ISkinImages {
public:
    explicit FolderSkin(QString folder);

    // NAME.png in the folder (upper-case name; a lower-case file name is also
    // accepted); a null image when there is no such file or it is not a PNG.
    QImage image(const QString& name) const override;

    const QString& folder() const { return m_folder; }

private:
    QString m_folder;
};

// A record over `library` with the four corner sizes.
SkinRecord MakeSkinRecord(const ISkinImages* library, QSize dial01, QSize dial03, QSize dial07, QSize dial09);

// The skin record of a picture source: the corner sizes measured on DIAL01_B,
// DIAL03_B, DIAL07_B and DIAL09_B. Nothing when one of the four is missing, the
// case in which the program refuses to start.
std::optional<SkinRecord> MeasureSkinRecord(const ISkinImages& skin);
