#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (packages), builds, and runs every test.
# Can be run again; it reuses the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
# Window and audio tests get a virtual display and a PulseAudio null sink,
# both stopped again when the tests end.
cd "$BUILD_DIR"
exec bash "$ROOT/scripts/with-services.sh" ctest --output-on-failure -j "$(nproc)"
