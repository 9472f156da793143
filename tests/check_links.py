#!/usr/bin/env python3
"""Every relative link in README.md and docs/*.md names a file that exists, and a heading that
the page it names has (as GitHub makes anchors of headings), so that a page moved or a heading
renamed leaves no link behind.

Usage: check_links.py [SOURCE_DIR]   (default: the folder above this script's)
Prints each broken link as FILE:LINE: TARGET (why) and exits with 1 if there is one.
"""

import re
import sys
from pathlib import Path

FENCE = re.compile(r"^\s*(```|~~~)")
HEADING = re.compile(r"^ {0,3}(#{1,6})\s+(.*?)\s*#*\s*$")
CODE_SPAN = re.compile(r"(`+)(.+?)\1", re.DOTALL)
# [text](target) and ![alt](target), the text possibly running over a line end; an optional
# "title" after the target.
INLINE_LINK = re.compile(r"!?\[([^\]]*)\]\(\s*<?([^)\s>]*)>?(?:\s+\"[^\"]*\")?\s*\)")
REFERENCE_DEFINITION = re.compile(r"^ {0,3}\[[^\]]+\]:\s*<?(\S+?)>?(?:\s|$)", re.MULTILINE)
SCHEME = re.compile(r"^[A-Za-z][A-Za-z0-9+.-]*:")


def prose_lines(text):
    """The lines of a page with its code blocks blanked (kept as empty lines, so that line
    numbers hold): fenced blocks, and indented blocks that follow a blank line."""
    lines = text.split("\n")
    result = []
    fenced = False
    indented = False
    previous_blank = True
    for line in lines:
        if FENCE.match(line):
            fenced = not fenced
            result.append("")
            continue
        if fenced:
            result.append("")
            continue
        blank = not line.strip()
        if line.startswith("    ") and not blank and (previous_blank or indented):
            indented = True
            result.append("")
            continue
        if not blank:
            indented = False
        previous_blank = blank
        result.append(line)
    return result


def anchor_of(heading):
    """GitHub's anchor for a heading's text: lower case, markup and punctuation dropped,
    spaces made hyphens."""
    text = CODE_SPAN.sub(lambda m: m.group(2), heading)
    text = re.sub(r"!?\[([^\]]*)\]\([^)]*\)", r"\1", text)
    text = text.lower()
    text = re.sub(r"[^\w\- ]", "", text)
    return text.replace(" ", "-")


def anchors_of(path, cache={}):
    if path not in cache:
        seen = {}
        anchors = set()
        for line in prose_lines(path.read_text(encoding="utf-8")):
            match = HEADING.match(line)
            if not match:
                continue
            anchor = anchor_of(match.group(2))
            count = seen.get(anchor, 0)
            seen[anchor] = count + 1
            anchors.add(anchor if count == 0 else f"{anchor}-{count}")
        cache[path] = anchors
    return cache[path]


def links_of(path):
    """(line number, target) of every link in the page's prose."""
    lines = prose_lines(path.read_text(encoding="utf-8"))
    # Code spans blanked to spaces of the same length, line ends kept.
    prose = CODE_SPAN.sub(lambda m: re.sub(r"[^\n]", " ", m.group(0)), "\n".join(lines))
    found = []
    for pattern, group in ((INLINE_LINK, 2), (REFERENCE_DEFINITION, 1)):
        for match in pattern.finditer(prose):
            found.append((prose.count("\n", 0, match.start(group)) + 1, match.group(group)))
    return sorted(found)


def broken(page, target, root):
    """Why the link does not hold, or None."""
    if not target or SCHEME.match(target) or target.startswith("//"):
        return None
    file_part, _, anchor = target.partition("#")
    destination = (page.parent / file_part).resolve() if file_part else page.resolve()
    if not destination.exists():
        return "no such file"
    if root.resolve() not in destination.parents and destination != root.resolve():
        return "outside the repository"
    if anchor:
        if destination.suffix != ".md" or not destination.is_file():
            return "a heading asked of a page that is not Markdown"
        if anchor not in anchors_of(destination):
            return f"no heading #{anchor} in {destination.relative_to(root.resolve())}"
    return None


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    pages = [root / "README.md"] + sorted((root / "docs").glob("*.md"))
    failures = 0
    links = 0
    for page in pages:
        if not page.is_file():
            print(f"{page}: missing", file=sys.stderr)
            failures += 1
            continue
        for line, target in links_of(page):
            links += 1
            why = broken(page, target, root)
            if why:
                print(f"{page.relative_to(root)}:{line}: {target} ({why})", file=sys.stderr)
                failures += 1
    print(f"{links} links in {len(pages)} pages, {failures} broken")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
