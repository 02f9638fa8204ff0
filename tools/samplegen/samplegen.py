#!/usr/bin/env python3
"""Builds the sample installations of the course player.

    samplegen.py [--src sample] [--out build/sample] [--jobs N]

OUT/selko and OUT/varda are two installation folders (program modes 1 and
2) sharing the media root OUT/media. Text sources are copied from the
source tree; everything else (pictures, recordings, the video, the Flash
movie, the trainer's dictionaries, the dictionary window's data) is made
here. Every made file is remembered in OUT/.samplegen.json with a hash of
what it was made from, so a second run only makes what changed.
"""
import argparse
import concurrent.futures
import glob
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import course  # noqa: E402
import flash  # noqa: E402
import freedict  # noqa: E402
import pictures  # noqa: E402
import pronounce  # noqa: E402
import speech  # noqa: E402

RECIPE_VERSION = "1"
HELP_FOLDERS = {"Pomoc - Selko": "Selko", "Pomoc - Varda": "Varda", "Pomoc - Brenn": "Tolvar"}
DICTIONARY_FILE = "Config/Slownik.txt"


class Job:
    """One output file (or a group of outputs made together) and how to make it."""

    def __init__(self, outputs, recipe, make, label):
        self.outputs, self.recipe, self.make, self.label = outputs, recipe, make, label

    def key(self):
        return hashlib.sha256((RECIPE_VERSION + "\n" + self.recipe).encode("utf-8")).hexdigest()


def file_hash(*paths):
    h = hashlib.sha256()
    for p in paths:
        with open(p, "rb") as f:
            h.update(f.read())
    return h.hexdigest()


# -------------------------------------------------------------------- layout

def copy_tree(src, dst):
    """Copies src over dst, replacing changed files; files made in dst by the
    learner or by earlier runs stay."""
    for root, dirs, files in os.walk(src):
        rel = os.path.relpath(root, src)
        target = os.path.join(dst, rel) if rel != "." else dst
        os.makedirs(target, exist_ok=True)
        for name in files:
            if name == ".keep":
                continue
            s, d = os.path.join(root, name), os.path.join(target, name)
            if not os.path.exists(d) or file_hash(s) != file_hash(d):
                shutil.copyfile(s, d)


def write_if_changed(path, data):
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path + ".part", "wb") as f:
        f.write(data)
    os.replace(path + ".part", path)


def ansi(text):
    """UTF-8 source text as the player's ANSI files: Windows-1250, CR LF."""
    lines = text.replace("\r\n", "\n").rstrip("\n").split("\n")
    return "".join(l + "\r\n" for l in lines).encode("cp1250")


def lay_out(src, out, inst):
    app = os.path.join(out, inst)
    copy_tree(os.path.join(src, "common"), app)
    copy_tree(os.path.join(src, inst), app)
    os.makedirs(os.path.join(app, "Users"), exist_ok=True)
    # ANSI text files of the installation, kept as UTF-8 in the sources
    ansi_src = os.path.join(src, "ansi")
    for path in glob.glob(os.path.join(ansi_src, "**", "*.txt"), recursive=True):
        rel = os.path.relpath(path, ansi_src)
        write_if_changed(os.path.join(app, rel), ansi(open(path, encoding="utf-8").read()))
    # help pages, one folder per course
    for folder, word in HELP_FOLDERS.items():
        for page in glob.glob(os.path.join(src, "help", "*.html")):
            text = open(page, encoding="utf-8").read().replace("{{KURS}}", word)
            write_if_changed(os.path.join(app, folder, os.path.basename(page)), text.encode("utf-8"))
    # the outside updater: this sample has no updates to offer
    updater = os.path.join(app, "Autoupdate.exe")
    write_if_changed(updater, b"#!/bin/sh\necho 'Orvanta 6.0: brak aktualizacji.'\n")
    os.chmod(updater, 0o755)


# --------------------------------------------------------------------- jobs

def recording_job(paths, parts, label):
    recipe = "speech|%s|%s|%d|%s" % (",".join(sorted(paths)), speech.SPEED, speech.RATE,
                                      "||".join(p.key() for p in parts))

    def make():
        samples = speech.render(parts)
        for p in paths:
            speech.write_audio(p, samples)
    return Job(paths, recipe, make, label)


def silence_job(path):
    def make():
        speech.write_wav(path, speech.silence(1.0))
    return Job([path], "silence|1.0|%d" % speech.RATE, make, "silence")


def picture_job(path, svg, values, size, art_dir):
    text = pictures.expand(svg, values, art_dir)
    recipe = "picture|%s|%s|%s" % (os.path.basename(path), size, hashlib.sha256(text.encode()).hexdigest())

    def make():
        pictures.render(text, path, size)
    return Job([path], recipe, make, os.path.relpath(svg, art_dir))


def flash_job(path, frames=250):
    def make():
        write_if_changed(path, flash.movie(frames=frames))
    return Job([path], "flash|%d|%s" % (frames, file_hash(flash.__file__)), make, "flash")


def video_job(path, text, slides, art_dir):
    svgs = [os.path.join(art_dir, s) for s in slides]
    recipe = "video|%s|%s|%s" % (text, speech.SPEED, file_hash(*svgs))

    def make():
        samples = speech.render([speech.Part(text, course.DEFAULT_VOICE)])
        seconds = speech.duration(samples)
        with tempfile.TemporaryDirectory() as tmp:
            wav = os.path.join(tmp, "a.wav")
            speech.write_wav(wav, samples)
            cmd = ["ffmpeg", "-nostdin", "-v", "error", "-y"]
            for i, svg in enumerate(svgs):
                png = os.path.join(tmp, "s%d.png" % i)
                pictures.render(open(svg, encoding="utf-8").read(), png)
                cmd += ["-loop", "1", "-t", "%.2f" % (seconds / len(svgs)), "-i", png]
            cmd += ["-i", wav, "-filter_complex",
                    "".join("[%d]" % i for i in range(len(svgs))) + "concat=n=%d:v=1:a=0,fps=25,format=yuv420p[v]" % len(svgs),
                    "-map", "[v]", "-map", "%d:a" % len(svgs), "-c:v", "mpeg1video", "-q:v", "4",
                    "-c:a", "mp2", "-ar", "44100", "-b:a", "128k", "-f", "mpeg", "-bitexact",
                    os.path.join(tmp, "v.mpg")]
            subprocess.run(cmd, check=True)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            shutil.copyfile(os.path.join(tmp, "v.mpg"), path + ".part")
            os.replace(path + ".part", path)
    return Job([path], recipe, make, "video")


def parse_recordings(path):
    """The recording list: {target: (all targets, parts)}."""
    out = {}
    for n, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        # fields are separated by " | "; "||" inside the text separates parts
        fields = [f.strip() for f in re.split(r"\s\|\s", line)]
        if len(fields) < 3:
            raise ValueError("%s:%d: expected 'targets | voice | text'" % (path, n))
        targets = [t.strip() for t in fields[0].split(",")]
        parts = speech.parse_parts(fields[2], fields[1])
        extra = dict(f.split("=", 1) for f in fields[3:] if "=" in f)
        for t in targets:
            out[t] = (targets, parts, extra)
    return out


def media_jobs(src, out):
    """Recordings, pictures, video and Flash of the shared media root and of
    both installations."""
    art = os.path.join(src, "art")
    media = os.path.join(out, "media")
    listed = parse_recordings(os.path.join(src, "media-src", "recordings.txt"))
    jobs, planned, said = [], set(), {}

    def media_path(rel):
        return os.path.join(media, rel)

    # recordings, video and Flash the exercises name
    for inst, mode in course.INSTALLATIONS.items():
        for need in course.course_needs(os.path.join(out, inst), mode):
            if need.root != "media" or need.what == "picture":
                continue
            target = need.path
            if target in planned:
                if target not in listed and need.what == "recording" and said.get(target) != need.text:
                    raise ValueError("%s is named with two different texts (%s)" % (target, need.source))
                continue
            planned.add(target)
            said[target] = need.text
            if target in listed:
                targets, parts, extra = listed[target]
                if need.what == "video":
                    jobs.append(video_job(media_path(target), " ".join(p.text for p in parts), extra["slides"].split(), art))
                else:
                    jobs.append(recording_job([media_path(t) for t in targets], parts, target))
                    planned.update(targets)
            elif need.what == "silence":
                jobs.append(silence_job(media_path(target)))
            elif need.what == "flash":
                jobs.append(flash_job(media_path(target)))
            elif need.what == "video":
                raise ValueError("%s: a video needs its slides in the recording list" % target)
            elif need.text is None:
                raise ValueError("%s (%s) has no text: add it to the recording list" % (target, need.source))
            else:
                jobs.append(recording_job([media_path(target)], [speech.Part(need.text, need.voice)], target))
    # handbook sounds
    for name, text, page in course.handbook_sounds(os.path.join(src, "common", "Podrecznik")):
        target = "Media/Podrecznik/" + name
        if target not in planned:
            planned.add(target)
            jobs.append(recording_job([media_path(target)], [speech.Part(text, course.DEFAULT_VOICE)], target))
    # pictures
    for target, svg, values, size in pictures.parse_list(os.path.join(art, "pictures.txt")):
        root, rel = target.split(":", 1)
        svg_path = os.path.join(art, svg)
        if root == "media":
            jobs.append(picture_job(media_path(rel), svg_path, values, size, art))
        else:
            for inst in course.INSTALLATIONS:
                jobs.append(picture_job(os.path.join(out, inst, rel), svg_path, values, size, art))
    return jobs


def trainer_jobs(src, out):
    """Model recordings of the lessons and the two pronunciation dictionaries."""
    lessons_dir = os.path.join(src, "ansi", "Lekcje")
    jobs, word_lists = [], []
    for line in open(os.path.join(lessons_dir, "Lekcje.txt"), encoding="utf-8"):
        if not line.strip():
            continue
        title, file_name = line.rstrip("\n").split("=")[:2]
        for phrase in open(os.path.join(lessons_dir, file_name), encoding="utf-8"):
            if not phrase.strip():
                continue
            text, hint, words, model = (phrase.rstrip("\n").split("=") + ["", "", "", ""])[:4]
            word_lists.append(words)
            jobs.append(recording_job([os.path.join(out, inst, "Lekcje", "Wav", model) for inst in course.INSTALLATIONS],
                                      [speech.Part(text, "en-us")], "Lekcje/Wav/" + model))
    words = pronounce.lesson_words(word_lists)
    recipe = "dct|%s|%s" % (file_hash(pronounce.CMUDICT, pronounce.__file__), "/".join(words))
    targets = [os.path.join(out, inst, name) for inst in course.INSTALLATIONS for name in ("slownik.dct", "tmp0.dct")]

    def make():
        lines = pronounce.slownik_lines(words, pronounce.load_cmudict())
        for inst in course.INSTALLATIONS:
            pronounce.write_ansi(os.path.join(out, inst, "slownik.dct"), lines)
            pronounce.write_ansi(os.path.join(out, inst, "tmp0.dct"), pronounce.tmp0_lines())
    jobs.append(Job(targets, recipe, make, "slownik.dct, tmp0.dct"))
    return jobs


def dictionary_job(src, out):
    irregular = os.path.join(src, "media-src", "irregular_verbs.txt")
    extra = os.path.join(src, "media-src", "dictionary_extra.txt")
    targets = [os.path.join(out, inst, DICTIONARY_FILE) for inst in course.INSTALLATIONS]
    recipe = "dictionary|" + file_hash(freedict.INDEX, freedict.DATA, freedict.__file__, irregular, extra)

    def make():
        first = targets[0]
        os.makedirs(os.path.dirname(first), exist_ok=True)
        freedict.convert(first, irregular, extra)
        for t in targets[1:]:
            shutil.copyfile(first, t + ".part")
            os.replace(t + ".part", t)
    return Job(targets, recipe, make, "dictionary")


# ---------------------------------------------------------------------- main

def run(jobs, out, workers):
    """Makes the jobs whose outputs are missing or were made from something
    else; returns (jobs made, jobs, failure messages)."""
    cache_path = os.path.join(out, ".samplegen.json")
    cache = {}
    if os.path.exists(cache_path):
        with open(cache_path, encoding="utf-8") as f:
            cache = json.load(f)
    rel = lambda p: os.path.relpath(p, out).replace(os.sep, "/")
    todo = [j for j in jobs if not all(os.path.exists(o) and cache.get(rel(o)) == j.key() for o in j.outputs)]
    seen, unique = set(), []
    for j in todo:  # two exercises may name one file: make it once
        if tuple(j.outputs) not in seen:
            seen.add(tuple(j.outputs))
            unique.append(j)
    failures = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=workers) as pool:
        futures = {pool.submit(j.make): j for j in unique}
        for fut in concurrent.futures.as_completed(futures):
            j = futures[fut]
            try:
                fut.result()
                for o in j.outputs:
                    cache[rel(o)] = j.key()
            except Exception as e:  # report every failure, then stop
                failures.append("%s: %s" % (j.label, e))
    with open(cache_path + ".part", "w", encoding="utf-8") as f:
        json.dump(cache, f, indent=0, sort_keys=True)
    os.replace(cache_path + ".part", cache_path)
    return len(unique), len(jobs), failures


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[1])
    ap.add_argument("--src", default=os.path.join(here, "..", "..", "sample"))
    ap.add_argument("--out", default="build/sample")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    args = ap.parse_args()
    src, out = os.path.abspath(args.src), os.path.abspath(args.out)
    started = time.time()
    os.makedirs(out, exist_ok=True)
    for inst in course.INSTALLATIONS:
        lay_out(src, out, inst)
    copy_tree(os.path.join(src, "media"), os.path.join(out, "media"))
    jobs = media_jobs(src, out) + trainer_jobs(src, out) + [dictionary_job(src, out)]
    made, total, failures = run(jobs, out, args.jobs)
    for f in failures:
        print("samplegen: " + f, file=sys.stderr)
    print("samplegen: %d of %d outputs made in %.1f s" % (made, total, time.time() - started))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
