#!/usr/bin/env python3
"""Fails when a source file includes a header of a library above its own or of
a sibling it may not see, or when a folder's CMake file adds sources to another
folder's library.

Libraries, bottom up (a library may include its own folder and those below):
    common  <  advice, chart  <  document  <  app
advice and chart are siblings: neither includes the other.
"""

import re
import sys
from pathlib import Path

RANK = {"common": 0, "advice": 1, "chart": 1, "document": 2, "app": 3}
# The program itself is built from app/ as well.
TARGETS = {folder: {"virelai_" + folder} for folder in RANK}
TARGETS["app"].add("virelai")

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
TARGET_SOURCES = re.compile(r"target_sources\(\s*([A-Za-z0-9_]+)")


def library_of(path, src):
    parts = path.relative_to(src).parts
    return parts[0] if len(parts) > 1 else None


def may_include(own, other):
    return other == own or RANK[other] < RANK[own]


def resolve(include, including_file, src):
    beside = (including_file.parent / include).resolve()
    return beside if beside.exists() else (src / include).resolve()


def include_faults(src):
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        own = library_of(path, src)
        text = path.read_text(encoding="utf-8")
        for match in INCLUDE.finditer(text):
            if match.group(1).endswith(".moc"):
                continue  # made by Qt's moc in the build tree, for this file alone
            target = resolve(match.group(1), path, src)
            if src not in target.parents:
                faults.append(f"{path}: includes {match.group(1)} from outside src/")
                continue
            other = library_of(target, src)
            if other not in RANK or own not in RANK:
                faults.append(f"{path}: {match.group(1)} is in no library")
            elif not may_include(own, other):
                faults.append(f"{path}: {own}/ may not include {match.group(1)}")
    return faults


def target_faults(src):
    faults = []
    for cmake in sorted(src.rglob("CMakeLists.txt")):
        own = library_of(cmake, src)
        if own is None:
            continue
        for target in TARGET_SOURCES.findall(cmake.read_text(encoding="utf-8")):
            if target not in TARGETS.get(own, ()):
                faults.append(f"{cmake}: {own}/ adds sources to {target}")
    return faults


def main():
    src = Path(sys.argv[1]).resolve()
    faults = include_faults(src) + target_faults(src)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
