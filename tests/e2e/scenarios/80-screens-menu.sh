#!/usr/bin/env bash
# Scenarios: two monitors, and the tray icon's menu. Sourced by run.sh.

screen_line() { windows | grep "title=$(dv_name SCREEN_CAPTION)"; }
# The layers only: the overlay and its companions, by their captions (the
# splash that each opening of the settings window reloads unseen is a window
# of the program too, for about 5 s).
layers() { windows | grep -c -E "title=($CAPTION|$(dv_name SCREEN_CAPTION)) "; }
layers_and_rects() { echo "$(layers)/$(overlay_line | field rect)/$(screen_line | field rect)"; }
run_and_mark() { echo "$(probe run-get)/$(probe approved-get)"; }
hide_running_and_run() { echo "$(reg HideInCaptures)/$(running_count)/$(probe run-get)"; }
shown_icons() { visible_client $SET && tray_icons; }

two_monitors on
if prints 'rect=0,0,800,600' probe monitors; then
  fresh "two monitors"
  start_duskveil
  wait_overlay 12 >/dev/null
  check "a second layer covers the second monitor" becomes 3 2 layers
  line=$(screen_line)
  check "  ... exactly its rectangle" test "$(echo "$line" | field rect)" = "0,0,800,600"
  check "  ... layered, click-through, top-most, no taskbar button, never activated" \
    test $(($(echo "$line" | field exstyle) & 0x080800a8)) -eq $((0x080800a8))
  check "  ... at the overlay's alpha" test "$(echo "$line" | field alpha)/$(echo "$line" | field lwa)" = 150/2
  check "  ... shown" test "$(echo "$line" | field visible)" = 1
  sleep 0.5
  check "  ... and its tint lies over the overlay's" eventually 3 env DV_LAYERS=2 bash -c "$(declare -f blended pixel); blended 400 300 $TINT 150 $BELOW"
  press_f7
  eventually 3 visible_client $SET >/dev/null
  drag_to 3600
  screen_alpha() { [ "$(screen_line | field alpha)" = 149 ]; }
  check "a slider move reaches both layers" eventually 3 screen_alpha
  click_twips $SET 3900 555
  probe choose 255 0 0 >/dev/null
  red_twice() { DV_LAYERS=2 blended 100 500 255 149 $BELOW 2>/dev/null; }
  check "a colour reaches both" eventually 3 red_twice
  click_twips $SET 6690 292
  eventually 3 set_gone
  probe display-change
  check "after a display change both layers stand where they were, the overlay whole again" \
    becomes 3 "2/0,0,1024,768/0,0,800,600" layers_and_rects
  check "pick 覆盖所有显示器 in the tray menu" pick all-screens
  check "  ... the second layer goes" becomes 3 1 layers
  check "  ... and AllScreens is written \"0\"" test "$(reg AllScreens)" = "sz 0"
  pick all-screens
  check "  ... picked again, it comes back" becomes 3 2 layers
  sleep 0.3
  pick_shot() {
    right_click_icon
    menu_opens && sleep 0.3 && screenshot tray-menu && probe menu-pick 0
  }
  check "a right click opens the menu over the tint" pick_shot
  ours="sz \"$(winepath_w "$DV_EXE")\""
  check "pick 开机时启动: the exe starts at log-on" pick start-at-log-on
  check "  ... named whole, in quotes" becomes 3 "$ours" probe run-get
  probe approved-set 030000000000000000000000
  check "disabled in Task Manager, a pick turns it on again" pick start-at-log-on
  check "  ... the entry stays and the disabled mark goes" becomes 3 "$ours/absent" run_and_mark
  pick start-at-log-on
  check "  ... picked again, it no longer does" becomes 3 absent probe run-get
  # Wine reports Windows 7 here, which cannot keep windows out of captures.
  check "pick 截图时隐藏色调: greyed where the system cannot exclude" pick hide-in-captures
  check "  ... nothing is written, nothing else is picked, and the program runs on" \
    becomes 3 "absent/1/absent" hide_running_and_run
  check "pick 设置: the settings window opens" pick settings
  check "  ... as a left press opens it, the icon gone" becomes 3 0 shown_icons
  click_twips $SET 6690 292
  eventually 3 set_gone
  check "pick 关闭夜间模式: night mode ends" pick turn-off
  check "  ... the program ends" eventually 5 stopped
  check "  ... with both values written" test "$(reg intLig)/$(reg lngColor)" = "sz 149/sz 255"

  fresh "AllScreens \"0\""
  probe reg-set AllScreens sz 0 >/dev/null
  start_duskveil
  wait_overlay 12 >/dev/null
  sleep 0.5
  check "with AllScreens \"0\" only the primary is tinted" test "$(layers)" = 1
else
  echo "  (this Wine shows one monitor on a Xinerama display; skipped)"
fi
two_monitors off
