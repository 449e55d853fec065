#!/usr/bin/env bash
# Checks a built program of ours as Windows will load it: a 32-bit GUI or console
# program that Windows 98 accepts, importing only functions every supported Windows
# has, with the project's version in its version resource; given a manifest, one that
# asks for administrator rights and nothing XP would choke on. A signed program passes
# as its unsigned image would.
#   check_product.sh program.exe objdump allow-list version gui|console [manifest]
set -u
exe=$1 objdump=$2 allowed=$3 version=$4 kind=$5 manifest=${6:-}
name=$(basename "$exe")
failures=0
fail() { echo "FAIL: $name: $*"; failures=$((failures + 1)); }

headers=$("$objdump" -p "$exe")
grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit PE image"
case $kind in
  gui) grep -qE '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a Windows GUI program" ;;
  console) grep -qE '^Subsystem[[:space:]]+00000003' <<<"$headers" || fail "not a console program" ;;
  *) fail "kind is gui or console, not '$kind'" ;;
esac
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

# The image's size, for the summary line; tools/bench/run watches it section by section.
# A signature's certificate table, at the end of the file, does not count.
signature=$(awk '/^Entry 4 .*Security Directory/{print $4}' <<<"$headers")
signature=$((16#${signature:-0}))
size=$(($(stat -c %s "$exe") - signature))

# Both versions, as numbers and as text, are the project's.
IFS=. read -r major minor patch tweak <<<"$version"
numbers="${major:-0}, ${minor:-0}, ${patch:-0}, ${tweak:-0}"
resources=$("${objdump%objdump}windres" -i "$exe" -O rc)
for field in FILEVERSION PRODUCTVERSION; do
  grep -qxF " $field $numbers" <<<"$resources" || fail "$field is not $numbers"
done
for value in FileVersion ProductVersion; do
  grep -qxF "      VALUE \"$value\", \"$version\"" <<<"$resources" || fail "$value is not \"$version\""
done

# The manifest as built into the program.
if [ -n "$manifest" ]; then
  built=$(strings -a "$exe")
  grep -q 'level="requireAdministrator"' <<<"$built" || fail "manifest does not ask for requireAdministrator"
  grep -q 'Microsoft.Windows.Common-Controls' <<<"$built" && fail "manifest depends on common controls 6"
  # XP stops a program whose manifest declares the trustInfo namespace twice.
  [ "$(grep -o 'urn:schemas-microsoft-com:asm.v3' "$manifest" | wc -l)" = 1 ] || fail "trustInfo namespace not declared exactly once"
  python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' "$manifest" || fail "manifest is not well-formed XML"
fi

[ $failures = 0 ] && echo "$name: PE32 $kind, subsystem 4.0, version $version, $size bytes$([ "$signature" = 0 ] || echo " and a signature of $signature"), $(wc -l <<<"$imports") imports all on the Windows 98 list${manifest:+, manifest sound}"
exit $((failures > 0))
