#!/usr/bin/env python3
"""Zips a kit's folder so that the same files always give the same bytes: the folder,
then its files in name order, each with one given time and fixed attributes.

    kit_zip.py FOLDER ZIP SECONDS

SECONDS is a time as SOURCE_DATE_EPOCH gives it; before 1980, the zip format's first
day, it counts as 1980-01-01.
"""
import os
import sys
import time
import zipfile

ZIP_FIRST_DAY = 315532800  # 1980-01-01 00:00 UTC
MSDOS_FOLDER = 0x10


def entry(name, mode, stamp):
    info = zipfile.ZipInfo(name, stamp)
    info.create_system = 3  # Unix: the mode below is kept on unpacking
    info.external_attr = mode << 16
    info.compress_type = zipfile.ZIP_DEFLATED
    return info


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 64
    folder, target, seconds = argv[1], argv[2], int(argv[3])
    stamp = time.gmtime(max(seconds, ZIP_FIRST_DAY))[:6]
    base = os.path.basename(os.path.normpath(folder))
    with zipfile.ZipFile(target, "w") as archive:
        folder_entry = entry(base + "/", 0o40755, stamp)
        folder_entry.external_attr |= MSDOS_FOLDER
        archive.writestr(folder_entry, b"")
        for name in sorted(os.listdir(folder)):
            path = os.path.join(folder, name)
            if not os.path.isfile(path):
                print(f"kit_zip: {path} is not a file; a kit is one folder of files", file=sys.stderr)
                return 1
            with open(path, "rb") as f:
                archive.writestr(entry(f"{base}/{name}", 0o100644, stamp), f.read())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
