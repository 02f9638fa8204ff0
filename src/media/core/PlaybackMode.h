#pragma once

#include <QString>

#include <optional>

// How the shared player shows a file: the compact sound layout or the video
// layout with its display area.
enum class PlaybackMode {
    Audio = 0, // ".wav", ".mp3"
    Video = 1, // ".mpg", ".wmv": the window shows the picture
    Ogg = 2,   // ".ogg": played like a sound, in the sound layout
};

// The mode for a file by its extension, compared exactly (lower case, with the
// dot); nullopt for any other extension, which keeps the previous file's mode.
std::optional<PlaybackMode> PlaybackModeForFile(const QString& path);
