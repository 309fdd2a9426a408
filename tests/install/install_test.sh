#!/usr/bin/env bash
# Makes the setup program from a windows build and runs install_check on it.
# ctest runs it inside scripts/with-wine.sh; a second with-wine.sh gives it a
# fresh prefix, so nothing it installs reaches the prefix the other tests
# share, and it keeps the display it was given (a private Xvfb only if none).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
[ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR INSTALL_CHECK_EXE" >&2; exit 2; }
build="$(cd "$1" && pwd)"
check="$2"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
made="$("$root/installer/package.sh" "$build" "$work")"
setup="${made%%$'\n'*}"

windows_path() { echo "Z:${1//\//\\}"; }

env -u PENNYWHIST_XVFB "$root/scripts/with-wine.sh" "$root/scripts/wine-run.sh" "$check" \
  "$(windows_path "$setup")" "$(windows_path "$build/src")" "$(windows_path "$root/examples/example.pwf")"
