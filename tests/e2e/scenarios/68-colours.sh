#!/usr/bin/env bash
# Scenarios: the settings window under the user's own colours. Sourced by run.sh.

system_colours() {  # ButtonText ButtonFace as "R G B", or "default"
  stop_all
  local key='HKCU\Control Panel\Colors'
  if [ "$1" = default ]; then
    "$DV_WINE64" reg delete "$key" /v ButtonText /f >/dev/null 2>&1
    "$DV_WINE64" reg delete "$key" /v ButtonFace /f >/dev/null 2>&1
  else
    "$DV_WINE64" reg add "$key" /v ButtonText /t REG_SZ /d "$1" /f >/dev/null 2>&1
    "$DV_WINE64" reg add "$key" /v ButtonFace /t REG_SZ /d "$2" /f >/dev/null 2>&1
  fi
  dv_stop_prefix  # the colours are read as the prefix starts
}
# How many pixels of a rectangle of the settings window (in twips) are light
# and how many dark, as "light dark".
light_dark() {  # leftTw topTw widthTw heightTw
  local o; o=$(origin_of $SET)
  import -window root -crop "$(($3 / 15))x$(($4 / 15))+$((${o%,*} + $1 / 15))+$((${o#*,} + $2 / 15))" \
    -depth 8 txt:- 2>/dev/null | python3 -c '
import re, sys
light = dark = 0
for line in sys.stdin:
    m = re.search(r"\((\d+),(\d+),(\d+)", line)
    if not m: continue
    v = sum(int(c) for c in m.groups()) / 3
    light += v > 200; dark += v < 55
print(light, dark)'
}
# The "×" reads when it has both, the button's face is dark and its caption light.
close_mark_reads() { local ld; ld=$(light_dark 6480 120 420 345); [ "${ld% *}" -gt 10 ] && [ "${ld#* }" -gt 100 ]; }
button_reads() { local ld; ld=$(light_dark 2580 1980 3135 495); [ "${ld% *}" -gt 20 ] && [ "${ld#* }" -gt 1000 ]; }

system_colours "255 255 255" "0 0 0"
fresh "white button text on black button faces"
start_duskveil
check "the overlay comes up" wait_overlay 12
press_f7
check "F7 opens the settings window" eventually 3 visible_client $SET
check "  ... its \"×\" reads: white on black, not white on white" eventually 3 close_mark_reads
check "  ... and so does the turn-off button: white on black, not on cyan" eventually 3 button_reads
screenshot settings-dark-buttons
system_colours default
