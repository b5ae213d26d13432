#!/usr/bin/env bash
# A Wine prefix for running Duskveil: 64-bit Wine, with the 32-bit loader when
# this kernel can run 32-bit programs, and the two Chinese faces mapped to
# WenQuanYi. Its windows are not handed to an X window manager: a virtual
# display has none, and Wine would wait for one at every hide. Sourced; sets WINEPREFIX, DV_WINE64 and DV_WINE32 (empty when
# the 32-bit exe cannot run here).
export WINEPREFIX="${WINEPREFIX:-$HOME/.local/share/duskveil-wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
DV_WINE64=/usr/lib/wine/wine64
DV_WINE32=""
if /usr/lib/wine/wine --version >/dev/null 2>&1; then DV_WINE32=/usr/lib/wine/wine; fi

dv_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.duskveil-ready-2" ]; then
    mkdir -p "$WINEPREFIX"
    "$DV_WINE64" wineboot -i >/dev/null 2>&1 || true
    local reg
    reg=$(mktemp --suffix=.reg)
    printf '%s\r\n' 'REGEDIT4' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"宋体"="WenQuanYi Zen Hei"' '"黑体"="WenQuanYi Zen Hei"' \
      '"SimSun"="WenQuanYi Zen Hei"' '"SimHei"="WenQuanYi Zen Hei"' '' \
      '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' \
      '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
      | iconv -f utf-8 -t utf-16 > "$reg.16"
    "$DV_WINE64" regedit /S "$(winepath_w "$reg.16")" >/dev/null 2>&1 || true
    rm -f "$reg" "$reg.16"
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    touch "$WINEPREFIX/.duskveil-ready-2"
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

dv_stop_display() {
  if [ "${DV_OWN_DISPLAY:-0}" = 1 ]; then
    kill "${DV_XCOMPMGR_PID:-}" "${DV_XVFB_PID:-}" 2>/dev/null || true
  fi
}
