#!/usr/bin/env bash
# Scenarios: the settings window as a screen reader reads it, from another
# process (Wine hands the object over between processes). Sourced by run.sh.

part() { probe accessible | grep "^part $1 "; }
children() { probe accessible | head -n 1; }
focused() { prints 'state=0x100004 ' part "$1" || { echo "    part $1 reads: $(part "$1")"; return 1; }; }
sized() { prints "rect=[0-9]*,[0-9]*,$2 " part "$1" || { echo "    part $1 reads: $(part "$1")"; return 1; }; }
reads_part() {  # n role name [value]
  local line; line=$(part "$1")
  grep -q "role=$2 " <<<"$line" && grep -q "name=$3 value=${4-}\$" <<<"$line" ||
    { echo "    part $1 reads: $line"; return 1; }
}

fresh "the settings window read by a screen reader"
probe reg-set Language sz en >/dev/null
start_duskveil
wait_overlay 12 >/dev/null
press_f7
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

fresh "the reader's object refuses what it cannot do, and outlives its window"
start_duskveil
wait_overlay 12 >/dev/null
press_f7
eventually 3 visible_client $SET >/dev/null
contract=$(probe accessible-contract)
answers() {  # section answer names...: each name in the section answers so
  local section=$1 want=$2 name
  for name in "${@:3}"; do
    grep -qx "$name $want" <<<"$(sed -n "/^-- $section/,/^--/p" <<<"$contract")" ||
      { echo "    $name: $(grep "^$name " <<<"$contract" | tr '\n' ' ')"; return 1; }
  done
}
every="name value description role state help shortcut action location child select press navigate"
check "a child id past the parts is refused by every method" answers beyond 0x80070057 $every
check "  ... and one below them" answers below 0x80070057 $every
# Wine's marshalling refuses a null place itself (RPC_X_NULL_REF_POINTER)
# before the call reaches the program; a reader in the same process gets
# E_POINTER.
null_refused() { answers rest 0x80004003 "$@" >/dev/null || answers rest 0x800706f4 "$@"; }
check "no place for the answer: refused" null_refused null-count null-name null-role
check "the window and the slider have nothing to press" answers rest 0x80020003 press-self press-slider
check "a text takes no reader's focus" answers rest 0x80020003 select-text
check "  ... nor a focus with a selection that cannot be" answers rest 0x80070057 select-clash
check "the window's focus is its focused part's" answers rest 0x00000000 select-self
check "the swatch takes the focus, a click's flags too" answers rest 0x00000000 select-swatch
check "the parent is the window's own object" answers rest "0x00000000 1" parent-is-the-window
check "the first part from the window" answers rest "0x00000000 1" first
check "  ... and the last" answers rest "0x00000000 9" last
check "the next part after the first" answers rest "0x00000000 2" next-of-1
check "  ... and the one before the second" answers rest "0x00000000 1" previous-of-2
check "  ... and nothing beyond either end" answers rest 0x00000001 previous-of-1 next-of-last
closed_answer() { grep -qE '^name-after-close 0x(800401fd|80004005)$' <<<"$contract"; }
check "asked after its window closed: not connected, no crash" closed_answer
check "  ... and the program runs on" eventually 3 tray_has 1
