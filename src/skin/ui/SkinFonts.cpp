#include "SkinFonts.h"

#include "SmoothText.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

QStringList InstallSkinFonts(const QString& tahomaFolder)
{
    QStringList registered;
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(tahomaFolder + u'/' + QLatin1String(file));
        if (id >= 0)
            registered += QFontDatabase::applicationFontFamilies(id);
    }
    registered.removeDuplicates();

    struct Substitute {
        const char* family;
        QStringList with;
    };
    const Substitute substitutes[] = {
        {"Tahoma", {"DejaVu Sans Condensed", "DejaVu Sans"}},
        {"Trebuchet MS", {"Liberation Sans", "DejaVu Sans"}},
        {"Verdana", {"DejaVu Sans", "Liberation Sans"}},
        {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
        {"Georgia", {"DejaVu Serif", "Liberation Serif"}},
        {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
        {"Arial", {"Liberation Sans", "DejaVu Sans"}},
        {"MS Sans Serif", {"Tahoma", "DejaVu Sans Condensed"}},
    };
    for (const Substitute& s : substitutes)
        QFont::insertSubstitutions(QLatin1String(s.family), s.with);

    QApplication::setFont(SkinFont(DefaultSkinFamily(), 8));
    return registered;
}

QString DefaultSkinFamily()
{
    return QStringLiteral("Tahoma");
}
