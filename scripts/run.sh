#!/usr/bin/env bash
# Sets up, builds and starts Pennywhist under Wine. With no arguments it opens
# a scratch copy of the example file; any arguments go to the program instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target pennywhist pennywhist_help

if [ $# -eq 0 ]; then
  scratch="${TMPDIR:-/tmp}/pennywhist-example"
  mkdir -p "$scratch"
  cp examples/example.pwf "$scratch/example.pwf"
  windows_path="Z:${scratch//\//\\}\\example.pwf"
  set -- "$windows_path"
fi
# The user's own prefix is kept between runs, so settings persist.
exec scripts/with-wine.sh --keep-prefix "$PWD/build/wine/user" scripts/wine-run.sh build/windows/src/pennywhist.exe "$@"
