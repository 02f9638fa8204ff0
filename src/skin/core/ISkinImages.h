#pragma once

#include <QImage>
#include <QString>

// The named pictures of the skin library as the skinned controls fetch them.
// The real implementation reads resource.dll; tests use a fake that records
// which names were fetched.
class ISkinImages {
public:
    virtual ~ISkinImages() = default;

    // The picture `name` (upper-case, e.g. "G05_H_9_1"), decoded with its alpha
    // channel; a null image when the library lacks the name.
    virtual QImage image(const QString& name) const = 0;
};

// The skin record: the library and the dialog-frame corner sizes measured on
// the blue corner pictures. `library` is null when loading failed; a control
// without a library draws a plain placeholder.
struct SkinRecord {
    const ISkinImages* library = nullptr;
    int Dial01Width = 0, Dial01Height = 0;
    int Dial03Width = 0, Dial03Height = 0;
    int Dial07Width = 0, Dial07Height = 0;
    int Dial09Width = 0, Dial09Height = 0;
};
