// lingvaro-fuzz-replay READER PATH...: reads each stored input (a file, or every
// file of a folder) once with the reader, as its fuzz target would. Built in every
// build, so the seeds and every input that once broke a reader stay tests.

#include "tests/fuzz/harness.h"
#include "engine/textfile.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace lingvaro::fuzz;

int main(int argc, char* argv[])
{
    const Reader* reader = argc >= 3 ? findReader(argv[1]) : nullptr;
    if (!reader) {
        std::fprintf(stderr, "usage: lingvaro-fuzz-replay READER PATH...\n");
        return 2;
    }
    std::vector<fs::path> inputs;
    for (int i = 2; i < argc; ++i) {
        const fs::path p = argv[i];
        std::error_code ec;
        if (fs::is_directory(p, ec)) {
            for (const auto& entry : fs::directory_iterator(p))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                    inputs.push_back(entry.path());
        } else {
            inputs.push_back(p);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& input : inputs) {
        const auto bytes = lingvaro::readFileBytes(input);
        if (!bytes) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 2;
        }
        std::fprintf(stderr, "%s\n", input.c_str());
        run(*reader, *bytes);
    }
    std::printf("%s: %zu inputs read\n", reader->name, inputs.size());
    return inputs.empty() ? 1 : 0;
}
