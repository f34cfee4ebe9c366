#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the program's catalogues (translations/quornel_*.ts):
- every text in the code is in every catalogue, and no catalogue holds a text
  the code no longer has: lupdate is run over the sources into scratch copies,
  which must come out as they went in;
- every entry of every catalogue is translated (no unfinished, vanished or
  empty entry, every plural form given), keeping the placeholders (%1, %n)
  and the line breaks of its source.

usage: check_catalogues.py LUPDATE SOURCES_LIST TS_FOLDER
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def entries(ts):
    """(context, source, comment) of every live entry, and the problems found."""
    found, problems = set(), []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            key = (name, source, message.findtext("comment") or "")
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("vanished", "obsolete"):
                problems.append(f"{ts.name}: {name}: no longer in the code: {source!r}")
                continue
            found.add(key)
            if kind == "unfinished" or translation is None:
                problems.append(f"{ts.name}: {name}: not translated: {source!r}")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")]
            texts = forms if message.get("numerus") == "yes" else [translation.text or ""]
            for text in texts:
                if not text.strip():
                    problems.append(f"{ts.name}: {name}: empty translation of {source!r}")
                elif set(re.findall(r"%\d|%n", text)) != set(re.findall(r"%\d|%n", source)):
                    problems.append(f"{ts.name}: {name}: placeholders of {source!r} "
                                    f"differ in {text!r}")
                elif source.count("\n") and not text.count("\n"):
                    problems.append(f"{ts.name}: {name}: line breaks of {source!r} lost")
    return found, problems


def main():
    lupdate, sources, folder = sys.argv[1:4]
    catalogues = sorted(Path(folder).glob("quornel_*.ts"))
    if not catalogues:
        print("no catalogues in", folder)
        return 1
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = [Path(shutil.copy(ts, scratch)) for ts in catalogues]
        files = [line for line in Path(sources).read_text().splitlines() if line]
        subprocess.run([lupdate, "-silent", "-locations", "none", *files, "-ts", *map(str, copies)],
                       check=True)
        for ts, copy in zip(catalogues, copies):
            (before, found), (after, _) = entries(ts), entries(copy)
            problems += found
            problems += [f"{ts.name}: {c}: a text of the code is missing: {s!r}"
                         for c, s, _ in sorted(after - before)]
            problems += [f"{ts.name}: {c}: no longer in the code: {s!r}"
                         for c, s, _ in sorted(before - after)]
    print(*problems, f"{len(catalogues)} catalogues, {len(problems)} problems", sep="\n")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
