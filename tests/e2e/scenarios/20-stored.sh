#!/usr/bin/env bash
# Scenarios: stored values. Sourced by run.sh.

stored() {  # name, key=value pairs..., then expected colour and alpha
  local name=$1 colour=$2 alpha=$3; shift 3
  fresh "stored $name"
  for kv in "$@"; do probe reg-set "${kv%%=*}" sz "${kv#*=}" >/dev/null; done
  start_duskveil
  wait_overlay 12 >/dev/null
  check "alpha $alpha" test "$(overlay_line | field alpha)" = "$alpha"
  check "pixel: colour $colour at alpha $alpha" eventually 3 blended $SPOT "$colour" "$alpha" $BELOW
}
stored 'intLig "0"' $TINT 0 intLig=0
stored 'intLig "255"' $TINT 255 intLig=255
before=$(clicks); xdotool mousemove $SPOT click 1
check "an opaque overlay still lets the click through" eventually 3 click_through
stored 'intLig "abc"' $TINT 0 intLig=abc
stored 'lngColor "255"' 255 150 lngColor=255

