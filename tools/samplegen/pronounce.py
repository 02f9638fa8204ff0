"""The trainer's pronunciation dictionaries, in the phone set of the
pocketsphinx en-us acoustic model.

slownik.dct holds one line per word of the sample lessons:
"word;WORD;PH O N E S" (the middle field is not read by the player).
tmp0.dct is the fixed base part that every task dictionary starts with:
sentence start and end, the marker that ends the garbage sub-lattice and
the garbage word, written "word [output] phones" as the task lines are.
Both are ANSI text with CR LF line ends.
"""
CMUDICT = "/usr/share/pocketsphinx/model/en-us/cmudict-en-us.dict"
GARBAGE = "P__GV_GBGE_"
MARKER = "_GV_GBGEMARKER_"


def load_cmudict(path=CMUDICT):
    """First pronunciation of every word (variants "word(2)" are skipped)."""
    prons = {}
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            parts = line.split()
            if len(parts) < 2 or "(" in parts[0]:
                continue
            prons.setdefault(parts[0].lower(), " ".join(parts[1:]))
    return prons


def lesson_words(word_lists):
    """Distinct words of the lessons' word lists ("a/b/c"), in first-seen order."""
    seen = []
    for wl in word_lists:
        for w in wl.split("/"):
            if w and w not in seen:
                seen.append(w)
    return seen


def slownik_lines(words, prons):
    """Lines of slownik.dct; raises KeyError naming the words the acoustic
    model's dictionary does not know."""
    missing = [w for w in words if w.lower() not in prons]
    if missing:
        raise KeyError("words missing from %s: %s" % (CMUDICT, ", ".join(missing)))
    return ["%s;%s;%s" % (w, w.upper(), prons[w.lower()]) for w in words]


def tmp0_lines():
    return [
        "<s> [] SIL",
        "</s> [] SIL",
        "%s [] SIL" % MARKER,
        "%s [%s] +SPN+" % (GARBAGE, GARBAGE),
    ]


def write_ansi(path, lines):
    data = "".join(l + "\r\n" for l in lines).encode("cp1250")
    with open(path, "wb") as f:
        f.write(data)
