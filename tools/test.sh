#!/usr/bin/env bash
# Builds everything and runs every test: the unit and behaviour tests natively
# under AddressSanitizer and UBSan, a check of both exes, and the end-to-end
# scenarios of the real exe under Wine on a private virtual display. Whatever
# fails, it goes on and ends with one line, "N passed, N failed", and a
# non-zero status when anything failed.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh || exit 1
source tools/lib.sh

passed=0
failed=0
summary=()
tally() {  # what passed failed
  passed=$((passed + $2))
  failed=$((failed + $3))
  summary+=("$1: $2 passed, $3 failed")
}
tally_log() {  # what log: counts the log's last "word: N passed, N failed" line
  local line
  line=$(grep -E '^[a-z0-9]+: [0-9]+ passed, [0-9]+ failed' "$2" | tail -n 1)
  if [ -n "$line" ]; then
    tally "$1" "$(sed 's/^[a-z0-9]*: \([0-9]*\) passed.*/\1/' <<<"$line")" \
      "$(sed 's/.* \([0-9]*\) failed.*/\1/' <<<"$line")"
  elif ! grep -q '^skip:' "$2"; then
    tally "$1" 0 1
  fi
}
build() {  # preset: configures and builds, counting a failure as one failed test
  if ! dv_build "$1"; then
    tally "build $1" 0 1
    return 1
  fi
}

echo "== unit and behaviour tests (host, ASan + UBSan)"
if build host; then
  ctest --preset host >build/host/ctest.log 2>&1
  tail -n 5 build/host/ctest.log
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of' build/host/ctest.log | tail -n 1)
  total=$(sed -n 's/.*out of \([0-9]*\).*/\1/p' <<<"$line")
  bad=$(sed -n 's/.* \([0-9]*\) tests failed.*/\1/p' <<<"$line")
  if [ -n "$total" ]; then tally unit $((total - bad)) "$bad"; else tally unit 0 1; fi
fi

echo "== the layers: no include runs up, none goes round a circle"
if "$DV_PYTHON" tools/check_layers.py; then tally layers 1 0; else tally layers 0 1; fi

echo "== fuzzing the stored texts, the countdown, the slider and the command line (bounded, reproducible)"
if build fuzz; then
  # A fixed seed and number of runs over the corpus kept in the repository;
  # what a run finds goes to a folder emptied first, so no run feeds the next.
  for target in settings:corpus:5000000 command_line:corpus-command-line:1000000; do
    IFS=: read -r name corpus runs <<<"$target"
    rm -rf build/fuzz/found && mkdir -p build/fuzz/found
    if build/fuzz/tests/fuzz/fuzz_$name -seed=1 -runs="${DV_FUZZ_RUNS:-$runs}" \
        -print_final_stats=1 build/fuzz/found tests/fuzz/$corpus 2>build/fuzz/fuzz-$name.log; then
      echo "fuzz $name: $(sed -n 's/^stat::number_of_executed_units: *//p' build/fuzz/fuzz-$name.log) inputs, no failure"
      tally "fuzz $name" 1 0
    else
      tail -n 30 build/fuzz/fuzz-$name.log
      tally "fuzz $name" 0 1
    fi
  done
fi

echo "== Windows builds and packages"
built=1
for preset in win32 win64; do
  if ! build "$preset" || ! cmake --build --preset "$preset" --target package >/dev/null; then
    built=0
    tally "package $preset" 0 1
  fi
done

if [ "$built" = 1 ]; then
  echo "== executable checks"
  "$DV_PYTHON" tests/e2e/check_exe.py "$(dv_version)" build/win32/Duskveil.exe \
    build/win64/Duskveil.exe >build/exe-check.log 2>&1
  cat build/exe-check.log
  tally exe "$(grep -c '^  ok' build/exe-check.log)" "$(grep -c '^  FAIL' build/exe-check.log)"
  if ! grep -q '^  ok' build/exe-check.log; then tally "exe check run" 0 1; fi

  echo "== end-to-end under Wine"
  # Always a private display: the compositor there is what blends the alpha.
  unset DISPLAY
  export DV_DISPLAY_NUM=${DV_DISPLAY_NUM:-77}
  for arch in win32 win64; do
    echo "-- $arch"
    log=build/e2e-$arch.log
    bash tests/e2e/run.sh "build/$arch/Duskveil.exe" "build/win64/duskveil_probe.exe" 2>&1 | tee "$log"
    tally_log "e2e $arch" "$log"
  done

  echo "== the packages, as a Windows user unpacks them"
  for arch in win32 win64; do
    log=build/package-$arch.log
    bash tests/e2e/check_package.sh build/$arch/Duskveil-*-$arch.zip build/win64/duskveil_probe.exe 2>&1 | tee "$log"
    tally_log "package $arch" "$log"
  done
fi

echo "== reproducible build: two clean builds in two directories"
bash tools/repro.sh 2>&1 | tee build/repro.log
tally_log repro build/repro.log

echo
printf '%s\n' "${summary[@]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
