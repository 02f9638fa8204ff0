#!/usr/bin/env bash
# Builds the sample installations under OUT (default build/sample):
#   OUT/selko  an English course in program mode 1 (Selko file names)
#   OUT/varda  a grammar course in program mode 2 (Varda file names)
#   OUT/media  the media root both installations name in Config/cfg.ini
# Text sources come from sample/; pictures, recordings, the video, the Flash
# movie and the dictionaries are made by tools/samplegen from sources kept in
# the repository. A second run makes only what changed. Learners' files
# (Users) are never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:-build/sample}
python3 tools/samplegen/samplegen.py --src sample --out "$OUT"
# The skin library, when its builder is part of the tree.
if [ -f scripts/build-skin.sh ]; then
  for inst in selko varda; do
    bash scripts/build-skin.sh "$OUT/$inst/resource.dll"
  done
fi
