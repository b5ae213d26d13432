#!/usr/bin/env bash
# Scenarios: 120 dpi. Sourced by run.sh.

set_dpi() {
  "$DV_WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  "$DV_WINE64" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  sleep 1
}
set_dpi 120
if probe screen | grep -q 'dpi 120'; then
  fresh "120 dpi"
  start_duskveil
  check "the splash is 6390 x 4215 twips at 12 twips a pixel" eventually 5 visible_client 533,351
  wait_overlay 12 >/dev/null
  eventually 3 tray_has 1
  icon=$(probe tray | sed -n 's/^icon //p' | head -n 1)
  xdotool mousemove ${icon% *} ${icon#* } click 1
  check "a left press on the tray icon opens the settings window at 120 dpi" eventually 3 visible_client 580,396
  sleep 0.3
  screenshot settings-120dpi
  stop_all
else
  echo "  (this Wine does not take a 120 dpi setting; skipped)"
fi
set_dpi 96

