#!/usr/bin/env python3
"""The folders of src/ include only folders below them, as the README says.

    layers_test.py SRC README

The README's "Layout" section names the layers from the ground up ("Layers,
from the ground up: `xplane`, `shell`, ...") and lists the includes that still
run back up, one an item ("`src/FILE` includes `HEADER`: why" after the dash).
The test fails when a file of src/ includes a header of a higher layer (or
one reached through "..") that the list does not name, when the list names an
include that does not run back up (or no longer exists), and when a folder of
src/ is not a layer.
"""
import os
import re
import sys

SECTION = "## Layout"


def readme_layout(path):
    text = open(path, encoding="utf-8").read()
    start = text.find(SECTION)
    if start < 0:
        sys.exit(f"{path}: no section {SECTION!r}")
    end = text.find("\n## ", start + len(SECTION))
    section = " ".join(text[start:end if end >= 0 else len(text)].split())
    order = re.search(r"Layers, from the ground up: (.*?)\.", section)
    if not order:
        sys.exit(f"{path}: the section {SECTION!r} names no layers")
    layers = re.findall(r"`([a-z]+)`", order.group(1))
    allowed = set(re.findall(r"- `src/([^`]+)` includes `([^`]+)`:", section))
    return layers, allowed


def upward_includes(src, rank):
    """{(file, header)} of the includes into a higher layer, or out of src/ by "..".

    A header of src/ is included by its path from src/ ("cameras/set/camera.h").
    """
    found = set()
    for folder, _, files in os.walk(src):
        for name in files:
            rel = os.path.relpath(os.path.join(folder, name), src)
            layer = rel.split(os.sep)[0]
            if layer not in rank or not name.endswith((".h", ".cpp", ".mm")):
                continue
            for line in open(os.path.join(src, rel), encoding="utf-8", errors="replace"):
                m = re.match(r'\s*#\s*(?:include|import)\s+"(([^"/]+)/[^"]*)"', line)
                if m and (m.group(2) == ".." or rank.get(m.group(2), -1) > rank[layer]):
                    found.add((rel, m.group(1)))
    return found


def main():
    src, readme = sys.argv[1:3]
    layers, allowed = readme_layout(readme)
    rank = {name: i for i, name in enumerate(layers)}
    found = upward_includes(src, rank)
    folders = {d for d in os.listdir(src) if os.path.isdir(os.path.join(src, d))}
    failures = [f"src/{d}/ is not among the README's layers" for d in sorted(folders - set(rank))]
    failures += [f"src/{f} includes {h} against the layers, and the README does not name it"
                 for f, h in sorted(found - allowed)]
    failures += [f"the README names src/{f} including {h}, which does not run back up"
                 for f, h in sorted(allowed - found)]
    for failure in failures:
        print(failure)
    print(f"{len(found)} includes run back up; the README names {len(allowed)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
