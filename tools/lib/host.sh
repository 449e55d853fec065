# The one answer to "does this host run 32-bit x86 code?", sourced by every tool.
#
#   host_wine_arch   prints win32 when it does: Wine's 32-bit loader starts, so the
#                    product's own 32-bit build runs in 32- and 64-bit prefixes; or
#                    win64 when it does not: only Wine's 64-bit loader starts, and the
#                    programs run as the 64-bit twin (build/windows64) in 64-bit
#                    prefixes only. SETUP_WINE_ARCH=win64 makes any host answer win64.
#   windows_build    the build folder and preset that run here: windows or windows64.
#   wine_loader      the loader to start Windows programs with.

_host_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Some kernels cannot execute i386 programs at all ("Exec format error"). Before Wine is
# installed, a 93-byte i386 program that only exits tells; afterwards Wine's own loader.
_host_runs_32bit() {
  if [ -e /usr/lib/wine/wine ]; then
    /usr/lib/wine/wine --version >/dev/null 2>&1
    return
  fi
  local probe
  probe=$(mktemp -p "$_host_tools/.." .i386-probe.XXXXXX) || return 1
  printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  local status=0
  "$probe" >/dev/null 2>&1 || status=1
  rm -f "$probe"
  return $status
}

host_wine_arch() {
  case ${SETUP_WINE_ARCH:-} in
    win64) echo win64; return ;;
    ""|win32) ;;
    *) echo "SETUP_WINE_ARCH is win64 or unset, not '$SETUP_WINE_ARCH'" >&2; return 64 ;;
  esac
  if [ -z "${_HOST_WINE_ARCH:-}" ]; then
    if _host_runs_32bit; then _HOST_WINE_ARCH=win32; else _HOST_WINE_ARCH=win64; fi
    export _HOST_WINE_ARCH
  fi
  echo "$_HOST_WINE_ARCH"
}

windows_build() {
  if [ "$(host_wine_arch)" = win32 ]; then echo windows; else echo windows64; fi
}

wine_loader() {
  if [ "$(host_wine_arch)" = win32 ]; then echo wine; else echo /usr/lib/wine/wine64; fi
}

# One line for a tool to say which build it runs.
describe_build() {
  if [ "$(windows_build)" = windows ]; then
    echo "Build: the 32-bit product, build/windows/bin/Setup.exe"
  else
    echo "Build: the 64-bit twin, build/windows64/bin/Setup.exe (this host runs no 32-bit code, or SETUP_WINE_ARCH=win64)"
  fi
}
