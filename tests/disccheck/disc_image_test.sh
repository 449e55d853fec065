#!/usr/bin/env bash
# tools/make-disc on the sample disc: the image holds the folder (its Rock Ridge and its
# Joliet tree), DiscCheck says of the image what it says of the folder, the same folder
# gives the same bytes, a broken disc makes no image unless forced, a disc without
# autorun.inf gets one, what is refused, and the volume label. The sample disc's image
# stays at IMAGE for the tests that install from it.
#
#   disc_image_test.sh BIN_DIR IMAGE     BIN_DIR: a Windows build's bin folder
set -uo pipefail
bin=$(realpath "$1")
image=$(realpath -m "$2")
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/tools/lib/disc.sh"
source "$repo/tools/lib/disc_label.sh"
export DISCCHECK_EXE=$bin/DiscCheck.exe
unset SOURCE_DATE_EPOCH
work=$(dirname "$image")/disc_image_test
log=$work/make-disc.log
failures=0

check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
# make-disc ends with the exit code given, and makes the image only on 0.
makes() {
  local expected=$1 out=$3 status=0
  shift
  "$repo/tools/make-disc" "$@" >"$log" 2>&1 || status=$?
  [ "$status" = "$expected" ] && { [ "$status" = 0 ] || [ ! -e "$out" ]; } || { cat "$log"; false; }
}
said() { grep -qF -- "$1" "$log"; }
holds() { rm -rf "$2"; xorriso -osirrox on "${@:4}" -indev "$1" -extract / "$2" >/dev/null 2>&1 && diff -r "$3" "$2"; }
volume_is() { [ "$(xorriso -indev "$1" -pvd_info 2>/dev/null | sed -n "s/^$2 *: //p")" = "$3" ]; }
# DiscCheck's full report and exit code, the disc's folder shown as <disc>.
report() {
  local folder text
  folder="Z:$(realpath "$1" | tr / '\\')"
  text=$("$repo/tools/check-disc" "$1")
  echo "exit $?"
  echo "${text//"$folder"/<disc>}"
}

[ -d "$work" ] && chmod -R u+w "$work"
rm -rf "$work" "$image"
mkdir -p "$work"

# The sample disc, its newest file (setup.ini) from 2020-09-13 12:26:40 UTC.
disc=$work/disc
lay_sample_disc "$bin" "$disc"
find "$disc" -exec touch -d @1500000000 {} +
touch -d @1600000000 "$disc/setup.ini"
check "the sample disc's image" makes 0 "$disc" "$image"
check "its label comes from VendorName JOV" volume_is "$image" "Volume Id" JOV
check "its dates are the newest file's" volume_is "$image" "Creation Time" 2020091312264000
check "its Rock Ridge tree holds the folder" holds "$image" "$work/rock-ridge" "$disc"
check "its Joliet tree holds the folder" holds "$image" "$work/joliet" "$disc" -read_fs norock
report "$disc" >"$work/folder.report"
check "DiscCheck checks the folder clean" grep -q "^DiscCheck: 0 errors, 0 warnings" "$work/folder.report"
check "DiscCheck says of the image what it says of the folder" \
  diff "$work/folder.report" <(report "$work/rock-ridge")

# The same folder elsewhere, with other owners, modes and older dates: the same bytes.
copy=$work/copy
cp -a "$disc" "$copy"
chown -R 1234:1234 "$copy"
chmod -R go-rwx "$copy"
touch -d @1400000000 "$copy/Setup.exe" "$copy/VISTA"
check "an image of a copy" makes 0 "$copy" "$work/copy.iso"
check "... has the same bytes" cmp "$image" "$work/copy.iso"
export SOURCE_DATE_EPOCH=1234567890
check "SOURCE_DATE_EPOCH: an image of the folder" makes 0 "$disc" "$work/disc-epoch.iso"
check "SOURCE_DATE_EPOCH: an image of the copy" makes 0 "$copy" "$work/copy-epoch.iso"
unset SOURCE_DATE_EPOCH
check "SOURCE_DATE_EPOCH: the same bytes" cmp "$work/disc-epoch.iso" "$work/copy-epoch.iso"
check "SOURCE_DATE_EPOCH: its dates" volume_is "$work/disc-epoch.iso" "Creation Time" 2009021323313000

# A broken disc without autorun.inf, VendorName or Tarnel64.exe.
broken=$work/broken
cp -r "$disc" "$broken"
rm "$broken/Tarnel64.exe" "$broken/autorun.inf"
sed -i '/^VendorName=/d' "$broken/setup.ini"
check "a broken disc: exit 2, no image" makes 2 "$broken" "$work/broken.iso"
check "a broken disc: DiscCheck's error shown" said "error: Tarnel64.exe is not on the disc"
check "a broken disc with --force: an image" makes 0 "$broken" "$work/broken.iso" --force
check "without VendorName the label is ZELK" volume_is "$work/broken.iso" "Volume Id" ZELK
printf '[autorun]\r\nopen=Setup.exe\r\nicon=Setup.exe\r\n' >"$work/autorun.inf"
cp -r "$broken" "$work/broken-autorun"
cp "$work/autorun.inf" "$work/broken-autorun/"
check "the image gets an autorun.inf that opens Setup.exe" \
  holds "$work/broken.iso" "$work/broken-image" "$work/broken-autorun"
check "... and the folder stays without one" test ! -e "$broken/autorun.inf"

# Refused: no image, nothing cut.
names=$work/names
cp -r "$disc" "$names"
touch "$names/$(printf 'N%.0s' {1..62}).txt" "$names/Win9xME/a;b" "$names/$(printf 'caf\xe9')"
ln -s nothing "$names/link"
check "names Joliet would change, a link to nothing: exit 2" makes 2 "$names" "$work/names.iso"
for reason in "$(printf 'N%.0s' {1..62}).txt: longer than 64 characters" "Win9xME/a;b: holds one of" \
  "$(printf 'caf\xe9'): not UTF-8 text" "link: a link to nothing"; do
  check "... said: $reason" said "$reason"
done
check "an image inside the disc's folder" makes 64 "$disc" "$disc/disc.iso"
for label in "my disc" "Jov" "ABCDEFGHIJKLMNOPQ" ""; do
  check "--label '$label'" makes 64 "$disc" "$work/label.iso" --label "$label"
done

# The label from VendorName, whatever its code page.
while IFS='|' read -r name label; do
  check "VendorName $name gives the label $label" test "$(label_from_name "$(printf '%b' "$name")")" = "$label"
done <<'EOF'
JOV Technologies, Inc.|JOV_TECHNOLOGIES
M\xfcller & S\xf6hne GmbH|GMBH
\x83\x41\x83\x43 Tech|TECH
\x83\x41\x83\x43|SETUP
EOF
echo "$failures failed"
[ "$failures" = 0 ] || exit 1
chmod -R u+w "$work"
rm -rf "$work"
