#!/usr/bin/env bash
# Checks the built Setup.exe as Windows will load it: a 32-bit GUI program that
# Windows 98 accepts, importing only functions every supported Windows has, with a
# manifest that asks for administrator rights and nothing XP would choke on.
#   check_product.sh Setup.exe objdump allow-list manifest
set -u
exe=$1 objdump=$2 allowed=$3 manifest=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$("$objdump" -p "$exe")
grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit PE image"
grep -qE '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a Windows GUI program"
grep -qE '^MajorSubsystemVersion[[:space:]]+4$' <<<"$headers" || fail "subsystem version is not 4.x (Windows 98 refuses it)"
grep -qE '^MajorOSystemVersion[[:space:]]+4$' <<<"$headers" || fail "OS version is not 4.x"

imports=$(awk '/DLL Name:/{dll=toupper($3)} /^\t[0-9a-f]+\t +[0-9]+  /{print dll, $3}' <<<"$headers" | sort -u)
[ -n "$imports" ] || fail "no imports found"
while read -r dll function; do
  case $dll in
    KERNEL32.DLL|USER32.DLL|GDI32.DLL|ADVAPI32.DLL|SHELL32.DLL|OLE32.DLL|OLEAUT32.DLL|SETUPAPI.DLL|COMCTL32.DLL|MSVCRT.DLL) ;;
    *) fail "imports from $dll, which not every supported Windows has" ;;
  esac
  grep -qxF "$dll $function" "$allowed" || fail "imports $dll $function, not on the Windows 98 list"
done <<<"$imports"

# Every language and all the artwork fit in a lean image; sizes are deterministic.
size=$(stat -c %s "$exe")
[ "$size" -le 160000 ] || fail "the image is $size bytes, over its ceiling of 160000"

# The manifest as built into the program.
built=$(strings -a "$exe")
grep -q 'level="requireAdministrator"' <<<"$built" || fail "manifest does not ask for requireAdministrator"
grep -q 'Microsoft.Windows.Common-Controls' <<<"$built" && fail "manifest depends on common controls 6"
# XP stops a program whose manifest declares the trustInfo namespace twice.
[ "$(grep -o 'urn:schemas-microsoft-com:asm.v3' "$manifest" | wc -l)" = 1 ] || fail "trustInfo namespace not declared exactly once"
python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' "$manifest" || fail "manifest is not well-formed XML"

[ $failures = 0 ] && echo "Setup.exe: PE32 GUI, subsystem 4.0, $size bytes, $(wc -l <<<"$imports") imports all on the Windows 98 list, manifest sound"
exit $((failures > 0))
