#!/usr/bin/env bash
# Scenarios: what a desktop utility meets. Sourced by run.sh.

fresh "shell restart"
start_duskveil
wait_overlay 12 >/dev/null
eventually 3 tray_has 1
probe tray-drop >/dev/null
eventually 3 tray_has 0
probe taskbar-created
check "the icon comes back when the shell starts again" eventually 3 tray_has 1
open_from_tray >/dev/null
probe taskbar-created
sleep 1
check "  ... but not while the window opened from it is open" tray_has 0
click_twips $SET 6690 292
check "  ... which the × brings back" eventually 3 tray_has 1

fresh "display change"
start_duskveil
wait_overlay 12 >/dev/null
before=$(overlay_line)
probe display-change
covers() { [ "$(overlay_line | field rect)" = "0,0,1024,768" ]; }
check "after a display change the overlay covers the screen again" eventually 3 covers
after=$(overlay_line)
for f in exstyle alpha lwa zoomed; do
  check "  ... with the same $f" test "$(echo "$after" | field $f)" = "$(echo "$before" | field $f)"
done
first=$(probe zorder | head -n 1)
check "  ... and still on top" grep -q "$CAPTION topmost=1" <<<"$first"

fresh "ten copies at once"
for _ in $(seq 10); do "$DV_LOADER" "$DV_EXE" >/dev/null 2>&1 & DV_PIDS+=($!); done
wait_overlay 15 >/dev/null
one_running() { [ "$(running_count)" = 1 ]; }
check "ten copies started together leave one running" eventually 8 one_running
check "  ... with one overlay" eventually 3 only_overlay
check "  ... and one tray icon" tray_has 1

# Hostile contents of the store: the program starts, takes the failure path
# for what is not its text, and its writes leave other values alone.
hostile() {  # kind key expected-alpha expected-colour
  fresh "stored $1 in $2"
  probe reg-set Other sz keep >/dev/null
  probe reg-set "$2" "$1" 1 >/dev/null
  start_duskveil
  check "starts and shows the overlay" wait_overlay 12
  check "  ... alpha $3" alpha_is "$3"
  check "  ... colour as $4" eventually 3 blended $SPOT "$4" "$3" $BELOW
  press_f7
  eventually 3 visible_client $SET >/dev/null
  click_twips $SET 6690 292
  eventually 3 set_gone
  check "  ... still running after writing" running
  check "  ... $2 rewritten as text" reg_is_text "$2"
  check "  ... other values untouched" test "$(reg Other)" = "sz keep"
}
for kind in big nul dword binary multi; do hostile $kind intLig 0 $TINT; done
for kind in big dword; do hostile $kind lngColor 150 $TINT; done

fresh "writes denied"
probe reg-set intLig sz 77 >/dev/null
probe reg-set Other sz keep >/dev/null
deny=$(probe reg-deny)
echo "    $deny"
start_duskveil
wait_overlay 12 >/dev/null
check "a store that refuses writes still gives its values" alpha_is 77
press_f7
eventually 3 visible_client $SET >/dev/null
drag_to 3600
eventually 3 alpha_is 149
click_twips $SET 6690 292
check "  ... the window closes though its writes are refused" eventually 3 set_gone
check "  ... the program runs on" running
if grep -q 'write-open 5' <<<"$deny"; then
  check "  ... and the stored text stays" test "$(reg intLig)/$(reg Other)" = "sz 77/sz keep"
else
  echo "    (this Wine does not enforce the denial; the write went through)"
fi
probe raise | grep -q . || true
ontop() { local z; z=$(probe zorder); grep -q "$CAPTION" <<<"${z%%$'\n'*}"; }
check "  ... and keep-on-top runs again" eventually 2 ontop
probe reg-clear >/dev/null

fresh "log off with the window open"
probe reg-set intLig sz 77 >/dev/null
start_duskveil
wait_overlay 12 >/dev/null
open_from_tray >/dev/null
drag_to 3600
eventually 3 alpha_is 149
"$DV_WINE64" wineboot -e >/dev/null 2>&1
check "the session ends the program" eventually 10 stopped
check "  ... and the open window's change is saved" test "$(reg intLig)" = "sz 149"

fresh "log off without it"
probe reg-set intLig sz 77 >/dev/null
probe reg-set lngColor sz 255 >/dev/null
start_duskveil
wait_overlay 12 >/dev/null
"$DV_WINE64" wineboot -e >/dev/null 2>&1
check "the session ends the program" eventually 10 stopped
check "  ... losing nothing" test "$(reg intLig)/$(reg lngColor)" = "sz 77/sz 255"
