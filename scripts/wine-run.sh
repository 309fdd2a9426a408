#!/usr/bin/env bash
# Runs a Windows program under Wine: the CMake emulator of the windows build.
# scripts/with-wine.sh provides the display and the prefix.
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko prompts; no crash dialog, so a crash fails instead of hanging.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
exec /usr/lib/wine/wine64 "$@"
