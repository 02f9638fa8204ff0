// orvanta-skingen: draws the sample skin (every picture and sound of the skin
// library) into a folder for orvanta-skinpack; optionally renders contact
// sheets of the result.
#include "ContactSheet.h"
#include "GenerateSkin.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Drawing needs no screen.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Draws the sample skin's pictures (PNG) and sounds (WAV) into OUTDIR."));
    p.addHelpOption();
    p.addOption({QStringLiteral("sheet"), QStringLiteral("Also write contact sheets PREFIX-*.png."), QStringLiteral("PREFIX")});
    p.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("Folder to write into."));
    p.process(app);
    if (p.positionalArguments().size() != 1) {
        err << "usage: orvanta-skingen [--sheet PREFIX] OUTDIR" << Qt::endl;
        return 1;
    }
    const QString out = p.positionalArguments().first();
    Status s = GenerateSkin(out);
    if (s.ok() && p.isSet(QStringLiteral("sheet")))
        s = WriteContactSheets(out, p.value(QStringLiteral("sheet")));
    if (!s.ok()) {
        err << "orvanta-skingen: " << s.failure().text << Qt::endl;
        return 1;
    }
    return 0;
}
