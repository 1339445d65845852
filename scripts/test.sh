#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (windows offscreen);
# then the same tests and the quick fuzz runs in the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j2)
scripts/sanitize.sh
