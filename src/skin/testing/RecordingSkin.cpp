#include "RecordingSkin.h"

#include "FolderSkin.h"

#include <QColor>
#include <QPainter>
#include <QRegularExpression>

#include <utility>
#include <vector>

QImage RecordingSkin::image(const QString& name) const
{
    m_fetched.append(name);
    if (m_missing.contains(name))
        return {};
    return makePicture(name, sizeOf(name));
}

QSize RecordingSkin::sizeOf(const QString& name) const
{
    return m_sizes.value(name, familySize(name));
}

SkinRecord RecordingSkin::record() const
{
    return MakeSkinRecord(this, sizeOf(QStringLiteral("DIAL01_B")), sizeOf(QStringLiteral("DIAL03_B")),
                          sizeOf(QStringLiteral("DIAL07_B")), sizeOf(QStringLiteral("DIAL09_B")));
}

QSize RecordingSkin::familySize(const QString& name)
{
    struct Family {
        const char* pattern;
        QSize size;
    };
    // First match wins; the faces assume the roz32 metrics (corner 4, middle 24).
    static const Family families[] = {
        {"^G0[1379]_._9_", {4, 4}},
        {"^G0[28]_._9_", {4, 4}},
        {"^G0[46]_._9_", {4, 24}},
        {"^G05_._9_", {4, 24}},
        {"^G0[123]_._3_", {4, 32}},
        {"^BB0[123]_", {4, 48}},
        {"^TAB_._0[123]$", {11, 23}},
        {"^TAB_SELKO_._\\d+$", {70, 50}},
        {"^TAB_SELKO_", {59, 42}},
        {"^PACZKA_NAVI_", {32, 32}},
        {"^BLUE_ARROW$", {24, 70}},
        {"^BELKA_BODY2$", {4, 50}},
        {"^BELKA_FALA$", {60, 50}},
        {"^BELKA_LUDZIK_", {32, 40}},
        {"^BELKA_BODY", {1024, 50}},
        {"^DIAL0[1379]_", {20, 20}},
        {"^DIAL0[28]_", {20, 20}},
        {"^DIAL0[46]_", {20, 20}},
        {"^DIAL05_", {20, 20}},
        {"^DIAL_BELKA_", {20, 59}},
        {"^DIAL_ICO_", {24, 24}},
        {"^MSG_ICON_", {64, 64}},
        {"^RAMKA1_", {10, 10}},
        {"^RAMKA6_", {7, 7}},
        {"^RAMKA2_", {9, 9}},
        {"^RAMKA3_", {40, 20}},
        {"^RAMKA4_", {40, 40}},
        {"^RAMKA5_.[HDZ][12]$", {12, 272}},
        {"^RAMKA5_.[HDZ][34]$", {248, 24}},
        {"^WYKRES_BG$", {259, 90}},
        {"^WYKRES_", {70, 86}},
        {"^ZESZYT_SEP$", {155, 8}},
        {"^ZESZYT_", {22, 22}},
        {"^DYMEK_01$", {332, 5}},
        {"^DYMEK_02$", {332, 8}},
        {"^DYMEK_03$", {332, 18}},
        {"^C[KM]\\d+$", {96, 128}},
        {"^COLOR\\d$", {24, 24}},
    };
    static const std::vector<std::pair<QRegularExpression, QSize>> compiled = [] {
        std::vector<std::pair<QRegularExpression, QSize>> v;
        for (const Family& f : families)
            v.emplace_back(QRegularExpression(QLatin1String(f.pattern)), f.size);
        return v;
    }();
    for (const auto& [re, size] : compiled) {
        if (re.match(name).hasMatch())
            return size;
    }
    return {16, 16};
}

QImage RecordingSkin::makePicture(const QString& name, QSize size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    const size_t h = qHash(name);
    const QColor fill = QColor::fromHsv(int(h % 360), 120 + int(h / 360 % 100), 150 + int(h / 36000 % 90));
    img.fill(fill);
    if (size.width() > 2 && size.height() > 2) {
        QPainter p(&img);
        p.setPen(fill.darker(160));
        p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    }
    img.setText(QStringLiteral("name"), name);
    return img;
}
