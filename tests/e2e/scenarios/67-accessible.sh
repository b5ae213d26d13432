#!/usr/bin/env bash
# Scenarios: the settings window as a screen reader reads it, from another
# process (Wine hands the object over between processes). Sourced by run.sh.

part() { probe accessible | grep "^part $1 "; }
children() { probe accessible | head -n 1; }
focused() { part "$1" | grep -q 'state=0x100004 ' || { echo "    part $1 reads: $(part "$1")"; return 1; }; }
sized() { part "$1" | grep -q "rect=[0-9]*,[0-9]*,$2 " || { echo "    part $1 reads: $(part "$1")"; return 1; }; }
reads_part() {  # n role name [value]
  local line; line=$(part "$1")
  echo "$line" | grep -q "role=$2 " && echo "$line" | grep -q "name=$3 value=${4-}\$" ||
    { echo "    part $1 reads: $line"; return 1; }
}

fresh "the settings window read by a screen reader"
probe reg-set Language sz en >/dev/null
start_duskveil
wait_overlay 12 >/dev/null
xdotool key F7
eventually 3 visible_client $SET >/dev/null
check "nine parts" becomes 5 "children 9" children
check "the slider, \"Brightness\", at 41%" reads_part 1 0x33 Brightness 41%
check "the colour swatch, a button named by its caption" reads_part 2 0x2b "Choose a colour"
check "the close mark, a button \"Close\"" reads_part 3 0x2b Close
check "the home-page line, a link" reads_part 4 0x1e "Duskveil home page"
check "the turn-off button" reads_part 5 0x2b "Turn night mode off"
check "the other lines, static texts" reads_part 6 0x29 Tint
check "the slider has the focus" focused 1
x_focus_foreground
xdotool key Right
check "a move reads at once: 43%" eventually 3 reads_part 1 0x33 Brightness 43%
check "the swatch stands where it is drawn, 250 x 28" sized 2 250,28
probe accessible-press 3 >/dev/null
check "a reader's press of the close mark closes the window" eventually 3 set_gone
check "  ... saving" becomes 3 "sz 145" reg intLig
