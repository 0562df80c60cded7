#!/usr/bin/env python3
"""Fails when a text of src/ that reads as words is neither marked for translation (tr(),
QCoreApplication::translate(), QT_TR_NOOP(), QT_TRANSLATE_NOOP()) nor listed in
scripts/untranslated-texts.txt as data that no language may change (file names, setting keys
and values, the export's headings, iCalendar keywords, object names...).

A text "reads as words" when it holds two words with a blank between or a capitalised word. Object names (given to
setObjectName, findChild, or the control-name arguments of the window builders) are names, not
texts, and are told apart by the call they stand in."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
LISTED = [
    line
    for line in (ROOT / "scripts" / "untranslated-texts.txt").read_text(encoding="utf-8").splitlines()
    if line and not line.startswith("#")
]
ALLOWED = {line for line in LISTED if not line.startswith("re:")}
ALLOWED_PATTERNS = [re.compile(line[3:]) for line in LISTED if line.startswith("re:")]
TRANSLATING = re.compile(r"(\btr|\btranslate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\s*\(\s*(\"(?:[^\"\\]|\\.)*\"\s*,\s*)?$")
NAMING = re.compile(
    r"(setObjectName|findChild<[^<>]*>|findChildren<[^<>]*>|placedButton|button|addCommand|"
    r"makeLabel|add)\s*\([^()]*$")
# Words for a reader: two words with a blank between, or one capitalised word. Names of
# things (keys, paths, identifiers, options) have neither.
WORDS = re.compile(r"[A-Za-z][ ][A-Za-z]|(^|[^A-Za-z])[A-Z][a-z]")
# A literal's own wrapper says nothing of what it is for.
WRAPPER = re.compile(r"(QStringLiteral|QLatin1String|QLatin1StringView|QByteArrayLiteral|"
                     r"QString::fromLatin1|QString::fromUtf8)\s*\(\s*$")
LITERAL = re.compile(r'"(?:[^"\\\n]|\\.)*"')


def strip_comments(text):
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if c == '"':
            m = LITERAL.match(text, i)
            if m:
                out.append(m.group(0))
                i = m.end()
                continue
        if c == "'" and i + 2 < n:
            j = text.find("'", i + 1 + (text[i + 1] == "\\"))
            out.append(text[i:j + 1])
            i = j + 1
            continue
        if text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
            continue
        if text.startswith("/*", i):
            j = text.find("*/", i)
            out.append("\n" * text.count("\n", i, j))
            i = n if j < 0 else j + 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def main():
    wrong = []
    for path in sorted((ROOT / "src").rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        text = strip_comments(path.read_text(encoding="utf-8"))
        for m in LITERAL.finditer(text):
            value = m.group(0)[1:-1]
            line_start = text.rfind("\n", 0, m.start()) + 1
            if text[line_start:m.start()].lstrip().startswith("#"):
                continue  # an #include, an #error
            if not WORDS.search(value) or value in ALLOWED:
                continue
            if any(p.fullmatch(value) for p in ALLOWED_PATTERNS):
                continue
            # What stands before the literal, adjacent literals of the same text skipped.
            before = text[:m.start()]
            while True:
                stripped = before.rstrip()
                prev = re.search(r'"(?:[^"\\\n]|\\.)*"$', stripped)
                if not prev:
                    break
                before = stripped[:prev.start()]
            window = WRAPPER.sub("", before[-160:])
            if TRANSLATING.search(window) or NAMING.search(window):
                continue
            line = text.count("\n", 0, m.start()) + 1
            wrong.append(f"{path.relative_to(ROOT)}:{line}: \"{value}\"")
    for w in wrong:
        print(w)
    if wrong:
        print(f"{len(wrong)} text(s) neither translatable nor listed as data "
              "(scripts/untranslated-texts.txt)")
        return 1
    print("texts: every text is translatable or listed as data")
    return 0


if __name__ == "__main__":
    sys.exit(main())
