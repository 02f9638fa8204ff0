#include "UiTestSupport.h"

#include "SkinFonts.h"
#include "WidgetsEnvironment.h"

#include <gtest/gtest.h>

namespace {

[[maybe_unused]] testing::Environment* const g_env =
    testing::AddGlobalTestEnvironment(new testsupport::WidgetsEnvironment([] { InstallSkinFonts(); }));

} // namespace

void PrintTo(const QPoint& p, std::ostream* os)
{
    *os << "(" << p.x() << ", " << p.y() << ")";
}

void PrintTo(const QSize& s, std::ostream* os)
{
    *os << s.width() << "x" << s.height();
}

void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "(" << r.x() << ", " << r.y() << " " << r.width() << "x" << r.height() << ")";
}

namespace uitest {

std::vector<SkinDrawn> paintLog(QWidget& w)
{
    SkinPaintLog log;
    QImage target(w.size(), QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    w.render(&target, QPoint(), QRegion(), QWidget::DrawChildren);
    const QString self = w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className()) : w.objectName();
    return log.of(self);
}

QStringList placements(const std::vector<SkinDrawn>& items)
{
    QStringList out;
    for (const SkinDrawn& d : items) {
        const QRect& r = d.rect;
        if (d.kind == SkinDrawn::Picture)
            out << QStringLiteral("%1@%2,%3").arg(d.name).arg(r.x()).arg(r.y());
        else if (d.kind == SkinDrawn::Stretched || d.kind == SkinDrawn::OwnPicture)
            out << QStringLiteral("%1[%2,%3 %4x%5]").arg(d.name).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return out;
}

SkinDrawn item(const std::vector<SkinDrawn>& items, const QString& name)
{
    for (const SkinDrawn& d : items) {
        if (d.name == name)
            return d;
    }
    ADD_FAILURE() << "nothing named " << name.toStdString() << " was drawn";
    return {};
}

QImage picture(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(c);
    return img;
}

} // namespace uitest
