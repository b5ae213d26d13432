#!/usr/bin/env bash
# Checks a package as a Windows user gets it: unpacks the zip, checks what is
# inside and its checksums, and runs the start-up scenario on the exe taken
# from it. Usage: check_package.sh ZIP PROBE. Ends "N passed, N failed".
set -uo pipefail
zip=$(realpath "$1")
probe=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
name=$(basename "$zip" .zip)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
passed=0 failed=0
check() {
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); echo "  ok   $what"
  else failed=$((failed + 1)); echo "  FAIL $what"; fi
}
echo "$name:"
unzip -q "$zip" -d "$out"
listing=$(cd "$out" && find . -type f | sort | tr '\n' ' ')
check "holds the exe, the README, the licence and the checksums, in one folder" \
  test "$listing" = "./$name/Duskveil.exe ./$name/LICENSE ./$name/README.txt ./$name/SHA256SUMS "
check "  ... whose checksums hold" bash -c "cd '$out/$name' && sha256sum --quiet -c SHA256SUMS"
version=${name#Duskveil-}
version=${version%-win*}
check "  ... and whose README names its version, $version" \
  test "$(head -n 1 "$out/$name/README.txt" | tr -d '\r')" = "Duskveil $version"
check "  ... and whose download table names this very zip" grep -q "\`$name.zip\`" "$out/$name/README.txt"
DV_SCENARIOS=10-startup bash "$here/run.sh" "$out/$name/Duskveil.exe" "$probe" | tee "$out/e2e.log"
line=$(grep -E '^e2e: [0-9]+ passed, [0-9]+ failed' "$out/e2e.log")
if [ -n "$line" ]; then
  passed=$((passed + $(sed 's/e2e: \([0-9]*\) passed.*/\1/' <<<"$line")))
  failed=$((failed + $(sed 's/.* \([0-9]*\) failed/\1/' <<<"$line")))
elif ! grep -q '^skip:' "$out/e2e.log"; then
  failed=$((failed + 1))
fi
echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
