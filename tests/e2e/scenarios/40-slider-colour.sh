#!/usr/bin/env bash
# Scenarios: slider and colour. Sourced by run.sh.

fresh "slider"
start_duskveil
wait_overlay 12 >/dev/null
press_f7
eventually 3 visible_client $SET >/dev/null
o=$(origin_of $SET); ox=${o%,*}; oy=${o#*,}
xdotool mousemove $((ox + 3000 / 15)) $((oy + 1290 / 15)) mousedown 1
xdotool mousemove $((ox + 3300 / 15)) $((oy + 1290 / 15))
xdotool mousemove $((ox + 3600 / 15)) $((oy + 1290 / 15)) mouseup 1
check "dragging to x 3600 twips sets alpha 149" eventually 3 alpha_is 149
sleep 0.3
check "  ... and the screen shows it" blended $SPOT $TINT 149 $BELOW
screenshot slider
click_twips $SET 6690 292
eventually 3 set_gone
check "closing saves intLig 149" test "$(reg intLig)" = "sz 149"

fresh "colour"
start_duskveil
wait_overlay 12 >/dev/null
press_f7
eventually 3 visible_client $SET >/dev/null
click_twips $SET 3900 555   # the colour swatch
check "the swatch opens the Color dialog, which takes pure red" test "$(probe choose 255 0 0)" = chosen
tinted() { blended $SPOT 255 150 $BELOW 2>/dev/null; }
check "the tint turns red at once" eventually 3 tinted
click_twips $SET 3900 555
check "Cancel in the dialog" test "$(probe cancel)" = cancelled
sleep 0.5
check "  ... leaves the tint red" blended $SPOT 255 150 $BELOW
click_twips $SET 6690 292
eventually 3 set_gone
check "closing saves lngColor 255" test "$(reg lngColor)" = "sz 255"

