#pragma once

#include "Failure.h"

#include <QString>

#include <functional>

// What the media device reports about itself.
enum class DeviceMode { NotOpen, Stopped, Playing, Paused };

// The device that plays one media file at a time (sound or video) for the
// shared player: open a file, play, pause, resume, stop, seek, and report the
// position, the length and the mode. Positions and lengths are milliseconds.
// Stopping keeps the position (the player seeks to 0 itself). Implementations:
// QtMediaPlayer (Qt Multimedia, GStreamer underneath) and FakeMediaPlayer (a
// test clock drives its position).
class IMediaPlayer {
public:
    virtual ~IMediaPlayer() = default;

    // Opens a file for playing from its start, closing the file that was open.
    // Fails with the device's description when the file cannot be opened at
    // once; a file found unplayable later is reported through the failure
    // handler.
    virtual Status open(const QString& path) = 0;
    virtual void close() = 0;

    virtual void play() = 0;   // from the current position
    virtual void pause() = 0;  // only while playing
    virtual void resume() = 0; // only while paused
    virtual void stop() = 0;   // playing or paused → stopped, where it is
    virtual void seek(qint64 ms) = 0;

    virtual qint64 positionMs() const = 0;
    virtual qint64 lengthMs() const = 0; // 0 while not known yet
    virtual DeviceMode mode() const = 0;
    // True once playing has reached the end of the file (until the next open,
    // play or seek). Covers devices that learn the length only while playing.
    virtual bool atEnd() const = 0;

    // Whether the picture of a video goes to the player window's display area.
    virtual void routeVideo(bool on) = 0;

    // Called on the interface thread when the open file turns out not to be
    // playable after open() returned (a damaged file, a missing decoder).
    virtual void setFailureHandler(std::function<void(const Failure&)> handler) = 0;
};
