#!/usr/bin/env bash
# How large the tests are against all the code the repository holds (product,
# tools, bench, scripts and tests): non-blank lines of what git tracks.
cd "$(dirname "$0")/.." || exit 1
lines() { xargs -r cat 2>/dev/null | grep -c -v -E '^\s*$'; }
all=$(git ls-files -- '*.cpp' '*.h' '*.hpp' '*.sh' '*.py' '*.cmake' '*CMakeLists.txt' '.ci/run' | lines)
tests=$(git ls-files -- 'tests/' | grep -E '\.(cpp|h|hpp|sh|py|cmake|txt)$' | lines)
echo "tests: $tests of $all non-blank lines of code ($((100 * tests / all))%)"
