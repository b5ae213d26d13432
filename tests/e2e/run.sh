#!/usr/bin/env bash
# End-to-end scenarios of the real exe under Wine on a composited virtual
# display. Usage: run.sh EXE PROBE. Prints one line per check and a summary.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
DV_EXE=$(realpath "$1")
DV_PROBE=$(realpath "$2")
source "$here/../../tools/lib.sh"
dv_use_test_prefix
source "$here/lib.sh"

DV_LOADER=$(dv_loader_for "$DV_EXE")
DV_ARTEFACTS=${DV_ARTEFACTS:-$here/artefacts}
BELOW="200 200 200"
SPOT="900 700"  # a screen point clear of every window but the overlay

if [ -z "$DV_LOADER" ]; then
  echo "skip: this machine's kernel cannot run 32-bit programs, so $1 cannot run here"
  exit 0
fi

dv_virtual_display
dv_wine_prefix
trap 'stop_all; dv_stop_display' EXIT

for scenario in "$here"/scenarios/${DV_SCENARIOS:-*}.sh; do
  source "$scenario"
done

echo
for f in "${DV_FAILED[@]}"; do echo "failed: $f"; done
echo "e2e: $DV_PASS passed, $DV_FAIL failed"
[ "$DV_FAIL" -eq 0 ]
