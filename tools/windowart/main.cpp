// orvanta-windowart: draws the pictures kept with the program's windows.
//   orvanta-windowart OUTDIR NAME...   writes OUTDIR/NAME.png for each name
//   orvanta-windowart --list           prints every name it can draw
#include "WindowArt.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout), err(stderr);
    if (args.value(0) == QStringLiteral("--list")) {
        for (const QString& n : ShellWindowPictureNames())
            out << n << '\n';
        return 0;
    }
    if (args.isEmpty()) {
        err << "usage: orvanta-windowart OUTDIR NAME... | --list" << Qt::endl;
        return 1;
    }
    const QString dir = args.takeFirst();
    const Status s = WriteWindowPictures(dir, args.isEmpty() ? ShellWindowPictureNames() : args);
    if (!s.ok()) {
        err << "orvanta-windowart: " << s.failure().text << Qt::endl;
        return 1;
    }
    return 0;
}
