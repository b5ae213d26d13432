#!/usr/bin/env bash
# Scenarios: out of the way of a full-screen program and of a program the
# user listed. The window below is a full-screen program as it starts
# (no title bar, its whole monitor). Sourced by run.sh.

tinted_at() { blended "$1" "$2" $TINT 150 $BELOW; }
untinted_at() { [ "$(pixel "$1" "$2")" = "$BELOW" ]; }
shown_layers() { windows | grep -c -E "title=($CAPTION|$(dv_name SCREEN_CAPTION)) .*visible=1"; }

fresh "a full-screen program in front"
probe reg-set PauseFullScreen sz 1 >/dev/null
start_duskveil
check "after the countdown the overlay is loaded" counted_down
check "the window below has the keyboard" eventually 3 below_has_keyboard
check "  ... and covers its monitor without a title bar: no tint there" eventually 5 untinted
probe below-shape window >/dev/null
check "made a window with a title bar, the tint is back" eventually 5 overlay_visible
check "  ... and shows over it" eventually 3 tinted_at 300 300
probe below-shape full >/dev/null
check "full screen again, the tint goes at once" eventually 5 untinted
check "pick 全屏时暂停 again: off" pick pause-full-screen
check "  ... stored" becomes 3 "sz 0" reg PauseFullScreen
check "  ... the tint is back over the full-screen window" eventually 5 overlay_visible

two_monitors on
if prints 'rect=0,0,800,600' probe monitors; then
  fresh "a full-screen program on one of two monitors"
  probe reg-set PauseFullScreen sz 1 >/dev/null
  start_duskveil
  counted_down >/dev/null
  eventually 3 below_has_keyboard >/dev/null
  check "only the layer of the monitor it covers hides" becomes 5 1 shown_layers
  check "  ... the second monitor's layer shows" test "$(windows | grep "title=$(dv_name SCREEN_CAPTION) " | field visible)" = 1
  check "  ... the first monitor alone is untinted" eventually 5 untinted_at 900 700
  check "  ... under the second's layer it is tinted once" eventually 3 tinted_at 100 100
fi
two_monitors off

fresh "a program of the user's choice"
start_duskveil
wait_overlay 12 >/dev/null
probe below-shape window >/dev/null
check "the window below has the keyboard" eventually 3 below_has_keyboard
check "pick \"duskveil_probe.exe 在前台时暂停\"" pick pause-for
check "  ... stored" becomes 3 "sz duskveil_probe.exe" reg PauseFor
check "  ... the keyboard back with it" eventually 3 below_has_keyboard
check "  ... the tint goes while it is in front" eventually 5 overlay_hidden
check "  ... and the screen shows it" eventually 5 untinted_at 300 300
probe reg-set PauseFor sz 'C:\Games\game.exe | duskveil_probe.exe | vlc.exe' >/dev/null
check "the list edited by hand meanwhile: the pick takes the program off" pick pause-for
check "  ... and nothing else: the path entry and the blanks stay" \
  becomes 3 'sz C:\Games\game.exe | vlc.exe' reg PauseFor
check "  ... the tint is back" eventually 5 overlay_visible
eventually 3 below_has_keyboard >/dev/null
check "picked again, it is added at the end" pick pause-for
check "  ... as the user wrote the rest" becomes 3 'sz C:\Games\game.exe | vlc.exe|duskveil_probe.exe' reg PauseFor
check "  ... the tint goes" eventually 5 overlay_hidden
"$DV_LOADER" notepad >/dev/null 2>&1 &
DV_PIDS+=("$!")
check "another program in front: the tint is back" eventually 10 overlay_visible
