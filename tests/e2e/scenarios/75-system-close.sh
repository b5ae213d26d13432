#!/usr/bin/env bash
# Scenarios: the system closes the program's windows. Sourced by run.sh.

# The overlay is closed (a task manager's "End task", or the session ends)
# while the settings window is open with a change in it.
overlay_closed() {  # how-opened how-closed
  fresh "overlay closed ($2) under a window opened $1"
  probe reg-set intLig sz 77 >/dev/null
  start_duskveil
  # Each step it builds on is a check of its own, so that a stall is
  # reported where it happens rather than as a lost change at the end.
  check "the overlay comes up" wait_overlay 12
  if [ "$1" = "with F7" ]; then
    press_f7
    check "  ... F7 opens the settings window" eventually 3 visible_client $SET
  else
    check "  ... the tray icon opens the settings window" open_from_tray
  fi
  drag_to 3600
  check "  ... a drag there reaches the overlay" eventually 3 alpha_is 149
  local logoff=""
  if [ "$2" = "End task" ]; then
    probe close-overlay
  else
    "$DV_WINE64" wineboot -e >/dev/null 2>&1 &
    logoff=$!
  fi
  check "the program ends within 2 s" eventually 2 stopped
  check "  ... saving the open window's change" test "$(reg intLig)" = "sz 149"
  check "  ... leaving no icon" eventually 3 no_icon
  [ -n "$logoff" ] && wait "$logoff"
  start_duskveil
  check "  ... and a new start shows the splash" eventually 5 splash_shows
}
overlay_closed "with F7" "End task"
overlay_closed "from the tray" "End task"
overlay_closed "with F7" "log-off"

fresh "Alt+F4 on a window opened from the tray"
start_duskveil
check "the overlay comes up" wait_overlay 12
check "  ... the tray icon opens the settings window" open_from_tray
drag_to 3600
check "  ... a drag there reaches the overlay" eventually 3 alpha_is 149
xdotool key alt+F4
if ! eventually 3 set_gone; then  # where the key does not reach it: the close it makes
  echo "    (Alt+F4 did not reach the window here; closing it with WM_CLOSE)"
  probe close-settings
fi
check "the window closes" eventually 3 set_gone
check "  ... saving its change" test "$(reg intLig)" = "sz 149"
check "  ... and exactly one icon comes back" eventually 3 tray_has 1
check "  ... which opens the window again" open_from_tray
