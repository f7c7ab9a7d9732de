#!/usr/bin/env bash
# Builds everything and runs every test: native, the fuzz smoke run, and the Windows build under Wine.
set -u
cd "$(dirname "$0")"
scripts/deps.sh || exit 1
export VEXA_WINE_STATE=$PWD/build/windows/wine
trap 'scripts/wine-run.sh --stop >/dev/null 2>&1 || true' EXIT

passed=0 failed=0
run_preset() {
  local preset=$1 log
  shift
  log=$(mktemp)
  echo "== $preset: configure and build"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j2; } >"$log" 2>&1; then
    cat "$log"; rm -f "$log"
    echo "== $preset: BUILD FAILED"
    failed=$((failed + 1))
    return
  fi
  echo "== $preset: test"
  ctest --preset "$preset" "$@" 2>&1 | tee "$log"
  local summary
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$summary" ]; then
    failed=$((failed + 1))
  else
    local total bad
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
    passed=$((passed + total - bad)); failed=$((failed + bad))
  fi
  rm -f "$log"
}

run_preset native -j2
run_preset fuzz
# The Windows tests share one X display: run one program at a time, so no test's window takes the
# focus from another's, and give a test that fails a second run before it counts.
run_preset windows -j1 --repeat until-pass:2
echo
echo "all tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
