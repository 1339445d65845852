#!/usr/bin/env bash
# Installs what is missing, builds, and starts Lingvaro on the bundled sample installation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
exec build/bin/lingvaro
