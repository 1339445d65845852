# Sourced by sanitize.sh and fuzz.sh: how the sanitizer build reports. Every
# finding stops the program with a stack; leaks inside the system's own
# libraries are theirs and listed in tests/fuzz/lsan.supp, never the project's.
lingvaro_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$lingvaro_root/tests/fuzz/lsan.supp:print_suppressions=0"

# Configures and builds build-asan/ (clang: the fuzz targets too).
lingvaro_build_asan() {
  cmake -S "$lingvaro_root" -B "$lingvaro_root/build-asan" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
        -DLINGVARO_SANITIZE=ON -DLINGVARO_BUILD_BENCH=OFF >/dev/null
  # The pictures, sounds and generated data come from the normal build, made first.
  if [ -d "$lingvaro_root/build/share/lingvaro/DATA" ]; then
    cmake -B "$lingvaro_root/build-asan" -DLINGVARO_CONTENT_FROM="$lingvaro_root/build/share/lingvaro" >/dev/null
  fi
  cmake --build "$lingvaro_root/build-asan"
}
