#!/usr/bin/env python3
"""Writes the fuzzing corpus in tests/fuzz/corpus/ from the test character's
frames: small character files whose pictures carry many kinds of PNG chunk
(seeds the fuzzer can mutate into trouble), and the hostile files the reader
must refuse or read cheaply, so that a regression shows at once. The files
are committed; run this again only to change them."""

import json
import pathlib
import struct
import zlib

HERE = pathlib.Path(__file__).resolve().parent
FRAMES = HERE.parent / "data" / "tinychar"
CORPUS = HERE / "corpus"
SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def frame(name):
    return (FRAMES / name).read_bytes()


def after_header(png, extra):
    """The picture with `extra` put right after its header chunk."""
    return png[:33] + extra + png[33:]


def claims(kind, length):
    """A chunk header claiming `length` bytes, followed by only a few."""
    return struct.pack(">I", length) + kind + b"x" * 16


def raw_png(width, height, color_type, depth, rows, before_data=b"", interlaced=False):
    """A PNG from unfiltered rows of packed samples; Adam7 when interlaced."""
    header = struct.pack(">IIBBBBB", width, height, depth, color_type, 0, 0, int(interlaced))
    if interlaced:
        channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[color_type]
        assert depth * channels % 8 == 0, "interlacing here needs whole-byte pixels"
        size = depth * channels // 8
        data = b""
        for x0, y0, dx, dy in ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4),
                               (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)):
            for y in range(y0, height, dy):
                line = b"".join(rows[y][x * size:(x + 1) * size] for x in range(x0, width, dx))
                if line:
                    data += b"\0" + line
    else:
        data = b"".join(b"\0" + row for row in rows)
    return (SIGNATURE + chunk(b"IHDR", header) + before_data +
            chunk(b"IDAT", zlib.compress(data, 9)) + chunk(b"IEND", b""))


def qchar(pngs, doubles=None):
    """A character file: picture 0 idles, the last is the open mouth."""
    images = [{"length": len(p)} for p in pngs]
    if doubles:
        for image, png in zip(images, doubles):
            image["length2x"] = len(png)
    manifest = {
        "name": "Seed",
        "voice": {"name": "en-us", "rate": 165, "pitch": 50},
        "images": images,
        "appear": [{"image": i, "ms": 40} for i in range(len(pngs))],
        "idle": [{"image": 0, "ms": 400}],
        "mouths": [{"shape": "closed", "image": 0}, {"shape": "open", "image": len(pngs) - 1}],
    }
    text = json.dumps(manifest, separators=(",", ":")).encode()
    version = 2 if doubles else 1
    return (b"QCHAR\r\n\x1a" + struct.pack("<II", version, len(text)) + text +
            b"".join(pngs) + b"".join(doubles or []))


def main():
    idle, mouth = frame("idle.png"), frame("mouth-open.png")
    idle2, mouth2 = frame("idle@2x.png"), frame("mouth-open@2x.png")
    files = {}

    # Well-formed seeds.
    texts = (chunk(b"tEXt", b"Title\0Seed") +
             chunk(b"zTXt", b"Comment\0\0" + zlib.compress(b"drawn for the tests")) +
             chunk(b"iTXt", b"Author\0\1\0en\0Autor\0" + zlib.compress(b"the tests")) +
             chunk(b"iTXt", b"Source\0\0\0\0\0plain"))
    colour = (chunk(b"gAMA", struct.pack(">I", 45455)) + chunk(b"sRGB", b"\0") +
              chunk(b"cHRM", struct.pack(">8I", 31270, 32900, 64000, 33000, 30000, 60000,
                                         15000, 6000)) +
              chunk(b"iCCP", b"none\0\0" + zlib.compress(b"\0" * 128)) +
              chunk(b"sBIT", b"\x08\x08\x08\x08") + chunk(b"bKGD", b"\0\0\0\0\0\0") +
              chunk(b"pHYs", struct.pack(">IIB", 2835, 2835, 1)) +
              chunk(b"sPLT", b"few\0\x08" + b"\x3a\x7b\xd5\xff\0\1" * 3) +
              chunk(b"eXIf", b"MM\0\x2a\0\0\0\x08\0\0"))
    files["chunks"] = qchar([after_header(idle, texts), after_header(mouth, colour)])

    pixels = [bytes(((x + y) % 4) * 0x55 for x in range(4)) for y in range(20)]  # 2 bits
    palette = chunk(b"PLTE", b"\0\0\0\x3a\x7b\xd5\xff\xff\xff\x10\x10\x10")
    rgb = [bytes(v for x in range(16) for v in (x * 16, y * 12, 200)) for y in range(20)]
    grey16 = [b"".join(struct.pack(">H", x * 4000 + y) for x in range(16)) for y in range(20)]
    files["colour-types"] = qchar([
        raw_png(16, 20, 3, 2, pixels, palette + chunk(b"tRNS", b"\0\x80")),
        raw_png(16, 20, 2, 8, rgb, palette + chunk(b"tRNS", b"\0\0\0\0\0\xc8"), True),
        raw_png(16, 20, 0, 16, grey16, chunk(b"tRNS", b"\0\0"), True),
    ])
    files["double-size"] = qchar([idle, mouth], [idle2, mouth2])

    # Hostile files: each must be refused (or read) without a large
    # allocation. A chunk claiming 2 GB once made the decoder allocate it.
    for kind in (b"tEXt", b"zTXt", b"iTXt", b"sPLT", b"iCCP", b"IDAT"):
        files["bomb-" + kind.decode()] = qchar([after_header(idle, claims(kind, 0x7FFFFFFF)),
                                                 mouth])
    files["bomb-tEXt-256M"] = qchar([after_header(idle, claims(b"tEXt", 0x10000000)), mouth])
    files["bomb-past-end"] = qchar([idle[:33] + struct.pack(">I", len(idle) - 33 - 7) +
                                    idle[37:], mouth])
    files["bomb-inflating-text"] = qchar([after_header(idle, chunk(
        b"iTXt", b"Comment\0\1\0\0\0" + zlib.compress(b"a" * (4 << 20), 9))), mouth])
    idat = idle.index(b"IDAT") - 4
    files["bomb-bad-image-data"] = qchar([idle[:idat] + chunk(b"IDAT", b"not deflated") +
                                          chunk(b"IEND", b""), mouth])
    files["bomb-double-size"] = qchar([idle, mouth], [
        after_header(idle2, claims(b"zTXt", 0x7FFFFFFF)), mouth2])

    CORPUS.mkdir(exist_ok=True)
    for old in CORPUS.glob("*.qchar"):
        old.unlink()
    for name, data in files.items():
        (CORPUS / (name + ".qchar")).write_bytes(data)


if __name__ == "__main__":
    main()
