#!/usr/bin/env bash
# Footprint and responsiveness of Duskveil under Wine on a virtual display:
# exe sizes, start-up times, idle CPU and memory against a minimal reference
# program, slider and colour latencies, how fast the overlay is back on top,
# how fast a command line reaches the running copy, and the monitors' own
# brightness on simulated monitors. Prints one table and writes bench/results/latest.json.
# Usage: bench/run.sh [idle-seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
source tools/lib.sh
dv_use_test_prefix
idle=${1:-60}
dv_build win32 win64
unset DISPLAY
export DV_DISPLAY_NUM=${DV_DISPLAY_NUM:-85}
dv_virtual_display
dv_wine_prefix
arch=win64
[ -n "$DV_WINE32" ] && arch=win32
loader=$(dv_loader_for "build/$arch/")
probe() { dv_probe "$@"; }
menu_place() { (source tests/e2e/lib.sh && menu_place "$1"); }
stop() { dv_stop_prefix; sleep 1; }
# The wine server of this prefix: its directory is named after the prefix's
# device and inode.
own_server() {
  local dir s
  dir=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  for s in $(pgrep -x 'wineserver(64)?'); do
    case "$(readlink "/proc/$s/cwd")" in */"$dir") echo "$s"; return ;; esac
  done
}
trap 'stop; dv_stop_display' EXIT
out=$(mktemp -d)
stop
probe reg-clear

echo "sizes" > "$out/raw"
for a in win32 win64; do echo "size_$a $(stat -c %s build/$a/Duskveil.exe)" >> "$out/raw"; done

echo "start-up (5 runs of $arch, after one of each that warms the prefix)"
probe launch "$(winepath_w "$PWD/build/$arch/Duskveil.exe")" >/dev/null
stop
probe launch "$(winepath_w "$PWD/build/$arch/reference.exe")" >/dev/null
stop
for _ in 1 2 3 4 5; do
  probe launch "$(winepath_w "$PWD/build/$arch/Duskveil.exe")" >> "$out/raw"
  stop
  probe launch "$(winepath_w "$PWD/build/$arch/reference.exe")" | sed 's/^launch/launch-reference/' >> "$out/raw"
  stop
done

# CPU ticks (user + system) of a process, and of the wine server beside it.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
idle_run() {  # name exe [pause]
  "$loader" "$2" >/dev/null 2>&1 &
  local pid=$! server t0 s0
  sleep 8
  if [ "${3:-}" = pause ]; then
    # "1 小时" of the pause's submenu: the layers hide, with nothing to keep on top.
    probe tray-notify 517
    probe menu-pick $(menu_place pause-hour)
    sleep 3
    grep -q "title=$(dv_name OVERLAY_CAPTION) visible=0" <<<"$(probe windows)" || echo "  (not paused)"
  fi
  server=$(own_server)
  t0=$(ticks "$pid"); s0=$(ticks "$server")
  echo "  $1: ${idle}s idle"
  sleep "$idle"
  echo "idle_$1 cpu_ticks=$(( $(ticks "$pid") - t0 )) server_ticks=$(( $(ticks "$server") - s0 )) hz=$(getconf CLK_TCK) seconds=$idle $(awk '/^(VmHWM|RssAnon):/ {printf "%s=%s ", $1, $2}' /proc/$pid/status | tr -d ':')" >> "$out/raw"
  stop
}
echo "idle"
idle_run duskveil "build/$arch/Duskveil.exe"
idle_run reference "build/$arch/reference.exe"
idle_run duskveil_paused "build/$arch/Duskveil.exe" pause

echo "latencies (bench build)"
rm -f "$out/marks.log"
DUSKVEIL_BENCH_LOG=$(winepath_w "$out/marks.log") "$loader" "build/$arch/DuskveilBench.exe" >/dev/null 2>&1 &
for _ in $(seq 100); do grep -q "title=$(dv_name OVERLAY_CAPTION) visible=1" <<<"$(probe windows)" && break; sleep 0.2; done
sleep 0.5
probe slide 400 5 >/dev/null
sleep 0.5
echo "slide-done" >> "$out/marks.log"
probe soak 0 40 0 >/dev/null
probe ontop 200 >> "$out/raw"
stop

echo "idle on two monitors"
dv_two_monitors on
idle_run duskveil_2mon "build/$arch/Duskveil.exe"
idle_run reference_2mon "build/$arch/reference.exe"
# Each monitor at a level of its own.
probe reg-set PerMonitor sz 1
probe monitor-set 2 intLig 90
idle_run duskveil_2mon_own "build/$arch/Duskveil.exe"
probe reg-clear
dv_two_monitors off

echo "stepping aside for full-screen and listed programs"
probe reg-set PauseFullScreen sz 1
probe reg-set PauseFor sz duskveil_probe.exe
idle_run duskveil_aside "build/$arch/Duskveil.exe"
"$DV_WINE64" "$DV_PROBE" below NUL 200 200 200 >/dev/null 2>&1 &
"$loader" notepad >/dev/null 2>&1 &
sleep 2
"$loader" "build/$arch/Duskveil.exe" >/dev/null 2>&1 &
for _ in $(seq 100); do grep -q "title=$(dv_name OVERLAY_CAPTION) visible=1" <<<"$(probe windows)" && break; sleep 0.2; done
probe aside Notepad 50 >> "$out/raw" || echo "  (no window to step aside for)"
stop  # the window below and the other program go with the prefix's processes
probe reg-clear

echo "the command line: a new process to the running copy's alpha changed"
"$loader" "build/$arch/Duskveil.exe" >/dev/null 2>&1 &
for _ in $(seq 100); do grep -q "title=$(dv_name OVERLAY_CAPTION) visible=1" <<<"$(probe windows)" && break; sleep 0.2; done
probe command-latency "$(winepath_w "$PWD/build/$arch/Duskveil.exe")" 30 >> "$out/raw" || echo "  (no overlay to command)"
stop
probe reg-clear

echo "hot keys: the key's message to the overlay's alpha, without the level's label, then with it"
for label in 0 1; do
  probe reg-set ShowLevel sz $label
  "$loader" "build/$arch/Duskveil.exe" >/dev/null 2>&1 &
  for _ in $(seq 100); do grep -q "title=$(dv_name OVERLAY_CAPTION) visible=1" <<<"$(probe windows)" && break; sleep 0.2; done
  probe hot-key-latency 40 "hotkey_label$label" >> "$out/raw" || echo "  (no overlay for the hot keys)"
  stop
done
probe reg-clear

echo "the command line with no copy running: its process start to its end"
probe command-alone "$(winepath_w "$PWD/build/$arch/Duskveil.exe")" 10 >> "$out/raw" || echo "  (the command did not start)"
stop
probe reg-clear

echo "the monitors' own brightness, on simulated monitors"
dv_monitor_sim_on "build/$arch"
overlay_up() {
  for _ in $(seq 100); do grep -q "title=$(dv_name OVERLAY_CAPTION) visible=1" <<<"$(probe windows)" && return; sleep 0.2; done
  echo "  (no overlay)"
}
# The slider, with a monitor that takes 200 ms a call.
dv_monitors_are '\\.\DISPLAY1 0 100 80 200 1'
probe reg-set Backlight sz 40
rm -f "$out/marks-backlight.log"
DUSKVEIL_BENCH_LOG=$(winepath_w "$out/marks-backlight.log") "$loader" "build/$arch/DuskveilBench.exe" >/dev/null 2>&1 &
overlay_up
sleep 0.5
probe slide 400 5 >/dev/null
sleep 0.5
echo "slide-done" >> "$out/marks-backlight.log"
stop
# A dusk fade, its twenty minutes passing in twenty seconds: night starts
# ten minutes (ten seconds) after the program first reads the clock.
dv_monitors_are '\\.\DISPLAY1 0 100 80 50 1'
local_now=$(probe clock | sed -n 's/.*local=\([0-9]*\):\([0-9]*\).*/\1 \2/p')
read -r hh mm <<<"$local_now"
dusk=$(( (10#$hh * 60 + 10#$mm + 10) % 1440 ))
dawn=$(( (dusk + 600) % 1440 ))
probe reg-set Schedule sz "$(printf '%02d:%02d-%02d:%02d' $((dusk / 60)) $((dusk % 60)) $((dawn / 60)) $((dawn % 60)))"
DUSKVEIL_BENCH_CLOCK=60 "$loader" "build/$arch/DuskveilBench.exe" >/dev/null 2>&1 &
# Until the monitor is at night's level (40), or a minute and a half.
for _ in $(seq 450); do [ "$(cut -d' ' -f4 "$DV_DDC/monitors.txt")" = 40 ] && break; sleep 0.2; done
echo "fade_writes $(grep -c ' set ' "$DV_DDC/log.txt" || true) level=$(cut -d' ' -f4 "$DV_DDC/monitors.txt")" >> "$out/raw"
stop
probe reg-clear
# Idle, with the option on and a monitor that answers.
dv_monitors_are '\\.\DISPLAY1 0 100 80 50 1'
probe reg-set Backlight sz 40
idle_run duskveil_backlight "build/$arch/Duskveil.exe"
probe reg-clear
dv_monitor_sim_off

mkdir -p bench/results
python3 bench/analyse.py "$out/raw" "$out/marks.log" bench/results/latest.json
