#include "ContactSheet.h"

#include "SmoothText.h"

#include <QPainter>
#include <QWidget>

void ContactSheet::section(const QString& title)
{
    m_entries.append({title, {}, {}});
}

void ContactSheet::add(const QImage& picture, const QString& label, double scale)
{
    QImage p = picture;
    if (scale != 1.0)
        p = picture.scaled(picture.size() * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_entries.append({{}, p, label});
}

void ContactSheet::add(QWidget& widget, const QString& label, double scale)
{
    QImage img(widget.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    widget.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    add(img, label, scale);
}

QImage ContactSheet::render() const
{
    const int margin = 12, gap = 14, labelH = 16, titleH = 30;
    const QFont labelFont = PixelFont(QStringLiteral("DejaVu Sans"), 11);
    const QFont titleFont = PixelFont(QStringLiteral("DejaVu Sans"), 16, true);

    // Lay out first to know the height.
    struct Placed {
        const Entry* e;
        QPoint at;
    };
    QVector<Placed> placed;
    int x = margin, y = margin, rowH = 0;
    for (const Entry& e : m_entries) {
        if (!e.section.isEmpty()) {
            y += rowH + (placed.isEmpty() ? 0 : gap);
            placed.append({&e, QPoint(margin, y)});
            y += titleH;
            x = margin;
            rowH = 0;
            continue;
        }
        const int w = std::max(e.picture.width(), TextWidth(labelFont, e.label));
        const int h = e.picture.height() + labelH;
        if (x > margin && x + w > m_width - margin) {
            x = margin;
            y += rowH + gap;
            rowH = 0;
        }
        placed.append({&e, QPoint(x, y)});
        x += w + gap;
        rowH = std::max(rowH, h);
    }
    const int height = y + rowH + margin;

    QImage sheet(m_width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(118, 132, 148));
    QPainter p(&sheet);
    for (const Placed& pl : placed) {
        if (!pl.e->section.isEmpty()) {
            p.setFont(titleFont);
            p.setPen(Qt::white);
            p.drawText(QRect(pl.at, QSize(m_width, titleH)), Qt::AlignLeft | Qt::AlignVCenter, pl.e->section);
            continue;
        }
        p.drawImage(pl.at, pl.e->picture);
        p.setFont(labelFont);
        p.setPen(QColor(235, 240, 245));
        p.drawText(QPoint(pl.at.x(), pl.at.y() + pl.e->picture.height() + 12), pl.e->label);
    }
    return sheet;
}
