#!/usr/bin/env bash
# Sets up, builds both configurations and runs every test: the unit tests
# and a short fuzz run natively, the UI tests under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh || exit 1
cmake --preset native >/dev/null && cmake --build --preset native || exit 1
cmake --preset windows >/dev/null && cmake --build --preset windows || exit 1

status=0
echo "== Unit tests and fuzzing (native) =="
ctest --preset native -j2 || status=1
echo "== UI tests (Windows build under Wine) =="
PENNYWHIST_XVFB=1 scripts/with-wine.sh ctest --preset windows || status=1
exit $status
