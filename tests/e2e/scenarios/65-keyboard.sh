#!/usr/bin/env bash
# Scenarios: the keyboard stays with the program the user works in (here the
# window below, which notes every key typed into it). Sourced by run.sh.

below_has_keyboard() { probe foreground | grep -q '^foreground DuskveilE2EBelow|'; }
keyboard_back() {
  eventually 3 below_has_keyboard || { echo "    the keyboard is with: $(probe foreground)"; return 1; }
}
# Holds for a second: the layers' keep-on-top ticks fifty times meanwhile.
keeps_keyboard() {
  local end=$((SECONDS + 2))
  while [ $SECONDS -lt "$end" ]; do below_has_keyboard || return 1; sleep 0.1; done
}
# With no window manager nothing gives X's keyboard focus to the window that
# Windows made the foreground window (a window that Wine activated for a click
# keeps it): this does, as a window manager would, so that keys go where
# Windows sends them.
x_focus_foreground() {
  local x; x=$(probe foreground | sed -n 's/.* x=\([0-9]*\)$/\1/p')
  [ -n "$x" ] && [ "$x" != 0 ] && xdotool windowfocus "$x" 2>/dev/null
  true
}
types() {  # text: typed into what has the keyboard; true once the window below has it all
  local before; before=$(typed)
  x_focus_foreground
  xdotool type --delay 40 "$1"
  becomes 3 "$before$1" typed || { echo "    typed so far: $(typed), wanted $before$1"; return 1; }
}

fresh "the keyboard stays with the program the user works in"
check "the window below has the keyboard before the start" keyboard_back
start_duskveil
check "  ... the splash shows" eventually 5 splash_shows
wait_overlay 12 >/dev/null
check "after the countdown the keyboard is back with it" keyboard_back
check "  ... and stays there" keeps_keyboard
check "  ... typing reaches it" types abc
xdotool mousemove $SPOT click 1
check "after a click through the tint it keeps the keyboard" keeps_keyboard
check "  ... typing reaches it" types def
xdotool key F7
check "F7 opens the settings window, which has the keyboard" eventually 3 visible_client $SET
click_twips $SET 6690 292
check "  ... and gives it back when it closes" keyboard_back
check "a menu dismissed" pick 0
check "  ... gives the keyboard back" keyboard_back
check "  ... typing reaches it" types ghi
check "a menu pick" pick 2
check "  ... gives the keyboard back" keyboard_back
check "  ... typing reaches it" types jkl
pick 2 >/dev/null
keyboard_back
x_focus_foreground
xdotool key alt+F4
check "Alt+F4 typed there reaches it" becomes 3 1 closes
check "  ... and night mode runs on" overlay_visible
check "  ... its icon too" tray_has 1
