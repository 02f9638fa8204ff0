#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (packages), builds, lays out the sample
# installation and shows its course. Can be run again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
bash scripts/build-sample.sh "$BUILD_DIR/sample"
"$BUILD_DIR/bin/orvanta-cli" tree --app-dir "$BUILD_DIR/sample/selko"
