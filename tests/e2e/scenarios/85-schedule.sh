#!/usr/bin/env bash
# Scenarios: night mode by itself, by the clock and by the sun; the pause,
# the hot keys and the schedule's submenu. Sourced by run.sh.

# Minutes after midnight on the clock the program reads: local or utc.
clock_minutes() {
  local t; t=$(probe clock | sed -n "s/.*$1=\([0-9]*\):\([0-9]*\):.*/\1 \2/p")
  set -- $t
  echo $((10#$1 * 60 + 10#$2))
}
hhmm() { local m=$((($1 % 1440 + 1440) % 1440)); printf '%02d:%02d' $((m / 60)) $((m % 60)); }
# A span from `from` to `to` minutes after now, on the local clock.
span_from_now() { local now; now=$(clock_minutes local); echo "$(hhmm $((now + $1)))-$(hhmm $((now + $2)))"; }
# The longitude where it is now solar `hour` o'clock (the sun's own time runs
# with the longitude, 15 degrees to the hour).
longitude_at_solar() {
  local utc; utc=$(clock_minutes utc)
  awk -v u="$utc" -v h="$1" 'BEGIN { l = (h * 60 - u) / 4; while (l > 180) l -= 360; while (l < -180) l += 360; printf "%.2f\n", l }'
}

fresh "a fixed span around now"
probe reg-set Schedule sz "$(span_from_now -60 60)" >/dev/null
start_duskveil
check "tints at once after the countdown" wait_overlay 12
check "  ... at the chosen strength" becomes 3 150 alpha_now

fresh "a span later today"
probe reg-set Schedule sz "$(span_from_now 60 120)" >/dev/null
start_duskveil
check "after the countdown the overlay is loaded" counted_down
check "  ... but hidden" overlay_hidden
check "  ... while the icon stays" eventually 3 tray_has 1
press_f7
check "F7 opens the settings window" eventually 3 visible_client $SET
check "  ... and shows the tint at the chosen strength" eventually 3 overlay_visible
check "  ... at 150" becomes 3 150 alpha_now
click_twips $SET 6690 292
check "\"×\" hides it again" eventually 5 untinted

fresh "the sun on the equator at solar midnight"
probe reg-set Schedule sz sun >/dev/null
probe reg-set Latitude sz 0 >/dev/null
probe reg-set Longitude sz "$(longitude_at_solar 0)" >/dev/null
start_duskveil
check "tints" wait_overlay 12
check "  ... at full strength" becomes 3 150 alpha_now

fresh "the sun on the equator at solar noon"
probe reg-set Schedule sz sun >/dev/null
probe reg-set Latitude sz 0 >/dev/null
probe reg-set Longitude sz "$(longitude_at_solar 12)" >/dev/null
start_duskveil
check "after the countdown the overlay is loaded" counted_down
check "  ... but does not tint" overlay_hidden
press_f7
check "F7 shows the tint while the settings window is open" eventually 3 overlay_visible
click_twips $SET 6690 292
check "  ... until \"×\"" eventually 5 untinted

fresh "the hot keys and the pause"
start_duskveil
wait_overlay 12 >/dev/null
check "the window below has the keyboard" eventually 3 below_has_keyboard
x_focus_foreground
xdotool key alt+Next
check "Alt+PgDn: darker by 16" becomes 3 166 alpha_now
check "  ... written soon after" becomes 5 "sz 166" reg intLig
x_focus_foreground
xdotool key alt+Prior alt+Prior
check "Alt+PgUp twice: brighter by 32" becomes 3 134 alpha_now
check "  ... written once the presses stop" becomes 5 "sz 134" reg intLig
x_focus_foreground
xdotool key alt+End
check "Alt+End pauses: the tint goes" eventually 5 untinted
x_focus_foreground
xdotool key alt+End
check "Alt+End again resumes at once" eventually 3 overlay_visible
check "pick 暂停 > 1 小时 in the menu" pick pause-hour
check "  ... the tint goes" eventually 5 untinted
check "pick 继续夜间模式" pick resume
check "  ... the tint is back" eventually 3 overlay_visible
check "nothing of the pause is stored" test "$(reg Schedule)" = absent
check "pick the hot keys' item: off" pick hot-keys
check "  ... stored" becomes 3 "sz 0" reg HotKeys
x_focus_foreground
xdotool key alt+Next
check "  ... Alt+PgDn reaches the program the user works in" becomes 3 1 noted '^alt 34'
check "  ... and leaves the strength alone" alpha_is 134
check "pick it again: on" pick hot-keys
check "  ... stored" becomes 3 "sz 1" reg HotKeys
x_focus_foreground
xdotool key alt+Next
check "  ... Alt+PgDn darkens again" becomes 3 150 alpha_now
check "pick 暂停 > 15 分钟" pick pause-15
check "  ... the tint goes" eventually 5 untinted
check "pick 继续夜间模式" pick resume
check "  ... the tint is back" eventually 3 overlay_visible
check "pick 暂停 > 到早上" pick pause-morning
check "  ... the tint goes" eventually 5 untinted
check "pick 继续夜间模式" pick resume
check "  ... the tint is back" eventually 3 overlay_visible
check "pick 暂停 > 直到我继续" pick pause-always
check "  ... the tint goes" eventually 5 untinted
check "pick 继续夜间模式" pick resume
check "  ... the tint is back" eventually 3 overlay_visible
WARM=$((0x162A40))  # 2700 K: the published 255 169 87 with its red at 64
check "pick 色温 > 2700 K" pick warmth-2700
check "  ... stored" becomes 3 "sz $WARM" reg lngColor
# Wine without a window manager leaves the window below over the layer on
# the X screen once a menu has closed, whatever Windows' z-order says: the
# pixels are read after a start, which stacks the layer on top again.
probe close-overlay >/dev/null
eventually 10 stopped
start_duskveil
wait_overlay 12 >/dev/null
check "  ... the screen tinted with it" eventually 5 blended $SPOT $WARM 150 $BELOW

fresh "the schedule's submenu"
start_duskveil
wait_overlay 12 >/dev/null
check "pick 日落到日出" pick sun
check "  ... \"Schedule\" is \"sun\"" becomes 3 "sz sun" reg Schedule
check "  ... the tint as the sun has it here" eventually 5 tint_settled
check "pick 不定时" pick no-schedule
check "  ... \"Schedule\" is \"0\"" becomes 3 "sz 0" reg Schedule
check "  ... the tint shows" eventually 3 overlay_visible

fresh "a span of the user's own in the submenu"
own=$(span_from_now 60 120)
probe reg-set Schedule sz "$own" >/dev/null
start_duskveil
check "after the countdown the overlay is loaded" counted_down
check "picked again, it is kept as it was" pick stored-span
check "  ... \"Schedule\" unchanged" becomes 3 "sz $own" reg Schedule
check "  ... and the tint stays hidden" overlay_hidden
check "pick 21:00 – 07:00" pick span21
check "  ... written" becomes 3 "sz 21:00-07:00" reg Schedule
check "  ... the user's own span kept beside it" becomes 3 "sz $own" reg OwnSchedule
check "the user's own span picked again from the menu" pick stored-span
check "  ... written" becomes 3 "sz $own" reg Schedule
