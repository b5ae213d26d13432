#!/usr/bin/env bash
# Scenarios: the program in Chinese and in English, as Windows' own language
# says, or as stored. Sourced by run.sh.

# Wine follows LANG only when its server starts: each language runs on a
# server of its own, and the suite's own language comes back at the end.
in_language() {  # locale
  stop_all
  dv_stop_prefix
  export LANG=$1 LC_ALL=$1
}
reads() {  # the settings window's turn-off button reads this
  press_f7
  eventually 3 visible_client $SET || return 1
  becomes 3 "$1" probe button-text || { echo "    it reads: $(probe button-text)"; return 1; }
}
read_aloud() {  # the slider's and the close mark's accessible names
  local all; all=$(probe accessible)
  grep -q "^part 1 .* name=$1 value=" <<<"$all" && grep -q "^part 3 .* name=$2 value=" <<<"$all" ||
    { echo "    read: $all"; return 1; }
}
saved_lang=${LANG-} saved_lc_all=${LC_ALL-}

in_language en_US.UTF-8
fresh "in English where Windows speaks English"
start_duskveil
wait_overlay 12 >/dev/null
check "the turn-off button reads \"Turn night mode off\"" reads "Turn night mode off"
check "a screen reader reads \"Brightness\" and \"Close\"" read_aloud Brightness Close
screenshot settings-english

in_language zh_CN.UTF-8
fresh "in Chinese where Windows speaks Chinese"
start_duskveil
wait_overlay 12 >/dev/null
check "the turn-off button reads \"关闭夜间模式\"" reads "关闭夜间模式"
check "a screen reader reads \"亮度\" and \"关闭\"" read_aloud "亮度" "关闭"

fresh "a stored language over Windows' own"
probe reg-set Language sz en >/dev/null
start_duskveil
wait_overlay 12 >/dev/null
check "\"Language\" \"en\" under a Chinese Windows: English" reads "Turn night mode off"

stop_all
dv_stop_prefix
if [ -n "$saved_lang" ]; then export LANG=$saved_lang; else unset LANG; fi
if [ -n "$saved_lc_all" ]; then export LC_ALL=$saved_lc_all; else unset LC_ALL; fi
