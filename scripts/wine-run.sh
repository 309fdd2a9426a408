#!/usr/bin/env bash
# Runs a Windows program under Wine: the CMake emulator of the windows build.
# scripts/with-wine.sh provides the display and the prefix.
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko prompts; no crash dialog, so a crash fails instead of hanging;
# no menu builder, so shortcuts and file types made in a prefix stay out of the
# Linux user's desktop menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
exec /usr/lib/wine/wine64 "$@"
