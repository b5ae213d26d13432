#!/usr/bin/env bash
# Builds Duskveil and runs it under Wine: on the current display when there is
# one, otherwise on a virtual display, saving a screenshot of the splash and
# of night mode to out/. The i686 exe runs where the kernel can run 32-bit
# programs; elsewhere the x64 one does.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
source tools/lib.sh

dv_build win32 win64

exe=build/win32/Duskveil.exe
if [ -z "$DV_WINE32" ]; then
  echo "note: this kernel cannot run 32-bit programs; running the x64 build"
  exe=build/win64/Duskveil.exe
fi
loader=$(dv_loader_for "$exe")

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  dv_wine_prefix
  echo "running $exe on $DISPLAY (F7 opens the settings; its button turns night mode off)"
  exec "$loader" "$exe"
fi

dv_virtual_display
trap dv_stop_display EXIT
dv_wine_prefix
mkdir -p out
"$loader" "$exe" >/dev/null 2>&1 &
pid=$!
sleep "${DV_SPLASH_AT:-3}"
import -window root out/splash.png
sleep "${DV_NIGHT_AFTER:-5}"
import -window root out/night.png
echo "no display: ran $exe on a virtual one; screenshots in out/splash.png and out/night.png"
kill "$pid" 2>/dev/null || true  # only the copy started here
