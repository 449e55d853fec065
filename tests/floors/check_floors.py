#!/usr/bin/env python3
"""The include graph keeps to the program's floors: each folder of src/ includes only
the folders listed for it below (and system headers). Prints every offending line and
exits 1; exits 0 when there is none.

    check_floors.py SRC_DIR
    check_floors.py --self-test SRC_DIR   puts back includes that broke the floors once
                                          and expects each to be caught
"""
import os
import re
import shutil
import sys
import tempfile

# Each folder of src/ and the folders of ours it may include. The ground first: the
# bounded text helpers stand on nothing; the framework and the run log (journal) know
# nothing of the program; device services are handed what they need; state/ holds
# what a run knows and stands under the procedures; installation and removal know no
# windows; app/ is the top floor, the program's start, and nothing includes it.
MAY_INCLUDE = {
    "text": {"text"},
    "framework": {"framework", "text"},
    "journal": {"journal", "text"},
    "device": {"device", "journal", "framework", "text"},
    "com": {"com", "framework", "text", "res"},
    "state": {"state", "framework", "text"},
    "install": {"install", "state", "device", "journal", "framework", "text", "res"},
    "remove": {"remove", "install", "state", "device", "journal", "framework", "text"},
    "ui": {"ui", "state", "com", "device", "install", "remove", "journal", "framework", "text", "res"},
    "app": {"app", "state", "com", "device", "install", "remove", "ui", "journal", "framework", "text", "res"},
    "res": {"res"},
    "disccheck": {"disccheck", "state", "install", "remove", "ui", "text"},
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCE = re.compile(r"\.(c|cc|cpp|h|hpp|rc)$")


def violations(src):
    src = os.path.realpath(src)
    found = []
    for folder, _, files in sorted(os.walk(src)):
        for name in sorted(files):
            if not SOURCE.search(name):
                continue
            path = os.path.join(folder, name)
            floor = os.path.relpath(path, src).split(os.sep)[0]
            allowed = MAY_INCLUDE.get(floor)
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    target = os.path.realpath(os.path.join(folder, m.group(1)))
                    relative = os.path.relpath(target, src)
                    if relative.startswith(".."):
                        found.append(f"{os.path.relpath(path, src)}:{number}: {line.strip()}: outside src/")
                        continue
                    to = relative.split(os.sep)[0]
                    if allowed is None:
                        found.append(f"{os.path.relpath(path, src)}:{number}: src/{floor}/ has no floor of its own")
                    elif to not in allowed:
                        found.append(f"{os.path.relpath(path, src)}:{number}: {line.strip()}: "
                                     f"{floor}/ may not include {to}/")
    return found


# Includes that once ran the wrong way, each put back into a copy of the tree.
BROKEN = [
    ("framework/window.cpp", '#include "../state/setup_state.h"'),
    ("install/install_driver.cpp", '#include "../ui/wizard_messages.h"'),
    ("device/device_list.cpp", '#include "../state/setup_state.h"'),
    ("install/install_plan.h", '#include "../app/setup_app.h"'),
    ("state/setup_ini.cpp", '#include "../install/install_plan.h"'),
    ("journal/journal.cpp", '#include "../state/setup_state.h"'),
]


def self_test(src):
    failures = 0
    for folder, allowed in sorted(MAY_INCLUDE.items()):
        if folder != "app" and "app" in allowed:
            print(f"NOT kept: {folder}/ may include app/, the top floor")
            failures += 1
    for path, line in BROKEN:
        with tempfile.TemporaryDirectory() as copy:
            tree = os.path.join(copy, "src")
            shutil.copytree(src, tree)
            with open(os.path.join(tree, path), "a") as f:
                f.write(line + "\n")
            caught = [v for v in violations(tree) if v.startswith(path + ":")]
            if caught:
                print(f"caught: {caught[0]}")
            else:
                print(f"NOT caught: {line} in {path}")
                failures += 1
    return failures


def main(argv):
    if len(argv) == 3 and argv[1] == "--self-test":
        return 1 if self_test(argv[2]) else 0
    if len(argv) != 2:
        print(__doc__)
        return 64
    found = violations(argv[1])
    for v in found:
        print(v)
    if not found:
        print("include floors: every include keeps to its floor")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
