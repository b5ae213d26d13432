#!/usr/bin/env bash
# Scenarios: hot keys of the user's choice, chosen in the dialog the icon's
# menu opens. Sourced by run.sh.

hot_keys() { probe hot-keys; }
dialog_open() { prints '^hot-keys rows=' hot_keys; }
dialog_gone() { ! dialog_open; }
rows_are() { prints "^hot-keys rows=$1 " hot_keys; }
note_says() { prints "^hot-keys rows=.* note=$1\$" hot_keys; }
below_heard_alt() { grep -q "^alt $1\b" "$DV_CLICKS" 2>/dev/null; }
# Keys typed into what Windows made the foreground window.
keys() { x_focus_foreground; xdotool key "$@"; }
cancel_dialog() { eventually 3 dialog_open && keys Escape && eventually 5 dialog_gone; }

fresh "hot keys of the user's choice"
probe reg-set Language sz zh >/dev/null
probe reg-set intLig sz 150 >/dev/null
start_duskveil
wait_overlay 12 >/dev/null
check "the menu's 设置快捷键… opens the dialog" pick choose-hot-keys
check "  ... with the combinations in force" eventually 5 rows_are 0C22,0C21,0C23
check "  ... it has the keyboard" eventually 3 prints '^foreground #32770|' probe foreground
# A combination is chosen by pressing it, Tab goes on to the next row.
keys ctrl+alt+Down Tab ctrl+alt+Up
# Wine's control leaves out the arrows' extended flag, which Windows' sets.
check "  ... the combinations pressed in the rows" eventually 3 rows_are '0[6E]28,0[6E]26,0C23'
keys Return
check "Enter takes the set: the dialog closes" eventually 5 dialog_gone
check "  ... each changed one stored as its text" \
  test "$(reg HotKeyDarker)/$(reg HotKeyBrighter)/$(reg HotKeyPause)" = \
  "sz Ctrl+Alt+Down/sz Ctrl+Alt+Up/absent"
check "the window below has the keyboard back" eventually 3 below_has_keyboard
keys alt+Next
check "Alt+PgDn is no longer the program's: the window below hears it" eventually 3 below_heard_alt 34
keys ctrl+alt+Down
check "Ctrl+Alt+Down darkens" becomes 3 166 alpha_now
keys ctrl+alt+Up
check "Ctrl+Alt+Up brightens" becomes 3 150 alpha_now
stop_all

fresh "a combination another program holds"
probe reg-set Language sz zh >/dev/null
probe reg-set HotKeyDarker sz "ctrl+alt+down" >/dev/null
"$DV_WINE64" "$DV_PROBE" hold-hot-key 2 81 >"$DV_CLICKS.hold" 2>/dev/null &
DV_HOLD_PID=$!
check "another program holds Ctrl+Q" eventually 10 grep -qx $'hold taken\r\\?' "$DV_CLICKS.hold"
start_duskveil
wait_overlay 12 >/dev/null
check "a stored text is read without regard to case" pick choose-hot-keys
check "  ... the dialog shows it" eventually 5 rows_are 0E28,0C21,0C23
probe hot-keys-take 0251 0C21 0C23 >/dev/null
check "OK with Ctrl+Q: refused, the dialog stays open and says which" \
  eventually 5 note_says 'Ctrl+Q 被其他程序占用'
check "  ... nothing stored" test "$(reg HotKeyDarker)" = "sz ctrl+alt+down"
probe hot-keys-take 0441 0441 0 >/dev/null
check "a combination twice: refused" eventually 5 note_says 'Alt+A 重复了'
check "Esc cancels" cancel_dialog
check "the window below has the keyboard back" eventually 3 below_has_keyboard
keys ctrl+alt+Down
check "the old set works again" becomes 3 166 alpha_now
kill "$DV_HOLD_PID" 2>/dev/null
rm -f "$DV_CLICKS.hold"
stop_all

fresh "the level shown as it changes"
label_line() { windows | grep 'title=Brightness '; }
label_says() { label_line | grep -q "title=$1 visible=1 "; }
label_gone() { ! label_line | grep -q 'visible=1 '; }
# Its own colour at its edge, the tint's nowhere on it: above the layers.
label_untinted() {
  local r; r=$(label_line | field rect)
  [ -n "$r" ] && [ "$(pixel $((${r%%,*} + 2)) $(($(cut -d, -f2 <<<"$r") + 2)))" = "48 48 48" ]
}
probe reg-set Language sz en >/dev/null
probe reg-set intLig sz 150 >/dev/null
start_duskveil
wait_overlay 12 >/dev/null
check "the window below has the keyboard" eventually 3 below_has_keyboard
keys alt+Next
check "Alt+PgDn shows the level, its window's text what it shows" eventually 3 label_says 'Brightness 35%'
check "  ... above the layers, untinted" eventually 3 label_untinted
check "  ... the layers at the new strength" becomes 3 166 alpha_now
check "  ... then it goes" eventually 6 label_gone
"$DV_LOADER" "$DV_EXE" /brightness 40 >/dev/null 2>&1
check "/brightness 40 shows it too" eventually 5 label_says 'Brightness 40%'
check "  ... and it goes" eventually 6 label_gone
stop_all
