#!/usr/bin/env bash
# Scenarios: settings window: F7. Sourced by run.sh.

fresh "F7 and close"
start_duskveil
wait_overlay 12 >/dev/null
press_f7
check "F7 opens the settings window" eventually 3 visible_client $SET
check "  ... owned by the overlay, which is disabled meanwhile" \
  test "$(windows | grep "client=$SET" | field owner)/$(overlay_line | field enabled)" = 1/0
check "  ... and the tray icon stays" tray_has 1
sleep 0.3
screenshot settings
click_twips $SET 6690 292   # the "×"
check "the × closes it" eventually 3 set_gone
check "  ... intLig is 150" test "$(reg intLig)" = "sz 150"
check "  ... lngColor is $TINT" test "$(reg lngColor)" = "sz $TINT"
check "  ... leaving exactly one icon" tray_has 1

fresh "tray"
start_duskveil
wait_overlay 12 >/dev/null
eventually 3 tray_has 1
icon=$(icon_at)
xdotool mousemove ${icon% *} ${icon#* } click 1
check "a click on the tray icon opens the settings window" eventually 3 visible_client $SET
check "  ... not owned" test "$(windows | grep "client=$SET" | field owner)" = 0
check "  ... and the icon goes" eventually 3 tray_has 0
click_twips $SET 6690 292
check "the × brings the icon back" eventually 3 tray_has 1

fresh "turn off"
start_duskveil
wait_overlay 12 >/dev/null
press_f7
eventually 3 visible_client $SET >/dev/null
click_twips $SET 4147 2227   # 关闭夜间模式
check "the turn-off button ends the program" eventually 5 stopped
check "  ... with both values written" test "$(reg intLig)/$(reg lngColor)" = "sz 150/sz $TINT"
check "  ... and no icon left behind" eventually 3 no_icon


for key in Return space; do
  fresh "turn off with $key"
  start_duskveil
  wait_overlay 12 >/dev/null
  press_f7
  eventually 3 visible_client $SET >/dev/null
  drag_to 3600
  eventually 3 alpha_is 149
  x_focus_foreground
  # Keys are handled in order: once Right has brightened, $key was handled.
  xdotool key "$key" Right
  check "the slider holds the focus: $key leaves night mode on" becomes 3 144 alpha_now
  check "  ... running" running
  xdotool key Tab Tab Tab Tab "$key"
  check "Tab to the turn-off button, then $key, ends the program" eventually 5 stopped
  check "  ... with both values written" test "$(reg intLig)/$(reg lngColor)" = "sz 144/sz $TINT"
done
