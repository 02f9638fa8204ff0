"""Converts Debian's English-Polish FreeDict dictionary (dictd format) into
the dictionary window's data file.

One line per entry, UTF-16 little-endian with a byte-order mark and CR LF:
    "EN " number " [c]" word "=" translation "====" pronunciation
where c is the entry's word-class digit and the translation starts with a
class marker "[c] " (1 n, 2 adj, 3 v, 4 other, 5 phrase, 6 adv, 7 past
form, 8 past participle), markers repeating before each further word class.
Phrasal verbs, compounds and idioms become entries of their own (class 5);
past forms of irregular verbs, which the source does not list, are added
from a table of the sample's sources (classes 7 and 8), and course words
the source lacks come from a supplement.
"""
import gzip
import os
import re

INDEX = "/usr/share/dictd/freedict-eng-pol.index"
DATA = "/usr/share/dictd/freedict-eng-pol.dict.dz"
PREFIX = "EN "

POS_CLASS = {"N": 1, "Adj": 2, "V": 3, "V Mod": 3, "V Refl": 3, "Adv": 6,
             "N Comp": 5, "V Phras": 5}
B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
MAX_SENSES = 5


def b64(s):
    n = 0
    for c in s:
        n = n * 64 + B64.index(c)
    return n


def articles(index=INDEX, data=DATA):
    """(headword, article text) in index order, without the database info."""
    raw = gzip.open(data).read()
    for line in open(index, encoding="utf-8"):
        word, off, size = line.rstrip("\n").split("\t")
        if word.startswith("00database"):
            continue
        yield word, raw[b64(off): b64(off) + b64(size)].decode("utf-8")


def clean(text):
    """A gloss as the window shows it: comments in round brackets, no "=",
    no runs of blanks."""
    text = re.sub(r"\[([^\]]*)\]", r"(\1)", text)
    text = text.replace("=", "-").replace("{", "").replace("}", "")
    return re.sub(r"\s+", " ", text).strip(" ,;")


SECTION_RE = re.compile(r"^([IVX]+)\.\s*(?:<([^>]+)>)?(.*)$")
SENSE_RE = re.compile(r"^(\d+)\.\s+(.*)$")
PHRASE_RE = re.compile(r"^(.*?)(?:\s+/[^/]*/)?(?:\s+\[[^\]]*\])*\s{3,}(.*)$")


def parse(headword, text):
    """Main entry (word, class, translation, pronunciation) and extra phrase
    entries [(phrase, translation)] of one article."""
    lines = text.split("\n")
    first = lines[0]
    m = re.match(r"^(.*?)(?:\s+/([^/]*)/)?(?:\s+<([^>]+)>)?\s*$", first)
    ipa = (m.group(2) or "") if m else ""
    if "$" in ipa:
        ipa = ""  # a transcription the source could not convert
    pos = m.group(3) if m else None
    if m and m.group(1).strip().lower() == headword.lower():
        headword = m.group(1).strip()  # the article keeps the capital letters
    sections = []  # [class, [glosses]]
    phrases = []
    current = [POS_CLASS.get(pos, 4) if pos else 4, []]
    sections.append(current)
    pending_idiom = None
    for raw in lines[1:]:
        line = raw.strip()
        if not line or line.startswith("See also"):
            continue
        sm = SECTION_RE.match(line)
        if sm and (sm.group(2) or sm.group(3).strip() == "" or SENSE_RE.match(sm.group(3).strip() or "x")):
            spos, rest = sm.group(2), sm.group(3).strip()
            cls = POS_CLASS.get(spos, 4) if spos else 4
            if cls == 5 and rest:
                pm = PHRASE_RE.match(rest)
                if pm and pm.group(1).strip() and pm.group(2).strip():
                    phrases.append((clean(pm.group(1)), clean(pm.group(2))))
                continue
            current = [cls, []]
            sections.append(current)
            line = rest
            if not line:
                continue
        if line.startswith("- "):
            if pending_idiom:
                phrases.append((pending_idiom, clean(line[2:])))
                pending_idiom = None
            continue
        sn = SENSE_RE.match(line)
        if sn:
            line = sn.group(2).strip()
        idiom = re.match(r"^(.*?)\s*\((?:[^()]*:)[^()]*\)\s*$", line)
        if idiom:
            pending_idiom = clean(idiom.group(1))
            continue
        line = re.sub(r"^[a-z]\.\s*", "", line)
        gloss = clean(line)
        if gloss and len(current[1]) < MAX_SENSES and gloss not in current[1]:
            current[1].append(gloss)
    parts = []
    for cls, glosses in sections:
        if glosses:
            parts.append("[%d] %s" % (cls, ", ".join(glosses)))
    main_class = next((c for c, g in sections if g), sections[0][0])
    return (clean(headword), main_class, " ".join(parts), clean(ipa)), phrases


def irregular_entries(path):
    """Entries for the past forms of a table "base past participle meaning"
    (one verb a line; "/" separates two accepted forms)."""
    out = []
    for line in open(path, encoding="utf-8"):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        base, past, participle, meaning = line.split(None, 3)
        for forms, cls in ((past, 7), (participle, 8)):
            for form in forms.split("/"):
                out.append((form, cls, "[%d] %s: %s" % (cls, base, meaning), ""))
    return out


def extra_entries(path, known):
    """Entries of the supplement "word | translation" for words the source
    lacks."""
    out = []
    for line in open(path, encoding="utf-8"):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        word, tr = [f.strip() for f in line.split("|", 1)]
        if word.lower() in known:
            continue
        cls = int(re.match(r"\[(\d)\]", tr).group(1))
        out.append((word, cls, tr, ""))
    return out


def convert(out_path, irregular_path, extra_path):
    entries = []
    for word, text in articles():
        main, phrases = parse(word, text)
        if main[2]:
            entries.append(main)
        for phrase, tr in phrases:
            if phrase and tr:
                entries.append((phrase, 5, "[5] " + tr, ""))
    known = {e[0].lower() for e in entries}
    entries.extend(irregular_entries(irregular_path))
    entries.extend(extra_entries(extra_path, known))
    entries.sort(key=lambda e: (e[0].lower(), e[0], e[1]))
    lines = []
    for n, (word, cls, tr, ipa) in enumerate(entries, 1):
        lines.append("%s%d [%d]%s=%s====%s" % (PREFIX, n, cls, word, tr, ipa))
    data = "\ufeff" + "".join(l + "\r\n" for l in lines)
    with open(out_path + ".part", "wb") as f:
        f.write(data.encode("utf-16-le"))
    os.replace(out_path + ".part", out_path)
    return len(lines)
