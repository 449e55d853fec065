#!/usr/bin/env python3
"""Writes the fuzz targets' committed seeds into tests/fuzz/corpus/<target>/: realistic
setup.ini values; texts of 95, 96, 259, 260 and 261 bytes; ids with "&", "\\" and lower
case; empty values; non-ASCII bytes, among them double-byte characters whose second
byte is 0x5C in code pages 932 ("表", "一覧表") and 950 ("許"). Run it again after
changing a target's input form; the targets' headers describe each form."""
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLE_INI = os.path.join(HERE, "..", "support", "disc", "setup.ini")

TABLE = "\u8868".encode("cp932")                    # 表: 95 5C
JAPANESE_LIST = "\u4e00\u89a7\u8868".encode("cp932")  # 一覧表: 88 EA 97 97 95 5C
CHINESE_XU = "\u8a31".encode("big5")                # 許: B3 5C
assert TABLE == b"\x95\x5c" and JAPANESE_LIST.endswith(b"\x5c") and CHINESE_XU == b"\xb3\x5c"


def text(length, fill=b"x"):
    return (fill * length)[:length]


def env(kind, code_page=1252, **folders):
    lines = [b"[Env]", b"OsKind=%d" % kind, b"CodePage=%d" % code_page, b"Present=0"]
    lines += [name.encode() + b"=" + value for name, value in folders.items()]
    return b"\r\n".join(lines) + b"\r\n"


def ini(**sections):
    out = b""
    for section, keys in sections.items():
        out += b"[" + section.encode() + b"]\r\n"
        out += b"".join(key.encode() + b"=" + value + b"\r\n" for key, value in keys)
    return out


def plans():
    with open(SAMPLE_INI, "rb") as f:
        sample = f.read()
    seeds = {f"sample_{kind}": env(kind) + sample for kind in (2, 3, 4, 5, 6, 7, 8)}
    seeds["sample_unknown_folders"] = env(2, SourceDir=b"", WindowsDir=b"", SystemDir=b"") + sample
    seeds["japanese_names"] = env(5, 932, SourceDir=b"D:\\" + JAPANESE_LIST) + ini(
        Vendors=[("Vendor0", b"VID_1234&PID_ABCD")],
        Pre_Define=[("VendorName", b"Acme"), ("ProductName", JAPANESE_LIST)],
        Win2KXP_FileName=[("FileName_ICON", TABLE + b".dll"), ("FileName_SYS", JAPANESE_LIST + b".sys")])
    seeds["chinese_names_98"] = env(2, 950, WindowsDir=b"C:\\" + CHINESE_XU) + ini(
        Pre_Define=[("VendorName", CHINESE_XU), ("ProductName", CHINESE_XU + b"\\" + CHINESE_XU)],
        Win9XME_FileName=[("FileName_PDR", CHINESE_XU + b".pdr"), ("FileName_INF", b"\xb3")],
        Win9XME_JOVName=[("JOV_NAME", CHINESE_XU)])
    seeds["names_leading_out"] = env(2) + ini(
        Pre_Define=[("VendorName", b"..\\..\\Windows"), ("ProductName", b".. ")],
        Win9XME_FileName=[("FileName_SYS", b"..\\..\\evil.sys"), ("FileName_PDR", b"..."),
                          ("FileName_ICON", b"C:\\evil.dll"), ("FileName_INF_DISK", b" ")],
        Win9XME_JOVName=[("JOV_NAME", b"..\\")])
    seeds["ids"] = env(5) + ini(
        Vendors=[("Vendor0", b"vid_1234&pid_abcd&mi_00"), ("Vendor1", b"VID_1234\\PID_ABCD"), ("Vendor2", b"PID_")])
    seeds["vendor_entries_95_96"] = env(8).replace(b"Present=0", b"Present=1") + ini(
        Vendors=[("Vendor0", text(96, b"V")), ("Vendor1", b"VID_1234&PID_" + text(82, b"A")),
                 ("Vendor2", text(95, b"W"))])
    for length in (259, 260, 261):
        seeds[f"values_{length}"] = env(2, SourceDir=text(length - 20, b"d")) + ini(
            Pre_Define=[("VendorName", text(length, b"v")), ("ProductName", text(length, b"p"))],
            Win9XME_INFPath=[("INFPath", b"\\" + text(length - 1, b"i"))],
            Win9XME_FileName=[("FileName_ICON", text(length, b"c")), ("FileName_SYS", text(length, b"s"))],
            Win2KXP_DriveName=[("UserDefine", b"1"), ("SD_Name", text(length, b"n"))])
    seeds["empty_values"] = env(5, ProgramsDir=b"", ProgramFilesDir=b"") + ini(
        Vendors=[("Vendor0", b"")], Pre_Define=[("VendorName", b""), ("ProductName", b"")],
        Win2KXP_FileName=[("FileName_SYS", b""), ("FileName_ICON", b"")], Win2KXP_INFPath=[("INFPath", b"")])
    return seeds


def names():
    names = [b"ZELKI_J.dll", b"oem12.inf", b"usbstor.inf", b"USBSTOR.INF", b"a.in", b".", b"..", b"...", b".. ",
             b" ", b"x..", b".hidden", b"C:x.dll", b"..\\x.dll", b"Acme\\Card Reader", b"Acme/Reader", b"\\Acme",
             b"Acme\\", b"Acme\\\\B", TABLE, TABLE + b".dll", JAPANESE_LIST, CHINESE_XU + b".inf", b"x\x95",
             b"\"C:\\WINDOWS\\ZELKI_J.dll\",3", b"C:\\Acme, Inc\\ZELKI_J.dll,1", b"C:\\" + TABLE + b"ZELKI_J.dll,3",
             b"ZELKI_J.dll"]
    long_names = [text(n, b"n") for n in (95, 96, 259, 260, 261)]
    return {
        "single_byte": b"1252\n" + b"\n".join(names + long_names) + b"\n",
        "japanese": b"932\n" + b"\n".join(names) + b"\n",
        "chinese": b"950\n" + b"\n".join([CHINESE_XU, CHINESE_XU + b"\\..", b"C:\\" + CHINESE_XU + b"\\ZELKI_J.dll,0",
                                         b"ZELKI_J.dll", b"\xb3", CHINESE_XU + b".inf"]) + b"\n",
    }


def bounded_text():
    seeds = {
        "path": b"260\n%s\\%s\nC:\\WINDOWS\nZELKI_J.dll\n",
        "hardware_id": b"100\nUSB\\%s\nVID_1234&PID_ABCD\n",
        "numbers": b"30\n%d %u %c %%\n-2147483648\n4294967295\nx\n",
        "no_room": b"0\n%s\nx\n",
        "unknown_conversion": b"50\nIconName_%x%s\nx\n",
        "lone_percent": b"50\nabc%",
        "japanese": b"20\n%s\\%s\n" + JAPANESE_LIST + b"\n" + CHINESE_XU + b"\n",
    }
    for length in (95, 96, 259, 260, 261):
        seeds[f"text_{length}"] = b"260\n%s\n" + text(length) + b"\n"
        seeds[f"text_{length}_in_100"] = b"100\nUSB\\%s\n" + text(length, b"v") + b"\n"
    return seeds


def instance_match():
    pattern = b"USB\\VID_1234&PID_ABCD"
    return {
        "list": pattern + b"\n400\nUSB\\VID_9999&PID_0001\\1\nUSB\\VID_1234&PID_ABCDE\\2\n"
                + pattern + b"\\6&2A3B&0&1\n" + pattern + b"&MI_00\\7&1\n\n",
        "lower_case": b"USB\\VID_1234&PID_abcd\n200\n" + pattern + b"\\1\nusb\\vid_1234&pid_abcd\\2\n\n",
        "unterminated": pattern + b"\n1000\n" + pattern,
        "used_short": pattern + b"\n10\n" + pattern + b"\\1\n",
        "empty_pattern": b"\n100\nUSB\\X\n\n",
        "long_ids": pattern + b"\n600\n" + pattern + b"\\" + text(74) + b"\n" + pattern + b"\\" + text(75) + b"\n"
                    + text(259) + b"\\" + pattern + b"\n\n",
    }


def command_line():
    return {
        "quiet_removal": b"1252\nC:\\Driver Disc\\Setup.exe\n-q\n-u\n",
        "spelled_out": b"1252\nSetup.exe\n-UNINSTALL\n-Quiet\n/q\n-qx\n",
        "regserver": b"1252\nC:\\Disc\\Setup.exe\n/RegServer\n",
        "unregserver": b"932\nC:\\" + TABLE + b"\\Setup.exe\n-unregserver\n",
        "com_start": b"1252\nC:\\Disc\\Setup.exe\n-Embedding\n/automation\n",
        "big5_extension": b"950\nC:\\Disc\\Setup." + CHINESE_XU + b"\n",
        "long_path_259": b"1252\n" + text(255) + b".exe\n",
        "long_path_260": b"1252\nC:\\" + text(257) + b"\n",
        "long_path_261": b"932\nC:\\" + JAPANESE_LIST * 43 + b".exe\n",
    }


def wizard():
    return {
        "xp_install": b"5 0 1 1 -1\nyy\n1024 768\n",
        "98_without_reader": b"2 0 0 1 -1\nny\n640 480\n",
        "not_installed": b"5 1 1 0 -1\ny\n800 600\n",
        "vista64_preset_on": b"8 0 1 1 1\nnnyy\n16384 16384\n",
        "vista_preset_off": b"7 0 1 1 0\nnnny\n0 0\n",
        "2000_removal": b"4 1 1 1 -1\nnyn\n399 74\n",
        "no_reader": b"6 0 0 1 -1\nnnnnnnnnny\n255 254\n",
    }


def wininit():
    return {
        "no_file": b"NUL=C:\\WINDOWS\\ZELKI_J.DLL\n",
        "rename_there": b"NUL=C:\\A.SYS\n[Rename]\r\nNUL=C:\\B.SYS\r\n[other]\r\nx=1\r\n",
        "no_line_end": b"C:\\WINDOWS\\ZELKI_J.DLL=C:\\WINDOWS\\ZLK1.TMP\n[other]\nx=1",
        "lookalike": b"NUL=C:\\A.SYS\n  [rename]  \r\n[renamed]\r\n[rename\r\n",
    }


def disccheck():
    disc = os.path.join(HERE, "..", "support", "disc")

    def read(path):
        with open(os.path.join(disc, path), "rb") as f:
            return f.read().replace(b"\r\n", b"\n")

    infs = ["Win9xME/ZELK6S.inf", "Win9xME/ZELKDISK.inf", "Win2KXP/ZELK6SK.inf", "AMD64/ZELK6SK.inf",
            "VISTA/ZELK6SK.inf", "VISTA64/ZELK6SK.inf"]
    files = b"".join(b"+++ " + f.encode() + b"\n" for f in
                     ["Win9xME/ZELK6S.sys", "Win9xME/ZELK6SP.pdr", "Win2KXP/ZELK6SK.sys", "Win2KXP/ZELK6SK.cat",
                      "AMD64/ZELK6SK.sys", "AMD64/ZELK6SK.cat", "VISTA/ZELK6SK.sys", "VISTA/ZELK6SK.cat",
                      "VISTA64/ZELK6SK.sys", "VISTA64/ZELK6SK.cat"]).replace(b"/", b"\\")
    sample = read("setup.ini") + files
    for inf in infs:
        sample += b"=== " + inf.replace("/", "\\").encode() + b"\n" + read(inf)
    nt = read("VISTA64/ZELK6SK.inf")
    return {
        "sample": sample,
        "loops": b"[Vendors]\nVendor0=VID_1234&PID_ABCD\n=== VISTA64\\ZELK6SK.inf\n" + nt
                 + b"[QM4410.Install.NTamd64]\nInclude=ZELK6SK.inf\nNeeds=QM4410.Install.NTamd64\n"
                 + b"CopyFiles=QM4410.Driver,QM4410.Driver,@..\\..\\boot.ini\n",
        "outside": b"[Vendors]\nVendor0=VID_1234&PID_ABCD\n[Vista64_INFPath]\nINFPath=\\..\\VISTA64\\ZELK6SK.inf\n"
                   + b"=== VISTA64\\ZELK6SK.inf\n" + nt.replace(b"1=%DiskName%,,,", b"1=%DiskName%,,,\\..\\..\\Windows"),
        "long_values": b"[Vendors]\nVendor0=VID_1234&PID_ABCD\n=== AMD64\\ZELK6SK.inf\n[Version]\nDriverVer="
                       + text(300) + b"\n[Manufacturer]\n" + text(270) + b"=" + text(259) + b"," + text(262) + b"\n",
        "unparsable": b"=== Win2KXP\\ZELK6SK.inf\n[Version\n\x00\xff\xfe\n",
    }


def main():
    for target, seeds in [("plans", plans()), ("names", names()), ("bounded_text", bounded_text()),
                          ("instance_match", instance_match()), ("command_line", command_line()),
                          ("wizard", wizard()), ("wininit", wininit()),
                          ("disccheck", disccheck())]:
        folder = os.path.join(HERE, "corpus", target)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for name, data in seeds.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
