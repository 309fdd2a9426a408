#!/usr/bin/env bash
# Sets up, builds the windows configuration and writes what users download:
#   dist/pennywhist-2.0-setup.exe     the installer (installer/pennywhist.nsi)
#   dist/pennywhist-2.0-portable.zip  the same program and help files, to run unpacked
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target pennywhist pennywhist_help

made="$(installer/package.sh build/windows dist)"
echo "Installer and portable zip:"
sed "s|^|  |" <<<"$made"
