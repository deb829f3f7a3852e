#!/usr/bin/env python3
"""Checks the wizard's language packs against each other and against the sources.

Reports
  * ids of the English pack that another pack lacks, and ids another pack has but English does not;
  * messages whose translation is empty;
  * ids the sources use that the English pack lacks (file and line of each use).

Exit status: 0 when the English pack has every id the sources use, 1 when it lacks one or a pack cannot
be read. With --strict any reported problem fails the check.

Ids are found in calls of these shapes (the number must be written as a literal):
  GetLocalizedText(5009)   GetJoinedText(2101)   Message::fromId(5009)
  setTextId(control, 1102)   makeLabel(parent, "Name", 2102, ...)   makeHeading(parent, nullptr, 1010, ...)
  makeControl<QCheckBox>(parent, "Name", 1102, ...)   and any other make...(parent, "Name", id, ...) factory
  setProperty(kTextIdProperty, 1102) / (kToolTipTextIdProperty, 1102) / (kColumnTextIdsProperty, {2628, 2629})
"""

import argparse
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

ENGLISH = "KitbenchRes45en.ts"
# Pieces of the service description: added to the packs by the build from the WSDL file.
GENERATED_IDS = {9001, 9002, 9003}

ARG = r"(?:[^,()]|\([^()]*\))+"  # one call argument, allowing one level of parentheses
ID_PATTERNS = [
    re.compile(r"\b(?:GetLocalizedText|GetJoinedText)\s*\(\s*(\d+)\s*\)"),
    re.compile(r"\bMessage\s*::\s*fromId\s*\(\s*(\d+)\s*[,)]"),
    re.compile(r"\bsetTextId\s*\(" + ARG + r",\s*(\d+)\s*\)"),
    # The control factories and the pages' own wrappers of them: make...(parent, "Name", id, ...).
    re.compile(r"\bmake\w*\s*(?:<[^<>;]*(?:<[^<>;]*>[^<>;]*)*>)?\s*\(" + ARG
               + r",\s*(?:\"[^\"]*\"|nullptr)\s*,\s*(\d+)\s*[,)]"),
    re.compile(r"\bsetProperty\s*\(\s*(?:k\w*TextIdProperty|\"\w*[tT]extId\")\s*,\s*(\d+)\s*\)"),
]
ID_LIST_PATTERN = re.compile(
    r"\bsetProperty\s*\(\s*(?:k\w*TextIdsProperty|\"\w*[tT]extIds\")\s*,\s*(?:QVariantList\s*)?\{([\d\s,]*)\}")
# 0 is the factories' "no text id".
NO_TEXT = 0


def strip_comments(code):
    """Blanks out // and /* */ comments, keeping string literals and line numbers intact."""
    out = []
    i, n = 0, len(code)
    while i < n:
        c = code[i]
        if c in "\"'":
            j = i + 1
            while j < n and code[j] != c and code[j] != "\n":
                j += 2 if code[j] == "\\" else 1
            out.append(code[i:j + 1])
            i = j + 1
        elif code.startswith("//", i):
            j = code.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif code.startswith("/*", i):
            j = code.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", code[i:j]))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def ids_used_in(path):
    """Yields (id, line) for every text id used by a source file."""
    code = strip_comments(path.read_text(encoding="utf-8", errors="replace"))
    for pattern in ID_PATTERNS:
        for m in pattern.finditer(code):
            yield int(m.group(1)), code.count("\n", 0, m.start(1)) + 1
    for m in ID_LIST_PATTERN.finditer(code):
        line = code.count("\n", 0, m.start(1)) + 1
        for number in re.findall(r"\d+", m.group(1)):
            yield int(number), line


def read_pack(path):
    """Returns {id: translation} of a pack; raises ValueError on a malformed file."""
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        raise ValueError(f"{path}: not well-formed XML: {error}") from error
    if root.tag != "TS":
        raise ValueError(f"{path}: root element is <{root.tag}>, expected <TS>")
    texts = {}
    for message in root.iter("message"):
        key = message.get("id", "")
        if not re.fullmatch(r"T\d+", key):
            raise ValueError(f"{path}: message id {key!r} is not T followed by a number")
        number = int(key[1:])
        if number in texts:
            raise ValueError(f"{path}: id {key} appears twice")
        translation = message.find("translation")
        texts[number] = "" if translation is None or translation.text is None else translation.text
    return texts


def main():
    repo = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--lang-dir", type=pathlib.Path, default=repo / "resources" / "lang")
    parser.add_argument("--src-dir", type=pathlib.Path, default=repo / "src")
    parser.add_argument("--strict", action="store_true", help="fail on every reported problem")
    args = parser.parse_args()

    problems = 0
    try:
        english = read_pack(args.lang_dir / ENGLISH)
        others = {p.name: read_pack(p) for p in sorted(args.lang_dir.glob("KitbenchRes45*.ts")) if p.name != ENGLISH}
    except (OSError, ValueError) as error:
        print(f"error: {error}", file=sys.stderr)
        return 1
    print(f"{ENGLISH}: {len(english)} ids")

    for name, texts in [(ENGLISH, english)] + list(others.items()):
        empty = sorted(i for i, text in texts.items() if not text)
        if empty:
            problems += len(empty)
            print(f"{name}: {len(empty)} empty translation(s): " + ", ".join(map(str, empty)))
    for name, texts in others.items():
        missing = sorted(set(english) - set(texts))
        extra = sorted(set(texts) - set(english))
        print(f"{name}: {len(texts)} ids")
        if missing:
            problems += len(missing)
            print(f"{name}: {len(missing)} id(s) of the English pack missing: " + ", ".join(map(str, missing)))
        if extra:
            problems += len(extra)
            print(f"{name}: {len(extra)} id(s) not in the English pack: " + ", ".join(map(str, extra)))

    uses = {}
    sources = sorted(p for p in args.src_dir.rglob("*") if p.suffix in (".cpp", ".h") and p.is_file())
    for path in sources:
        for number, line in ids_used_in(path):
            uses.setdefault(number, []).append(f"{path.relative_to(args.src_dir.parent)}:{line}")
    lacking = sorted(set(uses) - set(english) - GENERATED_IDS - {NO_TEXT})
    uses.pop(NO_TEXT, None)
    print(f"sources: {len(sources)} files use {len(uses)} distinct ids")
    for number in lacking:
        print(f"{ENGLISH}: lacks id {number}, used at " + ", ".join(uses[number]))

    if lacking:
        print(f"FAILED: the English pack lacks {len(lacking)} id(s) the sources use")
        return 1
    if problems and args.strict:
        print(f"FAILED: {problems} problem(s) in the packs")
        return 1
    print("OK" if not problems else f"OK (with {problems} problem(s) listed above)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
