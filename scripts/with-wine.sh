#!/usr/bin/env bash
# Runs a command with a private X display (Xvfb) and a fresh Wine prefix, made
# from a template that is built once. One wineserver serves the whole command.
# Usage: scripts/with-wine.sh [--keep-prefix DIR] command [args...]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
state="$root/build/wine"
template="$state/template"
prefix="$state/prefix-$$"
keep=""
if [ "${1:-}" = "--keep-prefix" ]; then
  prefix="$2"
  keep=1
  shift 2
fi

# The DLL choices of wine-run.sh, for the services Wine starts in the prefix too.
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver

xvfb_pid=""
cleanup() {
  WINEPREFIX="$prefix" "$wineserver" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -z "$keep" ] && rm -rf "$prefix"
  true
}
trap cleanup EXIT

# A display: the caller's, or a private Xvfb.
if [ -z "${DISPLAY:-}" ] || [ -n "${PENNYWHIST_XVFB:-}" ]; then
  display=99
  while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$display"
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.05
  done
fi

# The template: an initialised prefix whose windows are not managed, so that
# closing a top-level window does not wait for a window manager.
if [ ! -f "$template/.ready" ]; then
  rm -rf "$template"
  mkdir -p "$state"
  WINEPREFIX="$template" "$wine" wineboot -i >/dev/null 2>&1
  WINEPREFIX="$template" "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  WINEPREFIX="$template" "$wineserver" -w
  touch "$template/.ready"
fi
if [ ! -d "$prefix" ]; then
  mkdir -p "$(dirname "$prefix")"
  cp -a "$template" "$prefix"
fi
export WINEPREFIX="$prefix"

# Start the server and Wine's background services once, with their output
# away from the command's pipes.
"$wineserver" -p >/dev/null 2>&1
"$wine" wineboot >/dev/null 2>&1 </dev/null

# A user's own prefix on the caller's desktop lets the window manager manage
# the windows (title bars, a taskbar entry, Alt+Tab), as Wine does by default;
# on the private Xvfb, which has no window manager, they stay unmanaged.
if [ -n "$keep" ]; then
  managed=N
  [ -z "$xvfb_pid" ] && managed=Y
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1 </dev/null
fi

"$@"
