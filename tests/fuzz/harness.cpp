#include "tests/fuzz/harness.h"

#include "engine/textfile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace lingvaro::fuzz {
namespace {

// One folder a process, under which each run gets its fresh "run" folder.
class Scratch {
public:
    Scratch()
    {
        // Memory when the system has a folder there: a fuzz run writes and
        // removes its files thousands of times a second.
        std::error_code ec;
        const char* tmpdir = std::getenv("TMPDIR");
        const fs::path shm = "/dev/shm";
        const bool inMemory = !(tmpdir && *tmpdir) && ::access(shm.c_str(), W_OK) == 0;
        const fs::path where = inMemory ? shm : fs::temp_directory_path(ec);
        base_ = where / ("lingvaro-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(base_, ec);
    }
    ~Scratch()
    {
        std::error_code ec;
        fs::remove_all(base_, ec);
    }
    fs::path fresh() const
    {
        const fs::path run = base_ / "run";
        std::error_code ec;
        fs::remove_all(run, ec);
        fs::create_directories(run);
        return run;
    }

private:
    fs::path base_;
};

} // namespace

void run(const Reader& reader, std::string_view bytes)
{
    if (!*reader.file) {
        reader.read(Input(bytes, fs::path()));
        return;
    }
    static const Scratch scratch;
    Input in(bytes, scratch.fresh());
    in.file = in.root() / reader.file;
    fs::create_directories(in.file.parent_path());
    std::ofstream(in.file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    reader.read(in);
}

void broken(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: broken promise: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

std::string contents(const fs::path& file)
{
    return readFileBytes(file).value_or(std::string());
}

} // namespace lingvaro::fuzz
