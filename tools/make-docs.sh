#!/usr/bin/env bash
# Makes the README's pictures from the real program on a virtual display:
# docs/splash.png, docs/night.png (a bright page under the tint, cut to
# its upper half) and
# docs/settings.png (the settings window over the tint).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
# A prefix of its own, so that the store it clears is never the user\'s.
export WINEPREFIX="${DV_TEST_WINEPREFIX:-$HOME/.local/share/duskveil-wine-test}"
source tools/wine-env.sh
for preset in win64; do cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" >/dev/null; done
unset DISPLAY
dv_virtual_display
dv_wine_prefix
probe=build/win64/duskveil_probe.exe
# Stops what runs in this script's own prefix, and nothing of anyone else's.
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null || true; dv_stop_display; }
trap cleanup EXIT
"$DV_WINE64" "$probe" reg-clear
"$DV_WINE64" "$probe" page >/dev/null 2>&1 &
sleep 2
"$DV_WINE64" build/win64/Duskveil.exe >/dev/null 2>&1 &
sleep 3
import -window root -crop 440x300+292+234 docs/splash.png
sleep 6
import -window root -crop 1024x420+0+0 -resize 50% docs/night.png
xdotool key F7
sleep 1.5
import -window root -crop 500x350+262+209 docs/settings.png
echo "wrote docs/splash.png docs/night.png docs/settings.png"
