"""Pictures of the sample course, drawn from the SVG sources in sample/art.

An SVG source may hold "{{name}}" placeholders, filled from the picture
list, and <include href="icons/x.svg" x=".." y=".." scale=".."/> elements,
replaced by the drawing of that icon (without its background). ffmpeg's
librsvg decoder rasterises the result; the extension of the output decides
its format: PNG, 24-bit BMP or JPEG.
"""
import os
import re
import subprocess
import tempfile

INCLUDE_RE = re.compile(r'<include\s+href="([^"]+)"\s+x="([^"]+)"\s+y="([^"]+)"\s+scale="([^"]+)"\s*/>')
PLACEHOLDER_RE = re.compile(r"\{\{(\w+)\}\}")


def icon_body(path):
    """The drawing of an icon: its svg element's content without the
    gradient definitions and the background rectangle."""
    text = open(path, encoding="utf-8").read()
    inner = text[text.index(">", text.index("<svg")) + 1: text.rindex("</svg>")]
    inner = re.sub(r"<defs>.*?</defs>", "", inner, flags=re.S)
    inner = re.sub(r'<rect width="160" height="200"[^>]*/>', "", inner)
    return inner


def expand(svg_path, values, art_dir):
    text = open(svg_path, encoding="utf-8").read()

    def include(m):
        href, x, y, s = m.groups()
        body = icon_body(os.path.join(art_dir, href))
        return '<g transform="translate(%s %s) scale(%s)">%s</g>' % (x, y, s, body)

    text = INCLUDE_RE.sub(include, text)

    def fill(m):
        if m.group(1) not in values:
            raise KeyError("%s needs a value for {{%s}}" % (svg_path, m.group(1)))
        return values[m.group(1)]

    return PLACEHOLDER_RE.sub(fill, text)


def render(svg_text, out_path, size=None):
    """Writes out_path from SVG text. size = (width, height) or None for the
    drawing's own size."""
    os.makedirs(os.path.dirname(out_path), exist_ok=True)
    ext = os.path.splitext(out_path)[1].lower()
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "in.svg")
        with open(src, "w", encoding="utf-8") as f:
            f.write(svg_text)
        cmd = ["ffmpeg", "-nostdin", "-v", "error", "-y"]
        if size:
            cmd += ["-width", str(size[0]), "-height", str(size[1]), "-keep_ar", "0"]
        cmd += ["-i", src, "-frames:v", "1"]
        if ext == ".bmp":
            cmd += ["-pix_fmt", "bgr24", "-f", "image2", "-c:v", "bmp"]
        elif ext in (".jpg", ".jpeg"):
            cmd += ["-pix_fmt", "yuvj444p", "-q:v", "3", "-f", "image2", "-c:v", "mjpeg"]
        elif ext == ".png":
            cmd += ["-f", "image2", "-c:v", "png"]
        else:
            raise ValueError("unknown picture format: " + out_path)
        tmp_out = os.path.join(tmp, "out" + ext)
        subprocess.run(cmd + ["-bitexact", tmp_out], check=True)
        _move(tmp_out, out_path)


def _move(src, dst):
    part = dst + ".part"
    with open(src, "rb") as a, open(part, "wb") as b:
        b.write(a.read())
    os.replace(part, dst)


def parse_list(path):
    """Lines of the picture list: "target | source.svg | key=value ...".
    A target begins with "app:" (each installation) or "media:" (the media
    root); "size=WxH" scales the drawing."""
    entries = []
    for n, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        fields = [f.strip() for f in line.split("|")]
        if len(fields) < 2:
            raise ValueError("%s:%d: expected 'target | source'" % (path, n))
        values = {}
        for pair in re.findall(r'(\w+)=("[^"]*"|\S+)', fields[2] if len(fields) > 2 else ""):
            values[pair[0]] = pair[1].strip('"')
        size = None
        if "size" in values:
            w, h = values.pop("size").split("x")
            size = (int(w), int(h))
        entries.append((fields[0], fields[1], values, size))
    return entries
