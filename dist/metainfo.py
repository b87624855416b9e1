#!/usr/bin/env python3
"""Writes the AppStream metadata: the template with its "<!-- releases -->" line
replaced by the releases read from notes written in Markdown.

    metainfo.py TEMPLATE OUTPUT VERSION NOTES [DATES]

NOTES has a heading per release naming its version ("## 1.1.1 — 2026-12-09",
"# What's new in 1.2.0"); the paragraphs and "- " items under it become the
release's description. Notes without a version heading belong to VERSION.
A release's date comes from its heading, else from the heading of the same
version in DATES (dist/releases.md); a release with neither is left out.
"""
import html
import re
import sys

VERSION = re.compile(r"\b(\d+\.\d+(?:\.\d+)?)\b")
DATE = re.compile(r"\b(\d{4}-\d{2}-\d{2})\b")
HEADING = re.compile(r"^#{1,6}\s+(.*?)\s*#*\s*$")
ITEM = re.compile(r"^\s*[-*+]\s+(.*)$")


def inline(text):
    """Markdown inline markup to plain text, escaped for XML."""
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)
    text = re.sub(r"(\*\*|__|`)", "", text)
    return html.escape(text.strip(), quote=False)


def parse(path):
    """[(version, date or None, [("p"|"li", text)])] in file order."""
    releases = []
    current = None
    block = None  # ("p"|"li", [lines]) being gathered
    loose = []

    def flush():
        nonlocal block
        if block and block[1]:
            target = current[2] if current else loose
            target.append((block[0], " ".join(block[1])))
        block = None

    with open(path, encoding="utf-8") as notes:
        for line in notes:
            line = line.rstrip("\n")
            heading = HEADING.match(line)
            if heading:
                flush()
                version = VERSION.search(heading.group(1))
                if version:
                    date = DATE.search(heading.group(1))
                    current = (version.group(1), date.group(1) if date else None, [])
                    releases.append(current)
                elif current:
                    current[2].append(("p", heading.group(1)))
                continue
            item = ITEM.match(line)
            if item:
                flush()
                block = ("li", [item.group(1)])
            elif not line.strip():
                flush()
            elif block:
                block[1].append(line.strip())
            else:
                block = ("p", [line.strip()])
    flush()
    if not releases and loose:
        releases.append((None, None, loose))
    return releases


def description(parts, indent):
    out = []
    in_list = False
    for kind, text in parts:
        text = inline(text)
        if not text:
            continue
        if kind == "li" and not in_list:
            out.append(indent + "<ul>")
            in_list = True
        elif kind != "li" and in_list:
            out.append(indent + "</ul>")
            in_list = False
        out.append(indent + ("  <li>%s</li>" % text if kind == "li" else "<p>%s</p>" % text))
    if in_list:
        out.append(indent + "</ul>")
    return out


def key(version):
    return tuple(int(part) for part in version.split("."))


def main(template, output, version, notes, dates=None):
    known = {v: d for v, d, _ in parse(dates)} if dates else {}
    lines = ["  <releases>"]
    releases = []
    for v, d, parts in parse(notes):
        v = v or version
        d = d or known.get(v)
        if not d:
            print("metainfo.py: release %s has no date; left out" % v, file=sys.stderr)
            continue
        releases.append((v, d, parts))
    for v, d, parts in sorted(releases, key=lambda r: key(r[0]), reverse=True):
        lines.append('    <release version="%s" date="%s">' % (v, d))
        if parts:
            lines.append("      <description>")
            lines.extend(description(parts, "        "))
            lines.append("      </description>")
        lines.append("    </release>")
    lines.append("  </releases>")
    with open(template, encoding="utf-8") as f:
        text = f.read()
    if "  <!-- releases -->" not in text:
        sys.exit("metainfo.py: %s has no <!-- releases --> line" % template)
    with open(output, "w", encoding="utf-8") as f:
        f.write(text.replace("  <!-- releases -->", "\n".join(lines)))


if __name__ == "__main__":
    if len(sys.argv) not in (5, 6):
        sys.exit(__doc__)
    main(*sys.argv[1:])
