#include "SkinTestModule.h"

#include "WavPcm.h"

#include <QBuffer>
#include <QImage>

namespace skintest {

QByteArray png(int w, int h, QColor colour)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

QByteArray wav(int frames, qint16 level)
{
    WavPcm pcm;
    pcm.sampleRate = 8000;
    pcm.channels = 1;
    for (int i = 0; i < frames; ++i)
        pcm.samples.append(reinterpret_cast<const char*>(&level), 2);
    return pcm.toWav();
}

PeModuleWriter smallSkin(const QSet<QString>& omit)
{
    PeModuleWriter w;
    auto picture = [&](const QString& name, QByteArray data) {
        if (!omit.contains(name))
            (void)w.add(PeResourceId::of(PeType::RcData), PeResourceId::of(name), std::move(data));
    };
    picture("DIAL01_B", png(10, 11, Qt::blue));
    picture("DIAL03_B", png(12, 13, Qt::blue));
    picture("DIAL07_B", png(14, 15, Qt::blue));
    picture("DIAL09_B", png(16, 17, Qt::blue));
    picture("WYKRES_05", png(68, 68, QColor(10, 200, 40, 128)));
    picture("WYKRES_100", png(68, 68, QColor(0, 154, 43)));
    qint16 level = 100;
    for (const char* sound : {"WAV_START", "WAV_OK", "WAV_ZLE", "WAV_WYNIK"}) {
        if (!omit.contains(sound))
            (void)w.add(PeResourceId::of("WAVE"), PeResourceId::of(sound), wav(80, level));
        level += 100;
    }
    w.setVersion({6, 0, 0, 1});
    return w;
}

} // namespace skintest
