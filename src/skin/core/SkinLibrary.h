#pragma once

#include "ISkinImages.h"
#include "PeModule.h"

#include <QCache>
#include <QSet>

#include <memory>

// The skin library resource.dll as the program uses it: PNG pictures stored as
// RCDATA resources and WAVE sounds stored as resources of the named type
// "WAVE", both looked up by upper-case name. The module's bytes stay in memory
// for the library's life.
//
// Decoded pictures are kept in a small cache (most recently used first, a
// fixed memory budget), so a control that paints often does not decode its
// pieces at every paint; what a caller gets is the same either way. A name the
// library lacks, or data that is not a PNG picture, always gives a null image.
// Used from the user-interface thread only (the cache is not locked).
class SkinLibrary final : public ISkinImages {
public:
    explicit SkinLibrary(PeModule module);

    // Reads and indexes the module at `path`. Fails (naming the reason) when
    // the file cannot be read, is larger than 256 MB or is not a PE module.
    static Expected<std::unique_ptr<SkinLibrary>> open(const QString& path);

    QImage image(const QString& name) const override;

    // The WAVE resource `name` (a complete RIFF file); empty when missing.
    QByteArray sound(const QString& name) const;

    // The version resource's file version; nothing when it cannot be read.
    std::optional<PeFileVersion> fileVersion() const { return m_module.fileVersion(); }

    const PeModule& module() const { return m_module; }

    static constexpr int CacheBudgetKb = 32 * 1024;

private:
    PeModule m_module;
    mutable QCache<QString, QImage> m_cache{CacheBudgetKb};
};
