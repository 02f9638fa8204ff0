// orvanta-formart: draws the pictures the course windows keep with their
// layouts into a folder, with the resource collection that compiles them into
// the program.
#include "FormArt.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Drawing needs no screen.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: orvanta-formart OUTDIR QRCFILE" << Qt::endl;
        return 1;
    }
    if (const Status s = GenerateFormPictures(args.at(1), args.at(2)); !s.ok()) {
        QTextStream(stderr) << "orvanta-formart: " << s.failure().text << Qt::endl;
        return 1;
    }
    return 0;
}
