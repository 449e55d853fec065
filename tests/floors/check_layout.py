#!/usr/bin/env python3
"""ARCHITECTURE.md names every folder of src/ and tests/, as `src/NAME/` or `tests/NAME/`.

    check_layout.py REPOSITORY
"""
import os
import sys


def missing(repository):
    with open(os.path.join(repository, "ARCHITECTURE.md"), encoding="utf-8") as f:
        text = f.read()
    found = []
    for top in ("src", "tests"):
        for name in sorted(os.listdir(os.path.join(repository, top))):
            if os.path.isdir(os.path.join(repository, top, name)) and f"{top}/{name}/" not in text:
                found.append(f"{top}/{name}/")
    return found


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 64
    found = missing(argv[1])
    for folder in found:
        print(f"ARCHITECTURE.md does not name {folder}")
    if not found:
        print("layout: ARCHITECTURE.md names every folder of src/ and tests/")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
