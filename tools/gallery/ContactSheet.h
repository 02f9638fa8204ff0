#pragma once

#include <QImage>
#include <QString>
#include <QVector>

class QWidget;

// Pictures of controls with a label under each, laid out left to right in
// titled sections and painted into one image.
class ContactSheet final {
public:
    explicit ContactSheet(int width) : m_width(width) {}

    void section(const QString& title);
    // Adds `picture` (scaled by `scale`) with `label` under it.
    void add(const QImage& picture, const QString& label, double scale = 1.0);
    // Renders a widget (shown or not) with its children and adds it.
    void add(QWidget& widget, const QString& label, double scale = 1.0);

    QImage render() const;

private:
    struct Entry {
        QString section; // non-empty: a section title, no picture
        QImage picture;
        QString label;
    };
    int m_width;
    QVector<Entry> m_entries;
};
