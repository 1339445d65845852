// The libFuzzer entry of one reader; the build makes one program a reader and
// names it in LINGVARO_FUZZ_READER.

#include "tests/fuzz/harness.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace lingvaro::fuzz;

namespace {

const Reader& reader()
{
    static const Reader* const r = findReader(LINGVARO_FUZZ_READER);
    if (!r) {
        std::fprintf(stderr, "no reader named %s\n", LINGVARO_FUZZ_READER);
        std::abort();
    }
    return *r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    run(reader(), std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
