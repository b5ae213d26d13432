#!/usr/bin/env bash
# Scenarios: each monitor's own brightness at night, on simulated monitors
# that answer as monitors with DDC/CI do (tests/e2e/monitor_sim), put in the
# prefix's system folder in place of Wine's dxva2.dll for these scenarios
# alone. Sourced by run.sh.

dv_monitor_sim_on "$(dirname "$DV_EXE")"
DDC=$DV_DDC
monitors_are() { dv_monitors_are "$@"; }
level_of() { sed -n "${1}p" "$DDC/monitors.txt" | cut -d' ' -f4; }
level_is() { [ "$(level_of "$1")" = "$2" ]; }
day_kept() { [ "$(probe monitor-get "${2:-1}" DayBacklight)" = "sz $1" ]; }
day_gone() { [ "$(probe monitor-get "${1:-1}" DayBacklight)" = absent ]; }
with_backlight() {
  "$DV_LOADER" "$DV_EXE" "$@" >/dev/null 2>&1
  echo "exit $?"
}
command_exits() { local want=$1; shift; [ "$(with_backlight "$@")" = "exit $want" ]; }

fresh "the monitor's own brightness"
monitors_are '\\.\DISPLAY1 0 100 80 30 1'
probe reg-set intLig sz 150 >/dev/null
start_duskveil
wait_overlay 12 >/dev/null
check "with no level chosen, no monitor is asked anything" test ! -e "$DDC/log.txt"
check "/backlight 40: exit 0" command_exits 0 /backlight 40
check "  ... stored" test "$(reg Backlight)" = "sz 40"
check "  ... the monitor goes to 40" eventually 10 level_is 1 40
check "  ... its day level stored under its key" day_kept 80
check "/pause: back at its day level" command_exits 0 /pause
check "  ... 80" eventually 10 level_is 1 80
check "  ... the day level deleted" eventually 5 day_gone
check "/resume: 40 again" command_exits 0 /resume
check "  ... 40" eventually 10 level_is 1 40
check "the menu's 60%" pick backlight-60
check "  ... stored" eventually 5 output_is "sz 60" reg Backlight
check "  ... the monitor goes to 60" eventually 10 level_is 1 60
check "/off: exit 0" command_exits 0 /off
check "  ... the program gone" eventually 10 stopped
check "  ... back at 80 before it went" level_is 1 80
check "  ... the day level deleted" day_gone

start_duskveil
wait_overlay 12 >/dev/null
check "started again: 60" eventually 10 level_is 1 60
probe close-overlay >/dev/null
check "a plain end (End task's close): gone" eventually 10 stopped
check "  ... back at 80" level_is 1 80

fresh "a program killed at night"
monitors_are '\\.\DISPLAY1 0 100 80 30 1'
probe reg-set Backlight sz 40 >/dev/null
start_duskveil
check "at 40" eventually 15 level_is 1 40
{ kill -9 "$DV_PID" && wait "$DV_PID"; } 2>/dev/null
check "killed: the monitor stays at 40, its day level kept" eventually 10 day_kept 80
start_duskveil
wait_overlay 12 >/dev/null
check "started again, it ends with the stored day level" command_exits 0 /off
check "  ... 80, not the 40 it found" eventually 10 level_is 1 80
check "  ... deleted" day_gone

fresh "a monitor that takes its time"
monitors_are '\\.\DISPLAY1 0 100 80 -1 1'
start_duskveil
wait_overlay 12 >/dev/null
check "/backlight 20 answers while the monitor has not" command_exits 0 /backlight 20
check "/brightness 40 too" command_exits 0 /brightness 40
check "  ... the layer follows at once" alpha_is 153
check "  ... the monitor has answered nothing yet" bash -c "! grep -q ' get ' '$DDC/log.txt'"
touch "$DDC/go"
check "once it answers, it goes to 20" eventually 15 level_is 1 20
monitors_are '\\.\DISPLAY1 0 100 20 -1 1'
check "with the monitor hanging again, /pause answers" command_exits 0 /pause
check "  ... and /off ends the program all the same" command_exits 0 /off
check "  ... gone" eventually 10 stopped
check "  ... the day level kept for the next start" day_kept 80

two_monitors on
fresh "one of two monitors answering"
monitors_are '\\.\DISPLAY1 0 100 80 30 1' '\\.\DISPLAY2 0 100 70 30 0'
probe reg-set Backlight sz 40 >/dev/null
start_duskveil
check "the one that answers goes to 40" eventually 15 level_is 1 40
check "  ... the other is left as it was" level_is 2 70
check "  ... and keeps its layer" eventually 5 prints "title=$(dv_name SCREEN_CAPTION) visible=1" windows
two_monitors off

stop_all
dv_monitor_sim_off
