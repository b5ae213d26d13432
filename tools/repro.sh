#!/usr/bin/env bash
# Shows the build is reproducible: two copies of the sources, in two
# directories, each built clean with both presets and packaged; their exes
# and zips must be byte for byte the same. Ends "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The time a tool writes comes from the commit, as for a release.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 1767225600)
export SOURCE_DATE_EPOCH
for copy in first second/elsewhere; do
  mkdir -p "$work/$copy/duskveil"
  git ls-files -z | xargs -0 tar -c | tar -x -C "$work/$copy/duskveil"
  for preset in win32 win64; do
    (cd "$work/$copy/duskveil" && cmake --preset "$preset" >/dev/null &&
      cmake --build --preset "$preset" --target package >/dev/null) || echo "build failed: $copy $preset"
  done
done
passed=0 failed=0
for f in win32/Duskveil.exe win64/Duskveil.exe win32/Duskveil-*-win32.zip win64/Duskveil-*-win64.zip; do
  a=$(cd "$work/first/duskveil/build" && sha256sum $f 2>/dev/null | cut -d' ' -f1)
  b=$(cd "$work/second/elsewhere/duskveil/build" && sha256sum $f 2>/dev/null | cut -d' ' -f1)
  if [ -n "$a" ] && [ "$a" = "$b" ]; then
    passed=$((passed + 1)); echo "  ok   $f: the same in both builds ($a)"
  else
    failed=$((failed + 1)); echo "  FAIL $f: ${a:-missing} against ${b:-missing}"
  fi
done
echo "repro: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
