#!/usr/bin/env python3
"""Fails when a shipped language lacks a text of the program: runs lupdate
over the sources into copies of the .ts files (the files themselves are left
alone) and counts what is unfinished there, new texts included.

    check-translations.py LUPDATE SOURCE_DIR FILE.ts...
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SHOWN = 8  # texts named per language; the count says the rest
RIGHT_TO_LEFT = ("ar", "fa", "he", "ur")


def missing(ts_path):
    """The source texts of ts_path still waiting for a translation."""
    out = []
    root = ET.parse(ts_path).getroot()
    language = root.get("language", "").split("_")[0]
    for message in root.iter("message"):
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "unfinished"
        if kind in ("vanished", "obsolete"):
            continue
        forms = [] if translation is None else list(translation.iter("numerusform"))
        empty = (
            translation is None
            or (forms and any(not (f.text or "").strip() for f in forms))
            or (not forms and not (translation.text or "").strip())
        )
        if kind == "unfinished" or empty:
            out.append(message.findtext("source", ""))
        elif message.findtext("source") == "QT_LAYOUT_DIRECTION":
            # Qt lays the window out by this word: a wrong one mirrors
            # (or fails to mirror) every window.
            wanted = "RTL" if language in RIGHT_TO_LEFT else "LTR"
            if (translation.text or "").strip() != wanted:
                out.append(f"QT_LAYOUT_DIRECTION (must be {wanted})")
    return out


def main(lupdate, sources, ts_files):
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for ts in ts_files:
            copy = os.path.join(scratch, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        run = subprocess.run(
            [lupdate, "-silent", "-locations", "none", "-no-ui-lines", sources, "-ts", *copies],
            capture_output=True,
            text=True,
        )
        if run.returncode != 0:
            sys.stderr.write(run.stdout + run.stderr)
            return 2
        for copy in copies:
            texts = missing(copy)
            name = os.path.basename(copy)
            if not texts:
                print(f"{name}: complete")
                continue
            failed = True
            print(f"{name}: {len(texts)} text(s) not translated, among them:")
            for text in texts[:SHOWN]:
                print(f"    {text!r}")
    if failed:
        print("Translate them in the .ts files (after `tbuild update_translations`).")
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
