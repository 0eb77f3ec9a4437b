#!/usr/bin/env python3
"""Checks the window's translations (translations/travonix_<language>.ts).

Every language is there and finished: no unfinished, obsolete or vanished
entry, no empty text. Every translation keeps its source's placeholders (%1,
%n, %p) and line breaks, in every plural form. The files are in step with
the texts of ui/ and flow/: lupdate, run into a copy, finds no text the
files lack and none they hold in vain. English holds only the texts with a
number, each with its plural forms.

usage: check_translations.py LUPDATE SOURCE_DIR LANGUAGE...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:\d+|n|p)")
STALE_TYPES = {"unfinished", "obsolete", "vanished"}


def messages(path):
    """(context, source) -> (numerus, translation element) of one .ts file."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"))
            found[key] = (message.get("numerus") == "yes", message.find("translation"))
    return found


def texts_of(numerus, translation):
    if numerus:
        return [form.text or "" for form in translation.iter("numerusform")]
    return [translation.text or ""]


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def problems_of(path, found):
    for (context, source), (numerus, translation) in found.items():
        where = f"{path.name}: {context}: {source!r}"
        if translation is None:
            yield f"{where}: no translation"
            continue
        if translation.get("type") in STALE_TYPES:
            yield f"{where}: {translation.get('type')}"
        for text in texts_of(numerus, translation):
            if not text.strip():
                yield f"{where}: empty"
            elif placeholders(text) != placeholders(source):
                yield f"{where}: placeholders {placeholders(text)} in {text!r}"
            elif text.count("\n") != source.count("\n"):
                yield f"{where}: {text.count(chr(10))} line breaks in {text!r}"


def current_texts(lupdate, source_dir, template):
    """(context, source) -> numerus of the texts lupdate finds in ui/ and flow/ now."""
    with tempfile.TemporaryDirectory() as work:
        copy = Path(work) / template.name
        shutil.copyfile(template, copy)
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "ui", "flow", "-ts", str(copy)],
                       cwd=source_dir, check=True)
        return {key: numerus for key, (numerus, _) in messages(copy).items()}


def main(lupdate, source_dir, languages):
    folder = Path(source_dir) / "translations"
    problems = []
    files = {language: folder / f"travonix_{language}.ts" for language in languages + ["en"]}
    absent = [path.name for path in files.values() if not path.is_file()]
    if absent:
        print("missing: " + ", ".join(absent), file=sys.stderr)
        return 1
    found = {language: messages(path) for language, path in files.items()}
    wanted = current_texts(lupdate, source_dir, files[languages[0]])
    for language, path in files.items():
        problems += problems_of(path, found[language])
        expected = {key for key, numerus in wanted.items() if numerus or language != "en"}
        for key in sorted(expected - set(found[language])):
            problems.append(f"{path.name}: not translated yet (run the update_translations target): {key}")
        for key in sorted(set(found[language]) - expected):
            problems.append(f"{path.name}: no longer in the sources: {key}")
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"check_translations: {len(files)} files, {len(wanted)} texts, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
