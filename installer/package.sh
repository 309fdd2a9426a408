#!/usr/bin/env bash
# Packs the programs of a windows build into the installer and the portable zip:
#   installer/package.sh BUILD_DIR OUT_DIR
# BUILD_DIR is the windows configuration's build folder: its src/ must hold
# pennywhist.exe, pwhelp.hlp and html/ (targets pennywhist and pennywhist_help).
# Writes OUT_DIR/pennywhist-VERSION-setup.exe and OUT_DIR/pennywhist-VERSION-portable.zip
# and prints their paths.
set -euo pipefail

version=2.0
here="$(cd "$(dirname "$0")" && pwd)"
[ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR OUT_DIR" >&2; exit 2; }
programs="$(cd "$1" && pwd)/src"
mkdir -p "$2"
out="$(cd "$2" && pwd)"

missing=()
for file in pennywhist.exe pwhelp.hlp html/index.html; do
  [ -f "$programs/$file" ] || missing+=("$programs/$file")
done
if [ ${#missing[@]} -ne 0 ]; then
  echo "package.sh: missing ${missing[*]}" >&2
  echo "package.sh: build the targets pennywhist and pennywhist_help of the windows preset first" >&2
  exit 1
fi
for tool in makensis zip x86_64-w64-mingw32-strip; do
  command -v "$tool" >/dev/null || { echo "package.sh: $tool not found (scripts/setup.sh installs it)" >&2; exit 1; }
done

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
files="$stage/Pennywhist"
mkdir "$files"
# Users get the program without its symbols and debugging link.
x86_64-w64-mingw32-strip -o "$files/pennywhist.exe" "$programs/pennywhist.exe"
cp "$programs/pwhelp.hlp" "$files/"
cp -R "$programs/html" "$files/html"

# The installer names every help page it installs, so that the uninstaller
# deletes those and nothing else a user may have put beside them.
pages="$stage/help_pages.nsh"
(
  cd "$files"
  names="$(find html | LC_ALL=C sort)"
  if grep -q '[^A-Za-z0-9._ /-]' <<<"$names"; then
    echo "package.sh: a name under html/ has a character the installer script cannot quote:" >&2
    grep '[^A-Za-z0-9._ /-]' <<<"$names" >&2
    exit 1
  fi
  echo '!macro InstallHelpPages'
  while IFS= read -r dir; do
    echo "  SetOutPath \"\$INSTDIR\\${dir//\//\\}\""
    find "$dir" -mindepth 1 -maxdepth 1 -type f | LC_ALL=C sort | while IFS= read -r page; do
      echo "  File \"$files/$page\""
    done
  done < <(find html -type d | LC_ALL=C sort)
  echo '!macroend'
  echo '!macro RemoveHelpPages'
  find html -type f | LC_ALL=C sort | while IFS= read -r page; do
    echo "  Delete \"\$INSTDIR\\${page//\//\\}\""
  done
  find html -type d | LC_ALL=C sort -r | while IFS= read -r dir; do
    echo "  RMDir \"\$INSTDIR\\${dir//\//\\}\""
  done
  echo '!macroend'
) >"$pages"

setup="$out/pennywhist-$version-setup.exe"
zip="$out/pennywhist-$version-portable.zip"
makensis -V2 -DVERSION="$version" -DFILES="$files" -DHELP_PAGES="$pages" -DOUTFILE="$setup" \
  "$here/pennywhist.nsi" >&2

# Notepad shows a text file with Windows line ends on every version.
sed 's/$/\r/' "$here/portable-readme.txt" >"$files/README.txt"
rm -f "$zip"
(cd "$stage" && zip -qrX "$zip" Pennywhist)

echo "$setup"
echo "$zip"
