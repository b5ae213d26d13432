#!/usr/bin/env bash
# Helpers for the end-to-end scenarios: start and stop the real exe under
# Wine, read its windows through the probe, read screen pixels, and count.

DV_PASS=0
DV_FAIL=0
DV_FAILED=()

probe() { dv_probe "$@"; }
# What the program is called and how large its windows are, from its names.
CAPTION=$(dv_name OVERLAY_CAPTION)
SPLASH=$(dv_client_px SPLASH)
SET=$(dv_client_px SET)
TINT=$(dv_name DEFAULT_TINT)

# True when a line of what the command prints matches the pattern (grep's
# basic regular expression): prints PATTERN command.... What the command
# prints is read whole before it is matched. A grep -q at the end of a pipe
# stops at its first match and closes the pipe, and a command still writing
# then dies of SIGPIPE, which pipefail counts as the pipe's failure: the
# check would fail, or a negated one pass, although the line was there.
prints() { local out; out=$("${@:2}"); grep -q -- "$1" <<<"$out"; }

check() {  # check "what" command...
  local what=$1; shift
  if "$@"; then
    DV_PASS=$((DV_PASS + 1)); echo "  ok   $what"
  else
    DV_FAIL=$((DV_FAIL + 1)); DV_FAILED+=("$DV_SCENARIO: $what"); echo "  FAIL $what"
  fi
}

# Polls until the command succeeds, for up to $1 seconds.
eventually() {
  local limit=$1; shift
  local end=$((SECONDS + limit))
  while [ $SECONDS -le "$end" ]; do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

# Only the copies this script started are ever looked at or stopped: a user
# may be running Duskveil beside the tests.
DV_PIDS=()
alive() { [ -n "$1" ] && kill -0 "$1" 2>/dev/null; }
running_count() {
  local n=0 p
  for p in "${DV_PIDS[@]}"; do alive "$p" && n=$((n + 1)); done
  echo "$n"
}
# Polls until what the command prints is the text given: becomes 3 "2" layers.
output_is() { local want=$1; shift; [ "$("$@")" = "$want" ]; }
becomes() { local limit=$1; shift; eventually "$limit" output_is "$@"; }

running() { [ "$(running_count)" -gt 0 ]; }

# A command with no copy running starts one of its own and ends: that copy
# is this script's too. It is found among the processes of this prefix
# alone that run the exe under test.
adopt_started_copies() {
  local p env
  for p in $(pgrep -f -- "$(basename "$DV_EXE")"); do
    env=$(tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null) || continue
    grep -qxF "WINEPREFIX=$WINEPREFIX" <<<"$env" || continue
    [[ " ${DV_PIDS[*]} " == *" $p "* ]] || DV_PIDS+=("$p")
  done
}
stopped() { ! running; }

# The program's windows as the probe lists them, one per line.
windows() { probe windows; }
overlay_line() { windows | grep "title=$CAPTION"; }
# A visible window of the program with the given client size.
visible_client() { prints "visible=1 .* client=$1 " windows; }
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p" | head -n 1; }
tray_icons() { probe tray | sed -n 's/^tray .*icons=\([0-9]*\).*/\1/p'; }
tray_has() { [ "$(tray_icons)" = "$1" ]; }
reg() { probe reg-get "$1"; }

start_below() {  # a window of our own under the overlay, counting clicks
  DV_CLICKS=$(mktemp)
  rm -f "$DV_CLICKS"
  "$DV_WINE64" "$DV_PROBE" below "$(winepath_w "$DV_CLICKS")" 200 200 200 >/dev/null 2>&1 &
  DV_BELOW_PID=$!
  eventually 10 below_up
}

start_duskveil() {
  WINEDEBUG=${DV_EXE_DEBUG:-$WINEDEBUG} "$DV_LOADER" "$DV_EXE" >/dev/null 2>>${DV_TRACE:-/dev/null} &
  DV_PID=$!
  DV_PIDS+=("$DV_PID")
  DV_START=$(date +%s.%N)
}

stop_all() {
  local p
  for p in "${DV_PIDS[@]}"; do alive "$p" && kill "$p" 2>/dev/null; done
  alive "${DV_BELOW_PID:-}" && kill "$DV_BELOW_PID" 2>/dev/null
  eventually 10 stopped
  DV_PIDS=()
  DV_BELOW_PID=""
  sleep 0.3
}

# The two-head display (on), or the usual one again (off).
two_monitors() {
  stop_all
  dv_two_monitors "$1"
}

fresh() {  # a clean store, a window below, nothing of ours running
  DV_SCENARIO=$1
  echo "scenario: $1"
  stop_all
  probe reg-clear >/dev/null
  start_below
}

below_has_keyboard() { prints '^foreground DuskveilE2EBelow|' probe foreground; }
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
# F7, pressed as a user presses it: where X's keyboard focus is on no window
# of Wine's (a window that had it went, and no window manager gave it on),
# Wine never hears of the key. X's focus goes first to the window that
# Windows has made the foreground one, as it would on Windows.
press_f7() {
  x_focus_foreground
  xdotool key F7
}
below_up() { prints DuskveilE2EBelow probe zorder; }
overlay_visible() { prints "title=$CAPTION visible=1" windows; }
wait_overlay() { eventually "${1:-12}" overlay_visible; }

# The screen pixel at x y as "r g b".
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p' | head -n 1 |
    awk '{printf "%d %d %d\n", $1+0.5, $2+0.5, $3+0.5}'
}

# True when the pixel at x y is tint*alpha + below*(1-alpha) within 4 levels
# (DV_LAYERS=2: where two layers lie one over the other, blended twice;
# DV_UNDER=alpha: the lower of the two at an alpha of its own).
blended() {  # x y tintColour(0xBBGGRR decimal) alpha belowR belowG belowB
  local got
  got=$(pixel "$1" "$2")
  python3 - "$got" "$3" "$4" "$5" "$6" "$7" <<'PY'
import os, sys
got = [int(v) for v in sys.argv[1].split()]
tint, alpha = int(sys.argv[2]), int(sys.argv[3])
want = [int(v) for v in sys.argv[4:7]]
t = [tint & 255, (tint >> 8) & 255, (tint >> 16) & 255]
alphas = [alpha] * int(os.environ.get('DV_LAYERS', '1'))
if os.environ.get('DV_UNDER'):
    alphas = [int(os.environ['DV_UNDER']), alpha]
for a in alphas:
    want = [round(t[i] * a / 255 + want[i] * (255 - a) / 255) for i in range(3)]
ok = all(abs(g - w) <= 4 for g, w in zip(got, want))
if not ok:
    print(f"    pixel {got}, expected {want}", file=sys.stderr)
sys.exit(0 if ok else 1)
PY
}

# What the window below noted: its clicks, the keys typed into it (in order)
# and the closes asked of it.
noted() { local n=0; [ -f "$DV_CLICKS" ] && n=$(grep -c "$1" "$DV_CLICKS"); echo "${n:-0}"; }
clicks() { noted '^click'; }
closes() { noted '^close'; }
typed() { [ -f "$DV_CLICKS" ] && sed -n 's/^key //p' "$DV_CLICKS" | tr -d '\r\n'; }

# Client origin of the visible window with the given client size.
origin_of() { windows | grep 'visible=1' | grep "client=$1" | field origin; }

# Clicks at twips (x, y) in the visible window with the given client size.
click_twips() {  # size xTw yTw
  local o; o=$(origin_of "$1")
  local ox=${o%,*} oy=${o#*,}
  xdotool mousemove $((ox + $2 / 15)) $((oy + $3 / 15)) click 1
}

only_overlay() { [ "$(windows | sed -n 's/^count //p')" = 1 ]; }
reg_is_text() { prints '^sz ' reg "$1"; }

set_gone() { ! visible_client $SET; }
alpha_now() { overlay_line | field alpha; }
# The icon, where a click reaches it: the tray kept above ordinary windows,
# as a taskbar is.
icon_at() {
  probe tray-on-top
  probe tray | sed -n 's/^icon //p' | head -n 1
}
open_from_tray() {
  eventually 3 tray_has 1
  local icon; icon=$(icon_at)
  xdotool mousemove ${icon% *} ${icon#* } click 1
  eventually 3 visible_client $SET
}
drag_to() {  # drags the slider from its middle to x twips
  local o; o=$(origin_of $SET)
  local ox=${o%,*} oy=${o#*,}
  xdotool mousemove $((ox + 3000 / 15)) $((oy + 1290 / 15)) mousedown 1
  xdotool mousemove $((ox + $1 / 15)) $((oy + 1290 / 15)) mouseup 1
}
no_icon() { [ "$(tray_icons)" = 0 ] || ! prints 'visible=1' probe tray; }
splash_shows() { visible_client $SPLASH; }
alpha_is() { [ "$(overlay_line | field alpha)" = "$1" ]; }

screenshot() { mkdir -p "$DV_ARTEFACTS"; import -window root "$DV_ARTEFACTS/$1.png" 2>/dev/null; }

menu_open() { prints '^z #32768|' probe zorder; }
# Where a command stands in the icon's menu, "N" or, in a submenu (the
# schedule's, the monitor brightness', the warmth's, the pause's, the language's), "N M";
# "resume" stands in the pause's place while paused. It counts the items and not the separators, as the menu's
# one statement of its order has it (overlay/tray_menu.h). A command by its
# name there, in lower case with dashes (all-screens, span21); none: the menu
# dismissed. Wine lets no other process read a menu, so the probe walks it by
# keyboard. The item for the program the user works in is left out where
# there is none: the items after it are counted from the bottom, as "-N".
menu_order() {  # kMenuOrder or a submenu's order (kScheduleOrder, ...): its commands, one to a line
  sed -n "s/.* $1\[\] = {\(.*\)};/\1/p" "$DV_ROOT/overlay/tray_menu.h" | tr -d ' ' | tr ',' '\n' |
    grep -vx kSeparator
}
menu_place() {
  [ "$1" = none ] && { echo 0; return; }
  local name n m total left_out
  name=k$(sed -E 's/(^|-)([a-z0-9])/\U\2/g' <<<"$1")
  # "继续夜间模式" stands in the pause's submenu's place while paused.
  [ "$name" = kResume ] && name=kPauseMenu
  total=$(menu_order kMenuOrder | wc -l)
  left_out=$(menu_order kMenuOrder | grep -nx kPauseFor | cut -d: -f1)
  n=$(menu_order kMenuOrder | grep -nx "$name" | cut -d: -f1)
  local sub
  for sub in Schedule Backlight Warmth Pause Language; do
    [ -z "$n" ] || break
    m=$(menu_order "k${sub}Order" | grep -nx "$name" | cut -d: -f1)
    [ -n "$m" ] && n=$(menu_order kMenuOrder | grep -nx "k${sub}Menu" | cut -d: -f1)
  done
  [ -n "$n" ] || { echo "no such command: $1" >&2; return 1; }
  [ "$n" -gt "$left_out" ] && n=-$((total - n + 1))
  echo "$n${m:+ $m}"
}
# A right click on the icon, as a user makes it: the keyboard settled first
# with the program the user works in, the pointer coming from elsewhere (so
# that no tip of the icon stands in the way), and the button released only
# once the tray holds the keyboard. A taskbar is active from the press on,
# before the program hears of the release; Wine's tray becomes so in its
# own time, and an activation arriving after the menu opened would close it.
tray_has_keyboard() { prints '^foreground __winex11_standalone_tray|' probe foreground; }
keyboard_with_user() { below_has_keyboard || tray_has_keyboard; }
no_tip() { ! prints '^z tooltips_class32|' probe zorder; }
right_click_icon() {
  # The program done with what it was doing (a hide, say, that Wine without
  # a window manager finishes in about 2 s), and no tip of the icon up.
  probe idle
  xdotool mousemove ${SPOT% *} ${SPOT#* }
  eventually 3 no_tip
  eventually 3 keyboard_with_user
  local icon; icon=$(icon_at)
  xdotool mousemove ${SPOT% *} ${SPOT#* } mousemove ${icon% *} ${icon#* } mousedown 3
  DV_PRESS_SEEN=yes
  eventually 3 tray_has_keyboard || DV_PRESS_SEEN=no
  xdotool mouseup 3
}
# The menu opened by a right click; where none did, what stood in its way.
menu_opens() {
  eventually 3 menu_open && return 0
  echo "    no menu after a right click: $(probe tray | tr '\n' ' ')"
  echo "    the press gave the tray the keyboard: $DV_PRESS_SEEN"
  echo "    the keyboard is with: $(probe foreground)"
  echo "    on top: $(probe zorder | head -n 4 | tr '\n' ' ')"
  return 1
}
# Opens the icon's menu with a right click and picks a command by its name.
# The menu opens over the icon. Without a window manager Wine takes it off
# the X screen in its own time after it closes, and a click there meanwhile
# lands on it: the pick ends once the X windows that came with the menu are
# gone (or, for a tip that stays, after 5 s).
x_shown() { xdotool search --maxdepth 1 --onlyvisible --name '' 2>/dev/null | sort; }
off_screen() { local w; for w in $1; do prints "^$w\$" x_shown && return 1; done; return 0; }
pick() {
  local place; place=$(menu_place "$1") || return 1
  eventually 3 tray_has 1 || { echo "    no icon: $(probe tray)"; return 1; }
  local before; before=$(x_shown)
  right_click_icon
  menu_opens || return 1
  local came; came=$(comm -13 <(echo "$before") <(x_shown))
  probe menu-pick $place || {
    echo "    the menu went before the pick: $(probe zorder | head -n 4 | tr '\n' ' ')"
    return 1
  }
  eventually 5 off_screen "$came" || true
  # The pointer leaves the icon, as a user's does: resting there, it brings
  # up the icon's tip, which Wine takes off the X screen in its own time and
  # which would take the next press.
  xdotool mousemove ${SPOT% *} ${SPOT#* }
}

overlay_hidden() { prints "title=$CAPTION visible=0" windows; }
# Hidden, and the screen shows it: without a window manager Wine finishes a
# hide about 2 s after the program asked, and the program's next step (a
# menu, say) waits for it.
untinted() { overlay_hidden && [ "$(pixel $SPOT)" = "$BELOW" ]; }
# Shown, or hidden to the end.
tint_settled() { overlay_visible || untinted; }
splash_gone() { ! visible_client $SPLASH; }
# Started, the countdown over: the overlay loaded, shown or not. Waited for
# in two steps, the splash and then its end, so that a slow start of Wine
# under load is told apart from a countdown that never ends.
overlay_loaded_and_splash_gone() { [ -n "$(overlay_line)" ] && splash_gone; }
counted_down() {
  eventually 10 splash_shows || { echo "    no splash; running: $(running_count)"; return 1; }
  eventually 10 overlay_loaded_and_splash_gone || { echo "    windows: $(windows)"; return 1; }
}

# The program in a language.
# Wine follows LANG only when its server starts: each language runs on a
# server of its own, and the suite's own language comes back at the end.
in_language() {  # locale
  stop_all
  dv_stop_prefix
  export LANG=$1 LC_ALL=$1
}
reads() {  # the settings window's turn-off button reads this
  press_f7
  eventually 3 visible_client $SET || return 1
  becomes 3 "$1" probe button-text || { echo "    it reads: $(probe button-text)"; return 1; }
}
read_aloud() {  # the slider's and the close mark's accessible names
  local all; all=$(probe accessible)
  grep -q "^part 1 .* name=$1 value=" <<<"$all" && grep -q "^part 3 .* name=$2 value=" <<<"$all" ||
    { echo "    read: $all"; return 1; }
}
hold_suite_language() { DV_SUITE_LANG=${LANG-} DV_SUITE_LC_ALL=${LC_ALL-}; }
back_to_suite_language() {
  stop_all
  dv_stop_prefix
  if [ -n "$DV_SUITE_LANG" ]; then export LANG=$DV_SUITE_LANG; else unset LANG; fi
  if [ -n "$DV_SUITE_LC_ALL" ]; then export LC_ALL=$DV_SUITE_LC_ALL; else unset LC_ALL; fi
}
# A text of a language's file (resources/texts/), as the program shows it.
text_of() {  # code field
  sed -n "s/^    \.$2 = \"\(.*\)\",\$/\1/p" "$DV_ROOT/resources/texts/$1.h"
}
