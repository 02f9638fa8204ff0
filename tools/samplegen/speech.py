"""Spoken recordings of the sample course, made with espeak-ng.

A recording is a list of parts. Each part is said by one voice; a part may
start at a fixed second (a recording mark of a package points there), in
which case silence fills the gap before it. Every output is a canonical
PCM wave (a 44-byte header, as the trainer and the analyser read it) or an
MP3 encoded from that wave by lame.
"""
import array
import os
import subprocess
import tempfile
import wave

RATE = 22050
SPEED = 145  # words per minute: a little slower than espeak-ng's default
GAP = 0.35  # seconds of silence between two parts


class Part:
    def __init__(self, text, voice, start=None):
        self.text, self.voice, self.start = text, voice, start

    def key(self):
        return "%s|%s|%s" % (self.voice, self.start, self.text)


def parse_parts(line_text, default_voice):
    """Parts of a manifest text: parts are separated by "||"; a part may begin
    with "@<second>" (its start) and "~<voice>" (who says it)."""
    parts = []
    for raw in line_text.split("||"):
        words = raw.strip().split(" ")
        start, voice = None, default_voice
        while words and (words[0].startswith("@") or words[0].startswith("~")):
            w = words.pop(0)
            if w.startswith("@"):
                start = float(w[1:])
            else:
                voice = w[1:]
        parts.append(Part(" ".join(words), voice, start))
    return parts


def say(text, voice):
    """Samples (16-bit mono at RATE) of one text said by one voice."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "s.wav")
        subprocess.run(["espeak-ng", "-v", voice, "-s", str(SPEED), "-w", out, "--", text],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        with wave.open(out, "rb") as w:
            if w.getframerate() != RATE or w.getsampwidth() != 2 or w.getnchannels() != 1:
                raise RuntimeError("espeak-ng gave an unexpected format for %r" % text)
            data = array.array("h")
            data.frombytes(w.readframes(w.getnframes()))
            return data


def render(parts):
    """Samples of a whole recording. Fails when a part cannot start at its
    second because the parts before it are too long."""
    out = array.array("h")
    for i, p in enumerate(parts):
        if p.start is not None:
            at = int(round(p.start * RATE))
            if at < len(out):
                raise RuntimeError("part %d must start at %.1f s, but the recording is already %.2f s long"
                                   % (i + 1, p.start, len(out) / RATE))
            out.extend([0] * (at - len(out)))
        elif i > 0:
            out.extend([0] * int(GAP * RATE))
        out.extend(say(p.text, p.voice))
    out.extend([0] * int(0.2 * RATE))
    return out


def silence(seconds):
    return array.array("h", [0] * int(seconds * RATE))


def write_wav(path, samples):
    """A canonical PCM wave: RIFF, a 16-byte fmt chunk, data at offset 44."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    tmp = path + ".part"
    with wave.open(tmp, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(samples.tobytes())
    os.replace(tmp, path)


def write_mp3(path, samples):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "s.wav")
        write_wav(src, samples)
        part = path + ".part"
        subprocess.run(["lame", "--quiet", "--noreplaygain", "-m", "m", "-b", "64", src, part], check=True)
        os.replace(part, path)


def write_audio(path, samples):
    if path.endswith(".mp3"):
        write_mp3(path, samples)
    else:
        write_wav(path, samples)


def duration(samples):
    return len(samples) / RATE
