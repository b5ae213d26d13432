#!/usr/bin/env bash
# What the scripts share: the names of platform/names.h, building presets,
# the Wine prefixes, a virtual display, and the probe. Sourced; it leaves the
# caller's shell options as they are.
DV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# A name of platform/names.h, as the program has it: dv_name OVERLAY_CAPTION.
dv_name() { sed -n "s/^#define DV_$1 \"\{0,1\}\([^\"]*\)\"\{0,1\}$/\1/p" "$DV_ROOT/platform/names.h"; }
# A client area at 96 dots per inch, as "width,height" in pixels.
dv_client_px() {
  local w h
  IFS=', ' read -r w h <<<"$(dv_name "$1_CLIENT_TWIPS")"
  echo "$((w / 15)),$((h / 15))"
}

# The release, from its one statement in CMakeLists.txt.
dv_version() { sed -n 's/^project(Duskveil VERSION \([0-9.]*\).*/\1/p' "$DV_ROOT/CMakeLists.txt"; }
# Debian's own Python, which has the PE reader the exe checks use.
DV_PYTHON=/usr/bin/python3

# Configures and builds presets, quietly: dv_build win32 win64.
dv_build() {
  local preset
  for preset in "$@"; do
    cmake -S "$DV_ROOT" --preset "$preset" >/dev/null && cmake --build "$DV_ROOT/build/$preset" >/dev/null || return 1
  done
}

# Tests, benchmarks and pictures use a prefix of their own, so that the store
# they clear is never the user's, and what they stop is only their own.
dv_use_test_prefix() { export WINEPREFIX="${DV_TEST_WINEPREFIX:-$HOME/.local/share/duskveil-wine-test}"; }
dv_stop_prefix() { /usr/lib/wine/wineserver -k 2>/dev/null || true; }

# The prefix for running Duskveil: 64-bit Wine, with the 32-bit loader when
# this kernel can run 32-bit programs, the two Simplified Chinese faces
# mapped to WenQuanYi, the Traditional Chinese, Japanese and Korean
# interface faces to Noto Sans CJK, and the Latin one to Open Sans, a little
# wider. Wine links the menu's font (Tahoma) to those East Asian faces by
# their Windows names, so the menu shows every script. Its windows are not
# handed to an X window manager: a virtual display has none, and Wine would
# wait for one at every hide.
export WINEPREFIX="${WINEPREFIX:-$HOME/.local/share/duskveil-wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
DV_WINE64=/usr/lib/wine/wine64
DV_WINE32=""
if /usr/lib/wine/wine --version >/dev/null 2>&1; then DV_WINE32=/usr/lib/wine/wine; fi

dv_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.duskveil-ready-3" ]; then
    mkdir -p "$WINEPREFIX"
    "$DV_WINE64" wineboot -i >/dev/null 2>&1 || true
    local reg
    reg=$(mktemp --suffix=.reg)
    printf '%s\r\n' 'REGEDIT4' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"宋体"="WenQuanYi Zen Hei"' '"黑体"="WenQuanYi Zen Hei"' \
      '"SimSun"="WenQuanYi Zen Hei"' '"SimHei"="WenQuanYi Zen Hei"' \
      '"Microsoft JhengHei UI"="Noto Sans CJK TC"' '"PMingLiU"="Noto Sans CJK TC"' \
      '"Yu Gothic UI"="Noto Sans CJK JP"' '"Meiryo UI"="Noto Sans CJK JP"' \
      '"MS UI Gothic"="Noto Sans CJK JP"' '"Malgun Gothic"="Noto Sans CJK KR"' \
      '"Gulim"="Noto Sans CJK KR"' '"Segoe UI"="Open Sans"' '' \
      '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' \
      '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
      | iconv -f utf-8 -t utf-16 > "$reg.16"
    "$DV_WINE64" regedit /S "$(winepath_w "$reg.16")" >/dev/null 2>&1 || true
    rm -f "$reg" "$reg.16"
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    touch "$WINEPREFIX/.duskveil-ready-3"
  fi
}

winepath_w() { echo "Z:${1//\//\\}"; }

# The loader for an exe: 32-bit exes need the 32-bit one.
dv_loader_for() {
  case "$1" in
    *win32*) echo "$DV_WINE32" ;;
    *) echo "$DV_WINE64" ;;
  esac
}

# The probe (tools/probe), built with the win64 preset: dv_probe windows.
DV_PROBE=${DV_PROBE:-$DV_ROOT/build/win64/duskveil_probe.exe}
dv_probe() { "$DV_WINE64" "$DV_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# Simulated monitors that answer brightness commands (tests/e2e/monitor_sim),
# for the exe in build directory $1: put in the prefix's system folder of
# the exe's kind in place of Wine's dxva2.dll, and loaded by the processes
# started until dv_monitor_sim_off. Each argument of dv_monitors_are is one
# physical monitor: DEVICE MINIMUM MAXIMUM LEVEL DELAY ANSWERS.
dv_pe_machine() {
  local at
  at=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((at + 4)) -N2 "$1" | tr -d ' '
}
dv_monitor_sim_on() {
  local sysdir=syswow64
  [ "$(dv_pe_machine "$1/Duskveil.exe")" = 8664 ] && sysdir=system32
  DV_DDC="$WINEPREFIX/drive_c/ddc"
  DV_SIM_AT="$WINEPREFIX/drive_c/windows/$sysdir/dxva2.dll"
  mkdir -p "$DV_DDC"
  [ -f "$DV_DDC/wines-$sysdir.dll" ] || cp "$DV_SIM_AT" "$DV_DDC/wines-$sysdir.dll" 2>/dev/null || true
  cp "$1/monitor-sim/dxva2.dll" "$DV_SIM_AT"
  DV_OVERRIDES_BEFORE=$WINEDLLOVERRIDES
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;dxva2=n"
}
dv_monitor_sim_off() {
  local saved="$DV_DDC/wines-$(basename "$(dirname "$DV_SIM_AT")").dll"
  if [ -f "$saved" ]; then cp "$saved" "$DV_SIM_AT"; else rm -f "$DV_SIM_AT"; fi
  export WINEDLLOVERRIDES=$DV_OVERRIDES_BEFORE
}
dv_monitors_are() {
  rm -f "$DV_DDC/log.txt" "$DV_DDC/go"
  printf '%s\n' "$@" >"$DV_DDC/monitors.txt"
}

# A virtual display with a compositor, when there is no display.
dv_virtual_display() {
  if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    export DISPLAY=:${DV_DISPLAY_NUM:-77}
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    DV_XVFB_PID=$!
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xcompmgr >/dev/null 2>&1 &
    DV_XCOMPMGR_PID=$!
    DV_OWN_DISPLAY=1
  fi
}

# Two monitors: Wine reports the two heads of a Xinerama display as two
# monitors when its X11 driver does not use XRandR (Xvfb puts both at 0,0).
# "on" stops what runs in the prefix and moves to such a display; "off"
# stops it again and goes back.
dv_two_monitors() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  if [ "$1" = on ]; then
    "$DV_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1 || true
    DV_ONE_MONITOR_DISPLAY=$DISPLAY
    export DISPLAY=:$((${DV_DISPLAY_NUM:-77} + 1))
    Xvfb "$DISPLAY" +xinerama -screen 0 1024x768x24 -screen 1 800x600x24 -nolisten tcp >/dev/null 2>&1 &
    DV_XVFB2_PID=$!
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xcompmgr >/dev/null 2>&1 &
    DV_XCOMPMGR2_PID=$!
  else
    "$DV_WINE64" reg delete 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /f >/dev/null 2>&1 || true
    kill "${DV_XCOMPMGR2_PID:-}" "${DV_XVFB2_PID:-}" 2>/dev/null || true
    export DISPLAY=$DV_ONE_MONITOR_DISPLAY
  fi
  /usr/lib/wine/wineserver -w 2>/dev/null || true
}

dv_stop_display() {
  if [ "${DV_OWN_DISPLAY:-0}" = 1 ]; then
    kill "${DV_XCOMPMGR_PID:-}" "${DV_XVFB_PID:-}" 2>/dev/null || true
  fi
}
