#include "CompressedAudio.h"

bool LooksLikeMpegAudio(QByteArrayView bytes)
{
    if (bytes.size() >= 10 && bytes.startsWith("ID3"))
        return true;
    if (bytes.size() < 4)
        return false;
    const auto b = [&bytes](int i) { return quint8(bytes[i]); };
    const bool sync = b(0) == 0xFF && (b(1) & 0xE0) == 0xE0;
    const int version = (b(1) >> 3) & 3; // 1 is reserved
    const int layer = (b(1) >> 1) & 3;   // 0 is reserved
    const int bitrate = b(2) >> 4;       // 15 is invalid
    const int rate = (b(2) >> 2) & 3;    // 3 is reserved
    return sync && version != 1 && layer != 0 && bitrate != 15 && rate != 3;
}
