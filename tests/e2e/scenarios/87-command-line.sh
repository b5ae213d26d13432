#!/usr/bin/env bash
# Scenarios: the command line. It acts on the copy that runs, which ends the
# command once it has taken the change; with none running it stores, starts
# a plain copy and ends, or says that nothing runs; a script reads what
# happened from the exit code. Sourced by run.sh.

DV_SAID=$(mktemp)
# Runs the exe with these arguments until it ends; its exit code is the
# last line, after what it wrote to standard output.
duskveil_with() {
  "$DV_LOADER" "$DV_EXE" "$@" >"$DV_SAID.out" 2>"$DV_SAID"
  echo "exit $?"
}
exits() { local want=$1; shift; [ "$(duskveil_with "$@")" = "exit $want" ]; }
said() { grep -q -F -- "$1" "$DV_SAID"; }
said_out() { grep -q -F -- "$1" "$DV_SAID.out"; }
tinted_by() { blended $SPOT "$1" "$2" $BELOW; }  # tint alpha
request() { probe request "$@" | sed -n "s/^answer //p"; }
MARK=$(dv_name REQUEST_MARK)

fresh "the command line with no copy running"
check "/pause: exit 1" exits 1 /pause
check "  ... says that nothing runs" said "not running"
check "/brightness 50%: exit 2" exits 2 /brightness 50%
check "  ... one line says what is allowed" said "/brightness takes a whole number from 0 to 100"
check "/colour 40200: exit 2" exits 2 /colour 40200
check "/help: exit 0, the usage on standard output" exits 0 /help
check "  ... the usage" said_out "/brightness P"
check "nothing stored, nothing started" test "$(reg intLig)" = absent
check "  ... and no window of ours" test -z "$(overlay_line)"
adopt_started_copies
check "  ... nor any copy of ours running" stopped

check "/brightness 40 /colour 402000 with none running: exit 0" exits 0 /brightness 40 /colour 402000
check "  ... it ended before the copy it started has counted down" test -z "$(overlay_line)"
adopt_started_copies
check "  ... the copy it started runs" running
check "  ... stored 153" test "$(reg intLig)" = "sz 153"
check "  ... and the colour" test "$(reg lngColor)" = "sz 8256"
check "  ... the copy started counts down, then shows the overlay at 153" eventually 15 alpha_is 153
check "  ... tinted on the screen" eventually 5 tinted_by 8256 153
check "/off ends it" exits 0 /off
check "  ... gone" eventually 10 stopped
check "/settings with none running: exit 0 once the copy it started took it" exits 0 /settings
adopt_started_copies
check "  ... the settings window opens" eventually 5 visible_client $SET
probe close-settings >/dev/null
check "  ... and closes" eventually 5 set_gone

fresh "the command line acting on the copy that runs"
probe reg-set intLig sz 150 >/dev/null
start_duskveil
wait_overlay 12 >/dev/null
check "/brightness 60: exit 0" exits 0 /brightness 60
check "  ... the alpha taken before it ends" alpha_is 102
check "  ... stored" test "$(reg intLig)" = "sz 102"
check "/darker: one step" exits 0 /DARKER
check "  ... alpha 118" alpha_is 118
check "-colour 000080 (blue): exit 0" exits 0 -colour 000080
check "  ... stored" test "$(reg lngColor)" = "sz 8388608"
check "  ... the screen shows it" eventually 5 tinted_by 8388608 118
check "/brightness 101: exit 2" exits 2 /brightness 101
check "  ... nothing changed" alpha_is 118
check "/schedule 21:00-07:00: stored" exits 0 /schedule 21:00-07:00
check "  ... as the menu stores it" test "$(reg Schedule)" = "sz 21:00-07:00"
exits 0 /schedule none >/dev/null
check "/pause 5: the tint goes" exits 0 /pause 5
check "  ... from the screen" eventually 5 untinted
check "/toggle while paused: back" exits 0 /toggle
check "  ... on the screen" eventually 5 overlay_visible
check "/toggle while tinted: paused" exits 0 /toggle
check "  ... hidden" eventually 5 overlay_hidden
check "/resume: back" exits 0 /resume
check "  ... on the screen" eventually 5 overlay_visible
check "/pause morning: the tint goes" exits 0 /pause morning
check "  ... from the screen" eventually 5 untinted
check "/pause always over it, then /resume: back" exits 0 /pause always
check "  ... /resume" exits 0 /resume
check "  ... on the screen" eventually 5 overlay_visible
check "a message of another format is refused" test "$(request 0 /brightness 10)" = 0
check "  ... and one with a wrong command" test "$(request "$MARK" /brightness 1e2)" = 0
check "  ... nothing changed" alpha_is 118
check "a well-formed one is taken" test "$(request "$MARK" /brightness 70)" = 1
check "  ... alpha 77" alpha_is 77
check "/settings: exit 0" exits 0 /settings
check "  ... the settings window opens" eventually 5 visible_client $SET
probe close-settings >/dev/null
check "  ... and closes" eventually 5 set_gone
kill -STOP "$DV_PID"
check "a copy that does not answer: exit 3" exits 3 /darker
kill -CONT "$DV_PID"
check "  ... going on, it answers again" exits 0 /brightness 70
check "  ... alpha 77" alpha_is 77
check "/off: exit 0" exits 0 /off
check "  ... when it ends, that copy has gone" test -z "$(overlay_line)"
check "  ... night mode ends" eventually 5 stopped
check "  ... what it showed is stored" test "$(reg intLig)" = "sz 77"
check "with it gone, /off: exit 1" exits 1 /off
rm -f "$DV_SAID" "$DV_SAID.out"
