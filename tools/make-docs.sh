#!/usr/bin/env bash
# Makes the README's pictures from the real program on a virtual display:
# docs/splash.png, docs/night.png (a bright page under the tint, cut to
# its upper half), docs/settings.png (the settings window over the tint) and
# docs/menu.png (the tray icon's menu, with Wine's notepad in front),
# docs/hot-keys.png (the dialog that chooses the hot keys) and
# docs/level.png (the level as a command changes it); then the settings
# window and the menu in each other language, picked from the menu
# (docs/settings-CODE.png, docs/menu-CODE.png); and on two monitors, each at
# a level of its own, the settings window opened on the second
# (docs/settings-monitor.png).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
source tools/lib.sh
dv_use_test_prefix
dv_build win64
unset DISPLAY
dv_virtual_display
dv_wine_prefix
trap 'dv_stop_prefix; dv_stop_display' EXIT
dv_probe reg-clear
dv_probe reg-set Language sz zh >/dev/null
dv_probe page >/dev/null &
sleep 2
"$DV_WINE64" build/win64/Duskveil.exe >/dev/null 2>&1 &
sleep 3
import -window root -crop 440x300+292+234 docs/splash.png
sleep 6
import -window root -crop 1024x420+0+0 -resize 50% docs/night.png
# An ordinary program in front, as the user works in it.
"$DV_WINE64" notepad >/dev/null 2>&1 &
sleep 2
# The settings window (F7), then the icon's menu: docs/settings$1.png and
# docs/menu$1.png, the menu cut to its own size.
settings_and_menu() {
  xdotool key F7
  sleep 1.5
  import -window root -crop 500x350+262+209 "docs/settings$1.png"
  dv_probe close-settings
  sleep 1
  dv_probe tray-on-top
  local icon; icon=$(dv_probe tray | sed -n 's/^icon //p' | head -n 1)
  xdotool mousemove ${icon% *} ${icon#* } click 3
  sleep 1.5
  local l t r b
  IFS=, read -r l t r b <<<"$(dv_probe zorder | sed -n 's/^z #32768|.* rect=//p' | head -n 1)"
  import -window root -crop "$((r - l + 8))x$((b - t + 8))+$((l > 4 ? l - 4 : 0))+$((t > 4 ? t - 4 : 0))" \
    "docs/menu$1.png"
  dv_probe menu-pick 0
  sleep 1
}
settings_and_menu ""
dv_probe tray-notify 517
dv_probe menu-pick $(source tests/e2e/lib.sh && menu_place choose-hot-keys)
sleep 1.5
import -window root -crop 324x254+350+257 docs/hot-keys.png
dv_probe hot-keys-cancel
sleep 2.5
"$DV_WINE64" build/win64/Duskveil.exe /brightness 40 >/dev/null 2>&1
sleep 0.5
import -window root -crop 360x100+332+600 docs/level.png
sleep 2

# Each other language, picked from the menu.
for code in zh-Hant en ja ko de fr es ru pt-BR; do
  dv_probe tray-notify 517
  dv_probe menu-pick $(source tests/e2e/lib.sh && menu_place "language-${code,,}")
  sleep 1.5
  settings_and_menu "-$code"
done

# Two monitors, each at its own level: F7 with the pointer on the second (the
# heads both stand at 0,0; the smaller one's centre is nearer).
dv_probe tray-notify 517
dv_probe menu-pick $(source tests/e2e/lib.sh && menu_place turn-off)
sleep 2
dv_two_monitors on
dv_probe reg-set Language sz zh >/dev/null
dv_probe reg-set PerMonitor sz 1 >/dev/null
dv_probe monitor-set 2 intLig 90 >/dev/null
dv_probe page >/dev/null &
sleep 2
"$DV_WINE64" build/win64/Duskveil.exe >/dev/null 2>&1 &
sleep 9
xdotool mousemove 100 100 key F7
sleep 1.5
import -window root -crop 500x350+150+125 docs/settings-monitor.png
dv_probe close-settings
sleep 1
dv_stop_prefix
dv_two_monitors off
echo "wrote docs/splash.png docs/night.png docs/settings*.png docs/menu*.png docs/hot-keys.png docs/level.png"
