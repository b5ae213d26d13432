#!/usr/bin/env bash
# Scenarios: 120 dpi. Sourced by run.sh.

set_dpi() {
  "$DV_WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  "$DV_WINE64" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  sleep 1
}
set_dpi 120
if prints 'dpi 120' probe screen; then
  fresh "120 dpi"
  start_duskveil
  check "the splash is 6390 x 4215 twips at 12 twips a pixel" eventually 5 visible_client 533,351
  wait_overlay 12 >/dev/null
  eventually 3 tray_has 1
  icon=$(icon_at)
  xdotool mousemove ${icon% *} ${icon#* } click 1
  check "a left press on the tray icon opens the settings window at 120 dpi" eventually 3 visible_client 580,396
  sleep 0.3
  screenshot settings-120dpi
  stop_all
else
  echo "  (this Wine does not take a 120 dpi setting; skipped)"
fi

# At 192 dpi the knob's pen is 20 pixels wide: a drag must leave no trail of
# it where it stood.
knob_pixels() {  # origin-x origin-y from-twips to-twips: knob-coloured pixels below the track
  local x0=$(($1 + $3 * 2 / 15)) w=$((($4 - $3) * 2 / 15)) y0=$(($2 + 1455 * 2 / 15))
  import -window root -crop "${w}x6+${x0}+${y0}" -depth 8 txt:- 2>/dev/null | grep -c '(0,64,0)'
}
set_dpi 192
if prints 'dpi 192' probe screen; then
  fresh "192 dpi"
  start_duskveil
  wait_overlay 12 >/dev/null
  press_f7
  check "F7 opens the settings window at 192 dpi, 928 x 634" eventually 3 visible_client 928,634
  o=$(origin_of 928,634); ox=${o%,*}; oy=${o#*,}
  xdotool mousemove $((ox + 3000 * 2 / 15)) $((oy + 1290 * 2 / 15)) mousedown 1
  xdotool mousemove $((ox + 3300 * 2 / 15)) $((oy + 1290 * 2 / 15))
  xdotool mousemove $((ox + 3600 * 2 / 15)) $((oy + 1290 * 2 / 15)) mouseup 1
  sleep 0.5
  screenshot settings-192dpi
  check "  ... the knob stands where the drag ended" test "$(knob_pixels "$ox" "$oy" 3540 3660)" -gt 0
  check "  ... and left no trail where it stood" test "$(knob_pixels "$ox" "$oy" 2700 3400)" = 0
  stop_all
else
  echo "  (this Wine does not take a 192 dpi setting; skipped)"
fi
set_dpi 96

