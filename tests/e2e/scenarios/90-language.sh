#!/usr/bin/env bash
# Scenarios: the program in Chinese and in English, as Windows' own language
# says, or as stored. Sourced by run.sh.

hold_suite_language

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

back_to_suite_language
