#!/usr/bin/env bash
# Scenarios: contact link. Sourced by run.sh.

drive_c="$WINEPREFIX/drive_c"
browser="$drive_c/Program Files/Internet Explorer/iexplore.exe"
fresh "contact link"
cp -f "$browser" "$browser.saved" 2>/dev/null || true
cp -f "$DV_PROBE" "$browser"
cp -f "$DV_PROBE" "$drive_c/Program.exe"
cp -f "$DV_PROBE" "$drive_c/Program Files/Internet.exe"
rm -f "$drive_c/started.log"
start_duskveil
eventually 3 visible_client $SPLASH >/dev/null
click_twips $SPLASH 4200 3120   # the link line
browser_started() { grep -q 'iexplore.exe' "$drive_c/started.log" 2>/dev/null; }
check "the link starts the browser at the fixed path" eventually 5 browser_started
check "  ... on the project's page" grep -q 'iexplore.exe.*  https://duskveil.example/' "$drive_c/started.log"
check "  ... and never a planted C:\Program.exe or Internet.exe" \
  bash -c "! grep -qiE 'Program\.exe|Internet\.exe\|' '$drive_c/started.log'"
check "  ... while the countdown goes on" wait_overlay 9
rm -f "$drive_c/started.log"
press_f7
eventually 3 visible_client $SET >/dev/null
click_twips $SET 4200 4080   # the settings window's link line
check "the settings window's link starts the browser at the fixed path" eventually 5 browser_started
check "  ... on the project's page, and nothing planted" \
  bash -c "[ \$(wc -l < '$drive_c/started.log') = 1 ] && grep -q 'iexplore.exe.*  https://duskveil.example/' '$drive_c/started.log'"
stop_all
rm -f "$drive_c/Program.exe" "$drive_c/Program Files/Internet.exe" "$browser"
fresh "no browser"
start_duskveil
eventually 3 visible_client $SPLASH >/dev/null
click_twips $SPLASH 4200 3120
check "with no browser the link does nothing and the countdown goes on" wait_overlay 9
stop_all
[ -f "$browser.saved" ] && mv -f "$browser.saved" "$browser"

