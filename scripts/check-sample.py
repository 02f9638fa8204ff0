#!/usr/bin/env python3
"""Checks built sample installations (scripts/build-sample.sh OUT) the way
the player reads them, without the player:

    check-sample.py [OUT]          checks OUT/selko, OUT/varda and OUT/media
    check-sample.py --sources      checks only the text sources in sample/

It reports every problem it finds (exit code 1) and ends with a summary of
the contents: groups, exercises per kind, lessons, dictionary entries.
"""
import collections
import glob
import os
import re
import struct
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(ROOT, "tools", "samplegen"))
import course  # noqa: E402

# Interface texts named by the windows of the player.
UI_TEXTS = [1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 25, 26, 27, 28, 29, 30, 31, 32,
            33, 34, 37, 38, 39, 41, 42, 43, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60,
            61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90,
            91, 92, 93, 94, 95, 96, 97, 99, 100, 101, 102, 103, 104, 105, 106, 107, 109, 110, 111, 112,
            113, 114, 115, 117, 120, 121, 125, 128, 130, 140, 150, 151, 152, 155, 160, 161, 162, 163, 164,
            165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 175, 176, 177, 178, 179, 182, 183, 184,
            185, 186]
WINDOWED_KINDS = {1, 3, 4, 5, 7, 8, 9, 10, 31, 32, 33, 50, 52}
KNOWN_KINDS = WINDOWED_KINDS | {2, 100}
HELP_PAGES = ["h_index.html", "h_log.html", "h_pres.html", "t_index.html", "h_exer.html", "h_film.html",
              "h_foto.html", "h_sent.html", "h_comp.html", "h_konwers.html", "h_nowe.html", "h_rep.html"]
BACKGROUNDS = ["bg.bmp", "bg_zeszyt.png", "bg_selko.bmp", "bg_selko.png", "bg_3obrazki.bmp", "bg_dialog.bmp",
               "bg_odkrywanka_7.bmp", "bg_odkrywanka_8.bmp", "wyborcwiczenia_tlo.bmp", "bg_tw_1.png", "bg_tw_2.png"]
BACKGROUND_FOLDERS = ["Background_cw", "Background_selko", "Background_dial", "Background_zda"]

# Body elements each kind reads: (path, "int" | "text" | "list").
BODY = {
    1: [("polecenie", "list"), ("col_count", "int"), ("rows", "int"), ("columns/column", "list"),
        ("wyrazy/wyraz/nazwa", "list"), ("wyrazy/wyraz/column", "int")],
    2: [],
    3: [("html", "text"), ("polecenie", "list"), ("grupy/grupa/naglowek", "list"), ("grupy/grupa/poprawne", "list"),
        ("grupy/grupa/odpowiedz", "list")],
    4: [("html", "text"), ("minislownik", "text"), ("polecenie", "list"), ("tresc", "text")],
    5: [("polecenie", "list"), ("html", "text"), ("zdania/zdanie", "list")],
    7: [("html", "text"), ("polecenie", "list"), ("pary/para", "list")],
    8: [("polecenie", "list"), ("grupa/zdanie", "list")],
    9: [("polecenie", "list"), ("html", "text"), ("zdanie/tresc", "list")],
    10: [("html", "text"), ("polecenie", "list"), ("zdanie/tresc", "list")],
    31: [("html", "text"), ("kolumna", "list"), ("polecenie", "list"), ("zdanie/tresc", "list")],
    32: [("polecenie", "list"), ("html", "text"), ("kolumna/cell", "list"), ("media/cell", "list")],
    33: [("polecenie", "list"), ("tresc", "text")],
    50: [("polecenie", "list"), ("wyrazy/wyraz/nazwa", "list"), ("wyrazy/wyraz/kolejnosc", "int")],
    52: [("polecenie", "list"), ("element/slowo", "list"), ("element/tlumaczenie", "list"), ("element/definicja", "list")],
}
INT_ATTRS = {("zdanie", "odp"), ("zdanie", "id"), ("kwestia", "osoba"), ("kwestia", "visible"), ("kwestia", "id"),
             ("cell", "active"), ("cell", "id"), ("grupa", "id"), ("element", "id"), ("element_paczki", "id"),
             ("typ", "id"), ("polecenie", "id"), ("tlumaczenie", "id"), ("nazwa", "id"), ("odpowiedz", "id"),
             ("para", "id"), ("kolumna", "id"), ("column", "id"), ("wyraz", "id")}


class Report:
    def __init__(self):
        self.problems = []

    def bad(self, where, what):
        self.problems.append("%s: %s" % (where, what))


def is_int(text):
    return text is not None and re.fullmatch(r"\s*-?\d+\s*", text) is not None


def check_definitions(app, rep):
    path = os.path.join(app, "Config", "definitions.xml")
    try:
        root = ET.parse(path).getroot()
    except (ET.ParseError, OSError) as e:
        rep.bad(path, "cannot be read: %s" % e)
        return {}
    if root.tag != "definitions":
        rep.bad(path, "root element is %s" % root.tag)
    langs = root.find("languages")
    for lang in langs.findall("lang") if langs is not None else []:
        if not (is_int(lang.get("id")) and is_int(lang.get("trans"))):
            rep.bad(path, "language %r needs numeric id and trans" % lang.text)
    texts = {}
    for hint in root.find("hinty").findall("hint"):
        if not is_int(hint.get("id")):
            rep.bad(path, "hint id %r is not a number" % hint.get("id"))
            continue
        hid = int(hint.get("id"))
        if hid in texts:
            rep.bad(path, "interface text %d is defined twice" % hid)
        texts[hid] = {t.get("id"): (t.text or "") for t in hint.findall("tlumaczenie")}
    for n in UI_TEXTS:
        for lang in ("0", "1"):
            if not texts.get(n, {}).get(lang, "").strip():
                rep.bad(path, "interface text %d has no text in language %s" % (n, lang))
    sets = root.findall("groups")
    if len(sets) < 2:
        rep.bad(path, "needs two group sets")
    groups = {}
    for mode, gs in zip((1, 2), sets):
        groups[mode] = {}
        for g in gs.findall("grupa"):
            if not is_int(g.get("id")):
                rep.bad(path, "group id %r is not a number" % g.get("id"))
                continue
            groups[mode][int(g.get("id"))] = {t.get("id"): t.text for t in g.findall("tlumaczenie")}
    return groups


def check_envelope(path, root, rep, groups, mode, is_package_item):
    cfg, body = root.find("config"), root.find("body")
    kids = [c.tag for c in root]
    if kids != ["config", "body"]:
        rep.bad(path, "cwiczenie must hold config and body, holds %s" % kids)
        return None
    idtag = "ID" if cfg.find("ID") is not None else "id"
    for tag in (idtag, "grupa", "poziom", "typ_cw"):
        if not is_int(course.text_of(cfg, tag, None)):
            rep.bad(path, "config/%s is missing or not a number" % tag)
            return None
    kind = course.int_of(cfg, "typ_cw")
    for tag in ("param1", "param2"):
        if cfg.find(tag) is not None and not is_int(cfg.find(tag).text):
            rep.bad(path, "config/%s is not a number" % tag)
    if kind == 100 and (cfg.find("param1") is None or cfg.find("param2") is None):
        rep.bad(path, "a container needs param1 and param2")
    if kind not in KNOWN_KINDS:
        rep.bad(path, "unknown kind %d" % kind)
    titles = {n.get("id"): (n.text or "") for n in cfg.findall("nazwa")}
    for lang in ("0", "1", "2"):
        if not titles.get(lang, "").strip():
            rep.bad(path, "no title in language %s" % lang)
    if mode == 2 and not is_package_item and not all(re.match(r"\[\d+\] ", t) for t in titles.values()):
        rep.bad(path, "titles of the grammar course start with a bracketed sort key")
    if course.int_of(cfg, "grupa") not in groups.get(mode, {}):
        rep.bad(path, "group %d is not a group of this course" % course.int_of(cfg, "grupa"))
    if not 1 <= course.int_of(cfg, "poziom") <= 4:
        rep.bad(path, "level %d is not 1-4" % course.int_of(cfg, "poziom"))
    for el in body.iter():
        for attr in el.attrib:
            if (el.tag, attr) in INT_ATTRS and not is_int(el.get(attr)):
                rep.bad(path, "%s/@%s=%r is not a number" % (el.tag, attr, el.get(attr)))
    for el_path, typ in BODY.get(kind, []):
        found = body.findall(el_path)
        if not found:
            rep.bad(path, "body/%s is missing" % el_path)
        if typ == "int" and not all(is_int(e.text) for e in found):
            rep.bad(path, "body/%s is not a number" % el_path)
    if kind == 100:
        check_container(path, cfg, body, rep)
    return kind


def check_container(path, cfg, body, rep):
    variant, modes = int(cfg.find("param1").text), int(cfg.find("param2").text)
    if variant == 1:
        items = body.findall("element_paczki")
        if not items or len(items) > 100:
            rep.bad(path, "a package holds 1-100 elements")
        for el in items:
            for tag in ("poziom", "typ_cw"):
                if not is_int(course.text_of(el, tag, None)):
                    rep.bad(path, "element_paczki/%s is not a number" % tag)
        marks = [m for m in course.text_of(body, "znaczniki_nagrania").split("#") if m]
        if any(not is_int(m) for m in marks):
            rep.bad(path, "recording marks are whole seconds joined by #")
        elif len(marks) > 5 or [int(m) for m in marks] != sorted(int(m) for m in marks):
            rep.bad(path, "at most five recording marks, in ascending order")
    elif variant == 2:
        if [is_int(t.text) for t in body.findall("tryb_znikania")][:2] != [True, True]:
            rep.bad(path, "a dialogue needs two numeric tryb_znikania")
        for k in body.findall("kwestia"):
            if not 1 <= int(k.get("osoba", "0")) <= 5 or k.find("tresc") is None:
                rep.bad(path, "kwestia %s needs a speaker 1-5 and a tresc" % k.get("id"))
    elif variant == 3:
        if body.find("polecenia") is None or not body.findall("zdanie"):
            rep.bad(path, "a sentence file needs polecenia and zdanie elements")
    elif variant != 4:
        rep.bad(path, "container variant %d is not 1-4" % variant)
    if variant in (2, 3, 4) and modes == 0:
        rep.bad(path, "a container without modes offers nothing")


def check_exercises(app, mode, rep, groups, media_root, stats):
    names = [os.path.basename(f) for f in glob.glob(os.path.join(app, "Dane", "*.xml"))]
    if course.detected_mode(names) != mode:
        rep.bad(app, "file names select mode %s, not %d" % (course.detected_mode(names), mode))
    for name in names:
        found = course.mode_fragments_in(name)
        others = [f for m, fs in found.items() if m != mode for f in fs]
        if not found[mode] or others:
            rep.bad(name, "name must hold a fragment of mode %d and none of another (%s)" % (mode, found))
    for path in course.exercise_files(app):
        try:
            root = ET.parse(path).getroot()
        except ET.ParseError as e:
            rep.bad(path, "not well-formed: %s" % e)
            continue
        if root.tag != "cwiczenie":
            rep.bad(path, "root element is %s" % root.tag)
            continue
        item = os.path.basename(os.path.dirname(path)) == "Paczki"
        kind = check_envelope(path, root, rep, groups, mode, item)
        if kind is None:
            continue
        cfg = root.find("config")
        if kind == 100:
            variant, bits = int(cfg.find("param1").text), int(cfg.find("param2").text)
            stats["containers"][(mode, variant)] += 1
            base = {2: 10, 3: 20, 4: 40}.get(variant)
            if base:
                for bit in (1, 2, 4, 8, 16):
                    if bits & bit:
                        stats["kinds"][base + bit] += 1
        else:
            stats["kinds"][kind] += 1
            if item:
                stats["package items"][kind] += 1
        stats["levels"][course.int_of(cfg, "poziom")] += 1
        try:
            needs = course.needs_of_file(path, mode)
        except (ValueError, AttributeError, IndexError) as e:
            rep.bad(path, "cannot be read as its kind: %s" % e)
            continue
        for need in needs:
            full = os.path.join(media_root if need.root == "media" else app, *need.path.split("/"))
            if not os.path.isfile(full):
                rep.bad(path, "needs %s:%s" % (need.root, need.path))
            elif need.what == "flash":
                check_swf(full, rep)
            elif full.endswith(".wav"):
                check_wav(full, rep)


def check_wav(path, rep):
    with open(path, "rb") as f:
        head = f.read(44)
    if len(head) < 44 or head[:4] != b"RIFF" or head[8:16] != b"WAVEfmt " or head[36:40] != b"data":
        rep.bad(path, "not a canonical PCM wave (data chunk at byte 36)")
        return
    channels, bits = struct.unpack("<H", head[22:24])[0], struct.unpack("<H", head[34:36])[0]
    if channels not in (1, 2) or bits not in (8, 16):
        rep.bad(path, "wave of %d channels and %d bits" % (channels, bits))


def check_swf(path, rep):
    data = open(path, "rb").read()
    if data[:3] != b"FWS" or struct.unpack("<I", data[4:8])[0] != len(data):
        rep.bad(path, "not an uncompressed SWF of the stated length")
        return
    nbits = data[8] >> 3
    pos = 8 + (5 + 4 * nbits + 7) // 8
    frames = struct.unpack("<H", data[pos + 2:pos + 4])[0]
    pos += 4
    shown, ended = 0, False
    while pos < len(data):
        code_len = struct.unpack("<H", data[pos:pos + 2])[0]
        code, length = code_len >> 6, code_len & 0x3F
        pos += 2
        if length == 0x3F:
            length = struct.unpack("<I", data[pos:pos + 4])[0]
            pos += 4
        pos += length
        shown += code == 1
        if code == 0:
            ended = True
            break
    if not ended or pos != len(data) or shown != frames:
        rep.bad(path, "SWF tags do not end cleanly (%d of %d frames)" % (shown, frames))


def check_help(app, rep):
    for folder in ("Pomoc - Selko", "Pomoc - Varda", "Pomoc - Brenn"):
        for page in HELP_PAGES:
            full = os.path.join(app, folder, page)
            if not os.path.isfile(full):
                rep.bad(app, "help page %s\\%s is missing" % (folder, page))
        exer = os.path.join(app, folder, "h_exer.html")
        if os.path.isfile(exer):
            text = open(exer, encoding="utf-8").read()
            for n in range(1, 11):
                if 'name="a%d"' % n not in text:
                    rep.bad(exer, "anchor a%d is missing" % n)
        comp = os.path.join(app, folder, "h_comp.html")
        if os.path.isfile(comp) and 'name="zda"' not in open(comp, encoding="utf-8").read():
            rep.bad(comp, "anchor zda is missing")


LINK_RE = re.compile(r'href="([^"]*)"')


def check_handbook(app, media_root, rep, stats):
    base = os.path.join(app, "Podrecznik")
    if not os.path.isfile(os.path.join(base, "index.html")):
        rep.bad(app, "Podrecznik\\index.html is missing")
    for page in glob.glob(os.path.join(base, "**", "*.html"), recursive=True):
        stats["handbook pages"] += 1
        text = open(page, encoding="utf-8").read()
        for link in LINK_RE.findall(text):
            if link.endswith(".mp3"):
                target = os.path.join(media_root, "Media", "Podrecznik", link.split("/")[-1])
                stats["handbook sounds"] += 1
            elif link.startswith("#"):
                target = page + link
            elif link.startswith("../"):
                target = os.path.join(base, link[3:])
            else:
                target = os.path.join(os.path.dirname(page), link)
            file_part, _, anchor = target.partition("#")
            if not os.path.isfile(file_part):
                rep.bad(page, "link %s leads nowhere" % link)
            elif anchor and 'name="%s"' % anchor not in open(file_part, encoding="utf-8").read():
                rep.bad(page, "link %s: no anchor %s" % (link, anchor))


def read_ansi(path):
    data = open(path, "rb").read()
    return [l for l in data.decode("cp1250").split("\r\n") if l]


def check_trainer(app, rep, stats):
    lessons = os.path.join(app, "Lekcje")
    try:
        entries = read_ansi(os.path.join(lessons, "Lekcje.txt"))
        slownik = {l.split(";")[0].lower() for l in read_ansi(os.path.join(app, "slownik.dct"))}
        tmp0 = read_ansi(os.path.join(app, "tmp0.dct"))
    except (OSError, UnicodeDecodeError) as e:
        rep.bad(app, "trainer files: %s" % e)
        return
    if not any(l.startswith("P__GV_GBGE_ ") for l in tmp0):
        rep.bad(app, "tmp0.dct has no entry for the garbage word")
    if len(entries) < 20:
        rep.bad(lessons, "only %d lessons" % len(entries))
    if not os.path.isfile(os.path.join(lessons, "Statystyka.xml_")):
        rep.bad(lessons, "the statistics template is missing")
    stats["lessons"] += len(entries)
    for entry in entries:
        title, name = (entry.split("=") + [""])[:2]
        path = os.path.join(lessons, name)
        if not os.path.isfile(path):
            rep.bad(lessons, "lesson file %s is missing" % name)
            continue
        for line in read_ansi(path):
            fields = line.split("=")
            if len(fields) != 4:
                rep.bad(path, "phrase %r needs four fields" % line)
                continue
            stats["phrases"] += 1
            for w in fields[2].split("/"):
                if w.lower() not in slownik:
                    rep.bad(path, "word %r is not in slownik.dct" % w)
            model = os.path.join(lessons, "Wav", fields[3])
            if not os.path.isfile(model):
                rep.bad(path, "model recording %s is missing" % fields[3])
            else:
                check_wav(model, rep)


def check_dictionary(app, rep, stats):
    path = os.path.join(app, "Config", "Slownik.txt")
    try:
        data = open(path, "rb").read()
    except OSError:
        rep.bad(app, "Config\\Slownik.txt is missing")
        return
    if data[:2] != b"\xff\xfe":
        rep.bad(path, "no UTF-16 little-endian byte-order mark")
    lines = data[2:].decode("utf-16-le").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    for n, line in enumerate(lines, 1):
        m = re.match(r"^...(\d+) \[([1-9])\](.*)$", line)
        fields = m.group(3).split("=") if m else []
        if not m or len(fields) < 2 or not fields[0].strip() or not re.match(r"\[[1-9]\] ", fields[1]):
            rep.bad(path, "line %d is not an entry: %r" % (n, line[:60]))
            break
    stats["dictionary entries"] = len(lines)


def check_installation(out, inst, mode, rep, stats):
    app = os.path.join(out, inst)
    cfg = os.path.join(app, "Config", "cfg.ini")
    cd = ""
    if os.path.isfile(cfg):
        m = re.search(r"^CD=(.*?)\r?$", open(cfg, encoding="cp1250").read(), re.M)
        cd = m.group(1) if m else ""
    if not cd:
        rep.bad(cfg, "no media root in section DEFAULT, key CD")
        return
    media_root = os.path.normpath(os.path.join(app, cd.replace("\\", "/")))
    if not os.path.isdir(os.path.join(media_root, "Media")):
        rep.bad(cfg, "media root %s has no Media folder" % media_root)
    groups = check_definitions(app, rep)
    stats["groups"][mode] = len(groups.get(mode, {}))
    check_exercises(app, mode, rep, groups, media_root, stats)
    for name in BACKGROUNDS + ["bg_start_%d.png" % (i + 1) for i in (0, 1, 2, 4)]:
        if not os.path.isfile(os.path.join(app, "Gfx", name)):
            rep.bad(app, "Gfx\\%s is missing" % name)
    for folder in BACKGROUND_FOLDERS:
        if len(glob.glob(os.path.join(app, "Gfx", folder, "*.bmp"))) < 2:
            rep.bad(app, "Gfx\\%s needs several pictures" % folder)
    if not os.path.isfile(os.path.join(app, "Gfx", "Background_dial", "bg_dialog.bmp")):
        rep.bad(app, "Gfx\\Background_dial\\bg_dialog.bmp is missing")
    for line in read_ansi(os.path.join(app, "Config", "Skroty_1.txt")):
        if ":" not in line:
            rep.bad(app, "shortcut line %r has no colon" % line)
    check_help(app, rep)
    check_handbook(app, media_root, rep, stats)
    check_trainer(app, rep, stats)
    check_dictionary(app, rep, stats)


def new_stats():
    return {"kinds": collections.Counter(), "containers": collections.Counter(), "levels": collections.Counter(),
            "package items": collections.Counter(), "groups": {}, "lessons": 0, "phrases": 0,
            "handbook pages": 0, "handbook sounds": 0, "dictionary entries": 0}


def summary(stats):
    print("groups: %s" % ", ".join("mode %d: %d" % kv for kv in sorted(stats["groups"].items())))
    print("exercises per kind (both installations, package elements included): %s"
          % ", ".join("%d: %d" % kv for kv in sorted(stats["kinds"].items())))
    print("containers (mode, variant): %s" % ", ".join("%s: %d" % kv for kv in sorted(stats["containers"].items())))
    print("levels: %s" % ", ".join("%d: %d" % kv for kv in sorted(stats["levels"].items())))
    print("lessons: %d (%d phrases); handbook: %d pages, %d sound links; dictionary: %d entries"
          % (stats["lessons"] // 2, stats["phrases"] // 2, stats["handbook pages"] // 2,
             stats["handbook sounds"] // 2, stats["dictionary entries"]))


def check_sources(rep):
    """The text sources alone: exercise files, definitions, names."""
    src = os.path.join(ROOT, "sample")
    stats = new_stats()
    for inst, mode in course.INSTALLATIONS.items():
        app = os.path.join(src, inst)
        groups = check_definitions(os.path.join(src, "common"), rep)
        for path in course.exercise_files(app):
            try:
                root = ET.parse(path).getroot()
            except ET.ParseError as e:
                rep.bad(path, "not well-formed: %s" % e)
                continue
            item = os.path.basename(os.path.dirname(path)) == "Paczki"
            if root.tag != "cwiczenie":
                rep.bad(path, "root element is %s" % root.tag)
            elif check_envelope(path, root, rep, groups, mode, item) is not None:
                for need in course.needs_of_file(path, mode):
                    if need.root == "app" and need.what in ("exercise", "handbook"):
                        if not os.path.isfile(os.path.join(src, inst if need.what == "exercise" else "common", need.path)):
                            rep.bad(path, "needs %s" % need.path)
        names = [os.path.basename(f) for f in glob.glob(os.path.join(app, "Dane", "*.xml"))]
        if course.detected_mode(names) != mode:
            rep.bad(app, "file names select mode %s, not %d" % (course.detected_mode(names), mode))
    return stats


def main():
    rep = Report()
    if len(sys.argv) > 1 and sys.argv[1] == "--sources":
        check_sources(rep)
        stats = None
    else:
        out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "sample")
        stats = new_stats()
        for inst, mode in course.INSTALLATIONS.items():
            check_installation(out, inst, mode, rep, stats)
    for p in rep.problems:
        print("problem: " + p)
    if stats:
        summary(stats)
    print("%d problems" % len(rep.problems))
    return 1 if rep.problems else 0


if __name__ == "__main__":
    sys.exit(main())
