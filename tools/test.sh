#!/usr/bin/env bash
# Builds everything and runs every test: the unit and behaviour tests natively
# under AddressSanitizer and UBSan, a check of both exes, and the end-to-end
# scenarios of the real exe under Wine on a private virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh

echo "== unit and behaviour tests (host, ASan + UBSan)"
cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host 2>&1 | tee build/host/ctest.log | tail -n 5
unit_line=$(grep -E 'tests passed, [0-9]+ tests failed out of' build/host/ctest.log | tail -n 1)
unit_total=$(sed -n 's/.*out of \([0-9]*\).*/\1/p' <<<"$unit_line")
unit_failed=$(sed -n 's/.* \([0-9]*\) tests failed.*/\1/p' <<<"$unit_line")

echo "== fuzzing the stored texts and the slider (bounded)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
fuzz_status=0
mkdir -p build/fuzz/corpus
build/fuzz/tests/fuzz/fuzz_settings -max_total_time="${DV_FUZZ_SECONDS:-60}" -seed=1 \
  -print_final_stats=1 build/fuzz/corpus 2>build/fuzz/fuzz.log || fuzz_status=1
grep -E 'stat::number_of_executed_units|Done' build/fuzz/fuzz.log | tail -n 2 || true
fuzz_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' build/fuzz/fuzz.log)
if [ "$fuzz_status" -eq 0 ]; then echo "fuzz: ${fuzz_runs:-?} inputs, no failure"; else tail -n 30 build/fuzz/fuzz.log; fi

echo "== Windows builds"
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

echo "== executable checks"
exe_status=0
python3 tests/e2e/check_exe.py build/win32/Duskveil.exe build/win64/Duskveil.exe | tee build/exe-check.log || exe_status=1
exe_passed=$(grep -c '^  ok' build/exe-check.log || true)
exe_failed=$(grep -c '^  FAIL' build/exe-check.log || true)

echo "== end-to-end under Wine"
# Always a private display: the compositor there is what blends the alpha.
unset DISPLAY
export DV_DISPLAY_NUM=${DV_DISPLAY_NUM:-77}
e2e_passed=0
e2e_failed=0
for arch in win32 win64; do
  echo "-- $arch"
  log=build/e2e-$arch.log
  bash tests/e2e/run.sh "build/$arch/Duskveil.exe" "build/win64/duskveil_probe.exe" 2>&1 | tee "$log" || true
  line=$(grep -E '^e2e: [0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1 || true)
  if [ -n "$line" ]; then
    e2e_passed=$((e2e_passed + $(sed 's/e2e: \([0-9]*\) passed.*/\1/' <<<"$line")))
    e2e_failed=$((e2e_failed + $(sed 's/.* \([0-9]*\) failed/\1/' <<<"$line")))
  elif ! grep -q '^skip:' "$log"; then
    e2e_failed=$((e2e_failed + 1))
  fi
done

passed=$((unit_total - unit_failed + exe_passed + e2e_passed + (fuzz_status == 0 ? 1 : 0)))
failed=$((unit_failed + exe_failed + e2e_failed + fuzz_status))
echo
echo "unit: $((unit_total - unit_failed)) passed, $unit_failed failed; fuzz: $((1 - fuzz_status)) passed, $fuzz_status failed; exe: $exe_passed passed, $exe_failed failed; e2e: $e2e_passed passed, $e2e_failed failed"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$exe_status" -eq 0 ]
