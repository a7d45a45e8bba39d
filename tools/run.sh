#!/bin/bash
# Sets up, builds and starts the control panel.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build -G Ninja -DZV_TESTS=OFF >/dev/null
cmake --build build --target zvpanel
exec build/src/app/zvpanel "$@"
