#!/usr/bin/env bash
# Builds the sample skin library: draws every picture and sound with
# orvanta-skingen into a temporary folder, then packs the folder into a
# resource-only DLL with orvanta-skinpack.
#
#   scripts/build-skin.sh OUT_DLL
#
# BUILD_DIR chooses the build whose tools are used (default: build, relative
# to the repository); SKIN_VERSION the file version (default 6.0.0.1).
set -euo pipefail
out=${1:?usage: build-skin.sh OUT_DLL}
root="$(cd "$(dirname "$0")/.." && pwd)"
build=${BUILD_DIR:-build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
bin="$build/bin"
for tool in orvanta-skingen orvanta-skinpack; do
  [ -x "$bin/$tool" ] || { echo "build-skin.sh: $bin/$tool is missing; build the project first" >&2; exit 1; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$bin/orvanta-skingen" "$tmp/skin"
mkdir -p "$(dirname "$out")"
"$bin/orvanta-skinpack" --out "$out" --version "${SKIN_VERSION:-6.0.0.1}" "$tmp/skin"
