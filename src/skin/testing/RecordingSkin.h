#pragma once

#include "ISkinImages.h"

#include <QHash>
#include <QSet>
#include <QSize>
#include <QStringList>

// A skin for tests: it logs every name fetched, in order, and answers with a
// generated picture (a flat colour derived from the name, the name stored as the
// image text "name"). Sizes come from setSize() or else from a plausible size
// for the picture's family; names passed to remove() are missing.
class RecordingSkin final : public ISkinImages {
public:
    QImage image(const QString& name) const override;

    void setSize(const QString& name, QSize size) { m_sizes.insert(name, size); }
    void remove(const QString& name) { m_missing.insert(name); }

    const QStringList& fetched() const { return m_fetched; }
    void clearLog() const { m_fetched.clear(); }

    // The size the generated picture `name` has.
    QSize sizeOf(const QString& name) const;

    // A record over this skin with the corner sizes of its DIAL0n_B pictures.
    SkinRecord record() const;

    // A plausible size for a picture of each family (corner 4 × 4 for the
    // nine-piece faces, 259 × 90 for the chart background, ...).
    static QSize familySize(const QString& name);

    // The generated picture for `name` at `size`.
    static QImage makePicture(const QString& name, QSize size);

private:
    QHash<QString, QSize> m_sizes;
    QSet<QString> m_missing;
    mutable QStringList m_fetched;
};
