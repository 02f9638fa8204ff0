#pragma once

#include <QByteArrayView>

// Whether `bytes` start like an MPEG audio file (an MP3): an ID3v2 tag, or an
// MPEG audio frame header (eleven set sync bits, a valid layer and bit rate).
// The handbook's sound links are such files.
bool LooksLikeMpegAudio(QByteArrayView bytes);
