#!/usr/bin/env bash
# Scenarios: a level for each monitor, on the two-head display. Both heads
# stand at 0,0 here: a point on the second (800x600) lies on the first too,
# and belongs to the one whose centre is nearer. Sourced by run.sh.

screen_alpha() { windows | grep "title=$(dv_name SCREEN_CAPTION) " | field alpha; }
alphas() { echo "$(overlay_line | field alpha)/$(screen_alpha)"; }
own() { probe monitor-get "$1" "$2"; }
slider_reads() { prints "^part 1 .* value=$1\$" probe accessible; }
names_monitor() { prints "^part 6 .* name=$1 value=\$" probe accessible; }
# The first head alone, and the second under both layers.
first_alone() { blended 900 700 $TINT "$1" $BELOW; }
second_under_both() { DV_UNDER=$2 blended 100 500 $TINT "$1" $BELOW; }

two_monitors on
if prints 'rect=0,0,800,600' probe monitors; then
  fresh "a level for each monitor"
  probe reg-set PerMonitor sz 1 >/dev/null
  probe reg-set Language sz zh >/dev/null
  start_duskveil
  wait_overlay 12 >/dev/null
  check "both monitors start at the shared strength" becomes 3 150/150 alphas
  xdotool mousemove 100 100
  check "the window below has the keyboard" eventually 3 below_has_keyboard
  x_focus_foreground
  xdotool key alt+Next
  check "Alt+PgDn with the pointer on the second monitor darkens that one alone" becomes 3 150/166 alphas
  check "  ... the first monitor's pixels at its own alpha" eventually 3 first_alone 150
  check "  ... the second's under both layers, each at its own" eventually 3 second_under_both 150 166
  check "  ... written as that monitor's own" becomes 5 "sz 166" own 2 intLig
  check "  ... the shared strength left as it was" test "$(reg intLig)/$(own 1 intLig)" = absent/absent
  stop_all
  start_below
  start_duskveil
  wait_overlay 12 >/dev/null
  check "after a restart each monitor has its own again" becomes 3 150/166 alphas
  xdotool mousemove 100 100
  press_f7
  eventually 3 visible_client $SET >/dev/null
  check "F7 with the pointer there: the settings window reads that monitor's brightness" \
    eventually 3 slider_reads 35%
  check "  ... and names it" eventually 3 names_monitor "显示器 2"
  click_twips $SET 6690 292
  eventually 3 set_gone
  check "closed unchanged, nothing of the first monitor is written" test "$(own 1 intLig)" = absent
else
  echo "  (this Wine shows one monitor on a Xinerama display; skipped)"
fi
two_monitors off
