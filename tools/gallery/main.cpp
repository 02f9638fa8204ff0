// orvanta-gallery: renders every skinned control in every state into one PNG
// contact sheet, for a person to look at.
//
//   orvanta-gallery --skin DIR --out sheet.png
//
// DIR is a folder of NAME.png skin pictures.

#include "FolderSkin.h"
#include "SkinLibrary.h"
#include "Gallery.h"
#include "SkinFonts.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdlib>
#include <memory>

// The skin pictures at `path`; nullptr (after a message) when it cannot be used.
static std::unique_ptr<ISkinImages> openSkin(const QString& path, QTextStream& err)
{
    const QFileInfo fi(path);
    if (fi.isDir())
        return std::make_unique<FolderSkin>(fi.absoluteFilePath());
    auto library = SkinLibrary::open(path);
    if (library.ok())
        return std::move(library).value();
    err << "orvanta-gallery: " << path << " is neither a folder of skin pictures nor a skin library\n";
    return nullptr;
}

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QTextStream err(stderr);
    QString skinPath, outPath;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--skin" && i + 1 < args.size())
            skinPath = args[++i];
        else if (args[i] == u"--out" && i + 1 < args.size())
            outPath = args[++i];
        else {
            err << "usage: orvanta-gallery --skin DIR|resource.dll --out sheet.png\n";
            return 2;
        }
    }
    if (skinPath.isEmpty() || outPath.isEmpty()) {
        err << "usage: orvanta-gallery --skin DIR|resource.dll --out sheet.png\n";
        return 2;
    }
    const std::unique_ptr<ISkinImages> skin = openSkin(skinPath, err);
    if (!skin)
        return 1;
    InstallSkinFonts();

    SkinRecord record;
    if (const auto measured = MeasureSkinRecord(*skin)) {
        record = *measured;
    } else {
        err << "orvanta-gallery: the skin lacks a dialog corner picture (DIAL01_B, DIAL03_B, DIAL07_B or DIAL09_B)\n";
        record.library = skin.get();
    }
    const QImage sheet = RenderGallery(record);
    if (!sheet.save(outPath, "PNG")) {
        err << "orvanta-gallery: cannot write " << outPath << "\n";
        return 1;
    }
    return 0;
}
