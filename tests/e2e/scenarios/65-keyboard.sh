#!/usr/bin/env bash
# Scenarios: the keyboard stays with the program the user works in (here the
# window below, which notes every key typed into it). Sourced by run.sh.

keyboard_back() {
  eventually 3 below_has_keyboard || { echo "    the keyboard is with: $(probe foreground)"; return 1; }
}
# Holds for a second: the layers' keep-on-top ticks fifty times meanwhile.
keeps_keyboard() {
  local end=$((SECONDS + 2))
  while [ $SECONDS -lt "$end" ]; do below_has_keyboard || return 1; sleep 0.1; done
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
press_f7
check "F7 opens the settings window, which has the keyboard" eventually 3 visible_client $SET
click_twips $SET 6690 292
check "  ... and gives it back when it closes" keyboard_back
check "a menu dismissed" pick none
check "  ... gives the keyboard back" keyboard_back
check "  ... typing reaches it" types ghi
check "a menu pick" pick all-screens
check "  ... gives the keyboard back" keyboard_back
check "  ... typing reaches it" types jkl
pick all-screens >/dev/null
keyboard_back
x_focus_foreground
xdotool key alt+F4
check "Alt+F4 typed there reaches it" becomes 3 1 closes
check "  ... and night mode runs on" overlay_visible
check "  ... its icon too" tray_has 1
