#!/usr/bin/env bash
# Scenarios: start-up. Sourced by run.sh.

fresh "start-up"
start_duskveil
check "the splash shows within 3 s, $SPLASH, centred and top-most" \
  eventually 3 visible_client $SPLASH
splash=$(windows | grep "client=$SPLASH")
splash_seen=$(date +%s.%N)
rect=$(echo "$splash" | field rect)
IFS=, read -r l t r b <<<"$rect"
check "  ... centred on the screen" test $(((l + r) / 2 - 512)) -ge -2 -a $(((l + r) / 2 - 512)) -le 2
check "  ... top-most" test $(($(echo "$splash" | field exstyle) & 0x8)) -ne 0
screenshot splash
check "the overlay comes up about 5 s after the splash" wait_overlay 9
overlay_seen=$(date +%s.%N)
elapsed=$(python3 -c "print(round($overlay_seen - $splash_seen, 1))")
echo "    splash to overlay: ${elapsed}s"
check "  ... between 4 and 6.5 s" python3 -c "import sys; sys.exit(0 if 4.0 <= $elapsed <= 6.5 else 1)"
check "  ... leaving the overlay alone" eventually 3 only_overlay
line=$(overlay_line)
ex=$(echo "$line" | field exstyle)
check "overlay: layered, click-through, top-most, no taskbar button, never activated" \
  test $((ex & 0x080800a8)) -eq $((0x080800a8))
check "overlay: alpha 150 with LWA_ALPHA" test "$(echo "$line" | field alpha)/$(echo "$line" | field lwa)" = 150/2
check "overlay: maximized over the whole screen" test "$(echo "$line" | field zoomed)/$(echo "$line" | field rect)" = "1/0,0,1024,768"
check "one tray icon" eventually 3 tray_has 1
sleep 0.5
check "the screen is tinted 0x4000 at alpha 150" blended $SPOT $TINT 150 $BELOW
screenshot night
before=$(clicks)
xdotool mousemove $SPOT click 1
click_through() { [ "$(clicks)" -gt "$before" ]; }
check "a click passes through to the window below" eventually 3 click_through

fresh "second copy"
start_duskveil
wait_overlay 12 >/dev/null
"$DV_LOADER" "$DV_EXE" >/dev/null 2>&1 &
second=$!
second_gone() { ! kill -0 "$second" 2>/dev/null; }
check "a second copy ends by itself" eventually 6 second_gone
check "  ... one window" eventually 3 only_overlay
check "  ... one icon" tray_has 1

