# Lays the sample driver disc that the demo and the benchmarks use into the folder $2,
# from the build's bin folder $1: setup.ini and driver files, Setup.exe, the icon
# library, and stand-ins for the helper installers and the tray monitor. The folder is
# made afresh.
lay_sample_disc() {
  local bin=$1 disc=$2 helper
  rm -rf "$disc"
  cp -r "$bin/sample-disc" "$disc"
  cp "$bin/Setup.exe" "$bin/ZELKI_J.dll" "$disc/"
  for helper in Tarnel98.exe Tarnel2k.exe Tarnel64.exe; do cp "$bin/helper_stub.exe" "$disc/$helper"; done
  cp "$bin/tray_stub.exe" "$disc/TRAYM.exe"
}
