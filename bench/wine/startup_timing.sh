#!/usr/bin/env bash
# Times the real pennywhist.exe under Wine as a user runs it: start on a data
# file of one Bank account with N transactions until the Accounts dialog,
# "Switch to..." until the list shows the account, memory, close (see the
# header of startup_timing.cpp). The data files are written by the timing
# program itself, in the Wine prefix's temporary folder, and removed at the end.
#   bench/wine/startup_timing.sh                 # N = 0 (baseline), 10k, 100k, 1M; 3 runs each
#   bench/wine/startup_timing.sh --runs 5 1000000
# Builds only its own targets (pennywhist, startup_timing) in build/windows.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
# Set up first: a configure run before the cross compiler is there caches
# empty optimisation flags, and the timings would be of an unoptimised build.
scripts/setup.sh
[ -f build/windows/build.ninja ] || cmake --preset windows >/dev/null
cmake --build --preset windows --target pennywhist startup_timing -j2 >/dev/null
exec scripts/with-wine.sh scripts/wine-run.sh build/windows/bench/wine/startup_timing.exe "$@"
