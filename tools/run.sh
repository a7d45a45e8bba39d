#!/bin/bash
# Sets up, builds and starts the control panel. The stand-in switcher is built
# beside it, for trying the panel against it as the README describes.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build -G Ninja -DZV_TESTS=OFF >/dev/null
cmake --build build --target zvpanel zv_standin
exec build/src/app/zvpanel "$@"
