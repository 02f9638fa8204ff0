"""Reads the sample course's exercise files and lists what they rely on.

Each exercise kind names its recordings and pictures in its own way (a
sentence recording under Media\\Zdania, a text recording whose ".wav" name
is played as ".mp3", a three-pictures round whose ".bmp" names are loaded as
".png" ...). This module applies those rules once, so that the generator
makes exactly the files the player opens and the checker looks for the same
files.
"""
import glob
import html
import os
import re
import xml.etree.ElementTree as ET

# Installations of the sample and the program mode their file names select.
INSTALLATIONS = {"selko": 1, "varda": 2}

# File-name fragments of the three courses, searched case-sensitively.
FRAGMENTS = {
    2: ["lp", "mc", "tabgr", "tf", "ukl", "wp", "wpgr", "dd"],
    1: ["3ob", "odk", "dial", "zda", "pc"],
    3: ["dia", "tek"],
}

DEFAULT_VOICE = "en-gb"
# One voice per dialogue speaker (1..5): two main voices and three more.
SPEAKER_VOICES = {1: "en-gb", 2: "en-us+f3", 3: "en-gb+f4", 4: "en-us", 5: "en-gb-scotland"}
SILENCE = "cisza.wav"


class Need:
    """One file a course file relies on.

    root is "media" (under the media root) or "app" (under the installation
    folder); path uses "/" separators. text and voice are set for recordings
    whose words can be read from the exercise; they stay None where the
    recording or picture comes from the generator's manifests.
    """

    def __init__(self, root, path, source, text=None, voice=None, what="recording"):
        self.root, self.path, self.source = root, path, source
        self.text, self.voice, self.what = text, voice, what

    def __repr__(self):
        return "Need(%s:%s from %s)" % (self.root, self.path, self.source)


def mode_fragments_in(name):
    """Returns {mode: [fragments found]} for a file name."""
    return {m: [f for f in fr if f in name] for m, fr in FRAGMENTS.items()}


def detected_mode(names):
    """The program mode that a folder of exercise names gives, or None when
    the learner would be asked."""
    marked = {m: set() for m in FRAGMENTS}
    for n in names:
        for m, found in mode_fragments_in(n).items():
            marked[m].update(found)
    score = 0
    if len(marked[2]) / 8 > 0.124:
        score += 2
    if len(marked[1]) / 5 > 0.19:
        score += 1
    if len(marked[3]) / 2 > 0.499:
        score += 3
    return score if score in (1, 2, 3) else None


def text_of(el, tag, default=""):
    child = el.find(tag)
    return (child.text or "") if child is not None else default


def int_of(el, tag):
    return int(text_of(el, tag).strip())


def wav_as_mp3(name):
    """A ".wav" name (exact case) is played with the extension ".mp3"."""
    return name[:-4] + ".mp3" if name.endswith(".wav") else name


def with_ext(name, ext):
    return os.path.splitext(name)[0] + ext


# ---------------------------------------------------------------- speech text

TAG_RE = re.compile(r"<[^<>]*>")


def spoken_gap_text(tresc):
    """The words of a gap text as a reader would say them: gaps become their
    first answer, formatting tags and picture blocks disappear."""
    out = []
    in_pictures = False
    for token in re.split(r"(<[^<>]*>)", tresc):
        if token.startswith("<") and token.endswith(">"):
            tag = token.upper()
            if tag in ("<IMG LEFT>", "<IMG RIGHT>", "<IMG>"):
                in_pictures = True
            elif tag == "</IMG>":
                in_pictures = False
            elif tag == "<BR>":
                out.append(" ")
            elif tag in ("<I>", "</I>", "<B>", "</B>") or tag.startswith("<AK"):
                out.append(" ")
            else:
                out.append(token[1:-1].split("/")[0])
        elif not in_pictures:
            out.append(token)
    return squash("".join(out))


def picture_words(tresc, centred_blocks):
    """File names written inside the picture blocks of a gap text. "<IMG>"
    opens a block only in the full-text window of the grammar course
    (centred_blocks); the listening course's window takes it for a gap."""
    openers = ("<IMG LEFT>", "<IMG RIGHT>") + (("<IMG>",) if centred_blocks else ())
    names, inside = [], False
    for token in re.split(r"(<[^<>]*>)", tresc):
        if token.startswith("<") and token.endswith(">"):
            tag = token.upper()
            if tag in openers:
                inside = True
            elif tag == "</IMG>":
                inside = False
        elif inside:
            names.extend(token.split())
    return names


def choice_text_pictures(tresc):
    """Picture paths of a multiple-choice text: the first plain word after
    each "<IMG>" tag, a path relative to the installation folder."""
    paths, picture_next = [], False
    for token in re.split(r"(<[^<>]*>)", tresc):
        if token.startswith("<") and token.endswith(">"):
            picture_next = picture_next or token.upper() == "<IMG>"
        elif picture_next and token.split():
            paths.append(token.split()[0].replace("\\", "/"))
            picture_next = False
    return paths


def unmark(text):
    """Text of a dialogue line or a sentence without its "<" ">" marks."""
    return squash(text.replace("<", "").replace(">", ""))


def squash(text):
    return re.sub(r"\s+", " ", text).strip()


def first_alternative(text):
    return text.split("/")[0]


def fill_gaps(text):
    """A sentence with every <answer> gap replaced by its first alternative."""
    return squash(re.sub(r"<([^<>]*)>", lambda m: first_alternative(m.group(1)), text.replace("<BR>", " ")))


# ------------------------------------------------------------------- per kind

def _test(root, src):
    needs = []
    for g in root.iter("grupa"):
        if g.find("naglowek") is None:
            continue
        media = text_of(g, "media")
        if not media:
            continue
        q = text_of(g, "naglowek").replace("<BR>", " ")
        has_gap = bool(re.search(r"<[^<>]*>", q))
        said = fill_gaps(q)
        if not has_gap:
            answers = [a.text or "" for a in g.findall("odpowiedz")]
            first = text_of(g, "poprawne").split(",")[0].strip()
            if first.isdigit() and 0 < int(first) <= len(answers):
                said = said + " " + answers[int(first) - 1]
        needs.append(Need("media", "Media/Zdania/" + media, src, said, DEFAULT_VOICE))
    return needs


def _gap_text(root, src, mode, kind):
    body = root.find("body")
    tresc = text_of(body, "tresc")
    if kind == 33:
        # The multiple-choice text never plays its recording.
        return [Need("app", p, src, what="picture") for p in choice_text_pictures(tresc)]
    needs = [Need("app", "Gfx/Wpis_gfx/" + pic, src, what="picture") for pic in picture_words(tresc, mode == 2)]
    media = text_of(root.find("config"), "multimedia")
    if media:
        needs.extend(_text_media(media, src, spoken_gap_text(tresc)))
    return needs


def _text_media(media, src, text):
    """A recording, video or Flash file of Media\\Teksty as a text exercise
    names it."""
    if media.endswith(".swf"):
        return [Need("media", "Media/Teksty/" + media, src, text, what="flash"),
                Need("media", "Media/Teksty/" + media[:-3] + "wav", src, text, DEFAULT_VOICE)]
    if media.endswith(".mpg"):
        return [Need("media", "Media/Teksty/" + media, src, text, what="video")]
    return [Need("media", "Media/Teksty/" + wav_as_mp3(media), src, text, DEFAULT_VOICE)]


def _word_table(root, src):
    body = root.find("body")
    headers = [c.text or "" for c in body.find("columns").findall("column")]
    by_col = {}
    for w in body.find("wyrazy").findall("wyraz"):
        by_col.setdefault(int_of(w, "column"), []).append(text_of(w, "nazwa"))
    said = " ".join("%s: %s." % (headers[c - 1], ", ".join(ws)) for c, ws in sorted(by_col.items()) if 0 < c <= len(headers))
    return _plain_media(root, src, said, wav_to_mp3=True)


def _plain_media(root, src, said, wav_to_mp3):
    media = text_of(root.find("config"), "multimedia")
    if not media:
        return []
    name = wav_as_mp3(media) if wav_to_mp3 else media
    return [Need("media", "Media/Teksty/" + name, src, said, DEFAULT_VOICE)]


def _sentence_dd(root, src):
    body = root.find("body")
    said = " ".join(fill_gaps(z.text or "") for z in body.find("zdania").findall("zdanie"))
    return _plain_media(root, src, said, wav_to_mp3=False)


def _antonyms(root, src):
    pairs = [(p.text or "").split("=") for p in root.find("body").find("pary").findall("para")]
    said = " ".join("%s, %s." % (p[0], p[1] if len(p) > 1 else "") for p in pairs)
    media = text_of(root.find("config"), "multimedia")
    if not media:
        return []
    name = wav_as_mp3(media)
    # The button is shown when the sentence folder holds the file; it plays
    # the one of the text folder.
    return [Need("media", "Media/Teksty/" + name, src, said, DEFAULT_VOICE),
            Need("media", "Media/Zdania/" + name, src, said, DEFAULT_VOICE)]


def _true_false(root, src):
    media = text_of(root.find("config"), "multimedia")
    if not media:
        return []
    name = wav_as_mp3(media)
    # Shown when Media\Zdania holds it, played from Media\Teksty: both exist.
    return [Need("media", "Media/Teksty/" + name, src), Need("media", "Media/Zdania/" + name, src)]


def _three_pictures(root, src):
    needs = []
    for g in root.find("body").findall("grupa"):
        needs.append(Need("media", "Media/3Obrazki/" + with_ext(g.get("sampel", ""), ".mp3"), src, text_of(g, "zdanie"), DEFAULT_VOICE))
        for a in ("bmp1", "bmp2", "bmp3"):
            needs.append(Need("media", "Media/3Obrazki/" + with_ext(g.get(a, ""), ".png"), src, what="picture"))
    return needs


def _sentences_in(root, src, folder_ext=None):
    needs = []
    for z in root.find("body").findall("zdanie"):
        sampel = z.get("sampel", "")
        if not sampel:
            continue
        name = with_ext(sampel, folder_ext) if folder_ext else sampel
        said = fill_gaps(text_of(z, "tresc"))
        needs.append(Need("media", "Media/Zdania/" + name, src, said, DEFAULT_VOICE))
    return needs


def _grammar_table(root, src):
    body = root.find("body")
    cols = [[first_alternative(c.text or "") for c in k.findall("cell")] for k in body.findall("kolumna")]
    needs = []
    for i, cell in enumerate(body.find("media").findall("cell")):
        if not (cell.text or "").strip():
            continue
        row = [c[i] for c in cols if i < len(c)]
        said = squash(" ".join(row))
        needs.append(Need("media", "Media/Zdania/" + cell.text.strip(), src, said, DEFAULT_VOICE))
    return needs


def _sorting(root, src):
    items = sorted(((int_of(w, "kolejnosc"), text_of(w, "nazwa")) for w in root.find("body").find("wyrazy").findall("wyraz")))
    said = " ".join(t if t.endswith(".") else t + "." for _, t in items)
    return _plain_media(root, src, said, wav_to_mp3=True)


def _reveal(root, src, path):
    needs = [Need("app", "Gfx/Odkrywanki_gfx/" + with_ext(os.path.basename(path), ".jpg"), src, what="picture")]
    for e in root.find("body").findall("element"):
        d, w = e.find("definicja"), e.find("slowo")
        needs.append(Need("media", "Media/Odkrywanki/" + with_ext(d.get("sampel", ""), ".mp3"), src, d.text or "", DEFAULT_VOICE))
        needs.append(Need("media", "Media/Odkrywanki/" + with_ext(w.get("sampel", ""), ".mp3"), src, w.text or "", DEFAULT_VOICE))
    return needs


def _container(root, src):
    cfg, body = root.find("config"), root.find("body")
    variant = int(text_of(cfg, "param1").strip())
    needs = []
    if variant == 1:
        for el in body.findall("element_paczki"):
            needs.append(Need("app", "Dane/Paczki/" + text_of(el, "plik"), src, what="exercise"))
    elif variant == 2:
        for k in body.findall("kwestia"):
            voice = SPEAKER_VOICES.get(int(k.get("osoba", "1")), DEFAULT_VOICE)
            needs.append(Need("media", "Media/Dialogi/" + with_ext(k.get("sampel", ""), ".mp3"), src, unmark(text_of(k, "tresc")), voice))
        needs.append(Need("media", "Media/Teksty/" + SILENCE, src, what="silence"))
    elif variant == 3:
        needs.extend(_sentences_in(root, src, ".mp3"))
    return needs


def needs_of_file(path, mode):
    """Everything one exercise file relies on. Raises on unreadable XML."""
    root = ET.parse(path).getroot()
    src = path
    kind = int_of(root.find("config"), "typ_cw")
    needs = []
    body = root.find("body")
    html = text_of(body, "html") if body is not None else ""
    if html:
        needs.append(Need("app", "Podrecznik/" + html.replace("\\", "/"), src, what="handbook"))
    if kind == 1:
        needs += _word_table(root, src)
    elif kind == 3:
        needs += _test(root, src)
    elif kind in (4, 33):
        needs += _gap_text(root, src, mode, kind)
    elif kind == 5:
        needs += _sentence_dd(root, src)
    elif kind == 7:
        needs += _antonyms(root, src)
    elif kind == 8:
        needs += _three_pictures(root, src)
    elif kind in (9, 10):
        needs += _sentences_in(root, src)
    elif kind == 31:
        needs += _true_false(root, src)
    elif kind == 32:
        needs += _grammar_table(root, src)
    elif kind == 50:
        needs += _sorting(root, src)
    elif kind == 52:
        needs += _reveal(root, src, path)
    elif kind == 100:
        needs += _container(root, src)
    return needs


def exercise_files(app_dir):
    """Dane\\*.xml and Dane\\Paczki\\*.xml of an installation, sorted."""
    files = sorted(glob.glob(os.path.join(app_dir, "Dane", "*.xml")))
    files += sorted(glob.glob(os.path.join(app_dir, "Dane", "Paczki", "*.xml")))
    return files


def course_needs(app_dir, mode):
    needs = []
    for f in exercise_files(app_dir):
        needs.extend(needs_of_file(f, mode))
    return needs


HREF_RE = re.compile(r'<a\s+[^>]*href="([^"]+\.mp3)"[^>]*>(.*?)</a>', re.I | re.S)


def handbook_sounds(handbook_dir):
    """Sound links of the handbook pages: (mp3 name, spoken text, page)."""
    out = []
    for page in sorted(glob.glob(os.path.join(handbook_dir, "**", "*.html"), recursive=True)):
        text = open(page, encoding="utf-8").read()
        for href, label in HREF_RE.findall(text):
            out.append((href.split("/")[-1], squash(html.unescape(TAG_RE.sub(" ", label))), page))
    return out
