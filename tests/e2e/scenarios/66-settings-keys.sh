#!/usr/bin/env bash
# Scenarios: the settings window by keyboard. Sourced by run.sh.

open_with_f7() {
  press_f7
  eventually 3 visible_client $SET || return 1
  # The settings window is the foreground window; X's focus follows.
  x_focus_foreground
}

fresh "the settings window by keyboard"
start_duskveil
wait_overlay 12 >/dev/null
check "F7 opens the settings window" open_with_f7
xdotool key Right Right
check "Right twice on the slider (it has the focus): brighter by 10" becomes 3 140 alpha_now
xdotool key Next
check "PgDn: darker by 25" becomes 3 165 alpha_now
xdotool key Home
check "Home: the darkest" becomes 3 254 alpha_now
xdotool key Escape
check "Esc closes the window" eventually 3 set_gone
check "  ... and saves" becomes 3 "sz 254" reg intLig
check "  ... night mode runs on" overlay_visible
check "F7 opens it again" open_with_f7
xdotool key End
check "End: the brightest" becomes 3 0 alpha_now
xdotool key Tab Tab Tab Tab
xdotool key space
check "Tab four times to the turn-off button, and Space: night mode ends" eventually 5 stopped
check "  ... saving the strength" test "$(reg intLig)" = "sz 0"
