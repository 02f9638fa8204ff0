#pragma once

#include <QString>

struct Installation;

// What an exercise's media button shows for its file. Tags, as the callers
// read them: 1 video, 2 sound, 3 Flash.
enum class MediaPicture { Unchanged, Sound, Video };

struct MediaButtonSetup {
    bool visible = false;
    int tag = 0;                                  // the previous tag where nothing decides
    MediaPicture picture = MediaPicture::Unchanged;
    int captionText = 0;                          // interface text of the caption; 0 keeps it
    QString path;                                 // the file looked for

    friend bool operator==(const MediaButtonSetup&, const MediaButtonSetup&) = default;
};

namespace MediaButtonText {
constexpr int Listen = 42; // a sound
constexpr int Watch = 4;   // a video or an animation
} // namespace MediaButtonText

// A file under Media\Teksty. The button is hidden for an empty name or a
// missing file; a ".wmv" name is looked for as ".mpg" (the caller still plays
// the ".wmv" name). The last three characters decide: "wav" and "mp3" are a
// sound (tag 2); anything else shows the video picture, with tag 1 for "mpg"
// and "wmv" and 3 for "swf" (other endings keep `currentTag`).
MediaButtonSetup ResolveTextMedia(const Installation& inst, const QString& name, int currentTag);

// A file under Media\Zdania, without the ".wmv" substitution: "wav" is a sound
// (tag 2), "mpg" a video (tag 1), "swf" an animation (tag 3); any other ending,
// "mp3" included, leaves picture, caption and tag as they were.
MediaButtonSetup ResolveSentenceMedia(const Installation& inst, const QString& name, int currentTag);
