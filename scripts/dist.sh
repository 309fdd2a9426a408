#!/usr/bin/env bash
# Sets up, builds the windows configuration and writes what users download:
#   dist/pennywhist-2.0-setup.exe     the installer (installer/pennywhist.nsi)
#   dist/pennywhist-2.0-portable.zip  the same program and help files, to run unpacked
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
targets=(pennywhist)
# The help files come from their own target once the build has one.
if cmake --build --preset windows --target help | grep -q '^pennywhist_help:'; then
  targets+=(pennywhist_help)
fi
cmake --build --preset windows -j1 --target "${targets[@]}"

made="$(installer/package.sh build/windows dist)"
echo "Installer and portable zip:"
sed "s|^|  |" <<<"$made"
