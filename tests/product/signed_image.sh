#!/usr/bin/env bash
# Signs a built Setup.exe as tools/release does (tools/lib/sign.sh), with a certificate
# made here and thrown away, into SIGNED: the signature verifies, and taken off again it
# leaves the very image that was signed; a changed byte or a wrong password fails. Given
# the image checks' arguments, the signed image (the 32-bit product) passes them.
# e2e_quiet_signed then installs and removes with SIGNED.
#   signed_image.sh Setup.exe SIGNED [objdump allow-list version gui|console [manifest]]
set -uo pipefail
source "$(dirname "$0")/../../tools/lib/sign.sh"
exe=$1 signed=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect succeeds|fails WHAT command [arguments...]
expect() {
  local want=$1 what=$2 got=succeeds
  shift 2
  "$@" >"$work/log" 2>&1 || got=fails
  if [ "$got" = "$want" ]; then
    echo "ok: $what: $want"
  else
    echo "FAIL: $what: $got"
    sed 's/^/    /' "$work/log"
    failures=$((failures + 1))
  fi
}

unsigned_again() {
  osslsigncode remove-signature -in "$signed" -out "$work/unsigned.exe" && cmp "$exe" "$work/unsigned.exe"
}

# A copy of the signed image with one byte of its code changed.
changed_copy() {
  local byte
  cp "$signed" "$work/changed.exe"
  byte=$(od -An -tu1 -j 4096 -N 1 "$signed")
  printf "\\$(printf %03o $((255 - byte)))" | dd of="$work/changed.exe" bs=1 seek=4096 conv=notrunc status=none
}

with_wrong_password() { SETUP_SIGN_PASSWORD=wrong sign_image "$work/test.pfx" "$exe" "$work/wrong.exe"; }

export SETUP_SIGN_PASSWORD='throw away: blanks, $HOME, "quotes" and a \'
make_throwaway_pfx "$work/test.pfx" || exit 1
expect succeeds "signing" sign_image "$work/test.pfx" "$exe" "$signed"
expect succeeds "verifying the signature" verify_image "$work/test.pfx" "$signed"
expect succeeds "taking the signature off again, leaving the image byte for byte" unsigned_again
changed_copy
expect fails "verifying an image changed after signing" verify_image "$work/test.pfx" "$work/changed.exe"
expect fails "signing with a wrong password" with_wrong_password
[ ! -e "$work/wrong.exe" ] || { echo "FAIL: a wrong password left a signed file"; failures=$((failures + 1)); }
if [ $# -gt 0 ]; then
  expect succeeds "the image checks of the signed image" bash "$(dirname "$0")/check_product.sh" "$signed" "$@"
  cat "$work/log"
fi
exit $((failures > 0))
