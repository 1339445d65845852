#!/usr/bin/env bash
# The sanitizer gate: the program and all its tests built with AddressSanitizer
# and UndefinedBehaviorSanitizer (clang) into build-asan/, every test run there
# (windows offscreen), and each fuzz target for its fixed number of executions.
# Any finding fails the run. scripts/test.sh runs this after the normal build;
# extra arguments go to ctest (e.g. -L fuzz, -R engine).
set -euo pipefail
source "$(dirname "$0")/sanitizer-env.sh"
lingvaro_build_asan
cd "$lingvaro_root/build-asan"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j2 "$@"
