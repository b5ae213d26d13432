#!/usr/bin/env bash
# Long-run check: opens and closes the settings window 1,000 times from the
# tray and 1,000 times with F7, applies 1,000 colours and makes 10,000
# slider moves, printing the program's working set after each phase and the
# Linux side's resident private memory before and after (Wine counts no GDI
# or USER objects and reads another process's private bytes as 0: the host
# tests count the windows and timers the program is handed). Then starts ten
# copies in the same instant and counts what is left. Usage: bench/soak.sh [cycles colours moves]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
source tools/lib.sh
dv_use_test_prefix
cycles=${1:-1000} colours=${2:-1000} moves=${3:-10000}
dv_build win64
unset DISPLAY
export DV_DISPLAY_NUM=${DV_DISPLAY_NUM:-83}
dv_virtual_display
dv_wine_prefix
exe=build/win64/Duskveil.exe
probe() { dv_probe "$@"; }
trap 'dv_stop_prefix; dv_stop_display' EXIT

# The Linux side of the Wine process: resident private memory and its peak.
linux_mem() {
  awk '/^(RssAnon|VmHWM|VmRSS):/ {printf "%s=%skB ", $1, $2}' "/proc/$dv_pid/status"
  echo
}

probe reg-clear
"$DV_WINE64" "$exe" >/dev/null 2>&1 &
dv_pid=$!
sleep 8
# A first round lets Wine and the program load and cache what they use once
# (the dialog's code, fonts); what follows must then stay flat.
probe soak 50 50 500 >/dev/null
echo "before: $(linux_mem)"
start=$SECONDS
probe soak "$cycles" "$colours" "$moves"
echo "after:  $(linux_mem)"
echo "soak took $((SECONDS - start)) s"
kill "$dv_pid" 2>/dev/null || true
sleep 1

pids=()
for _ in $(seq 10); do "$DV_WINE64" "$exe" >/dev/null 2>&1 & pids+=($!); done
sleep 9
alive=0
for p in "${pids[@]}"; do kill -0 "$p" 2>/dev/null && alive=$((alive + 1)); done
echo "ten copies started together: $alive running, $(probe windows | sed -n 's/^count //p') window(s), $(probe tray | sed -n 's/^tray .*icons=\([0-9]*\).*/\1/p') tray icon(s)"
