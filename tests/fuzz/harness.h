#pragma once
// Runs the program's readers of outside bytes on any bytes at all: the fuzz
// targets (fuzz_<name>, libFuzzer) and the replay of the stored inputs in every
// build (lingvaro-fuzz-replay) both go through here.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace lingvaro::fuzz {

namespace fs = std::filesystem;

// One run of a reader: the bytes, and where they were put for it.
class Input {
public:
    Input(std::string_view bytes, fs::path root) : bytes_(bytes), root_(std::move(root)) {}
    std::string_view bytes() const { return bytes_; }
    // A fresh folder for this run, removed before the next.
    const fs::path& root() const { return root_; }
    // The hard-disk installation and the medium of an engine under root().
    fs::path pc() const { return root_ / "pc"; }
    fs::path cd() const { return root_ / "cd"; }
    // The file the bytes were written to (the reader's line names it).
    fs::path file;

private:
    std::string_view bytes_;
    fs::path root_;
};

struct Reader {
    const char* name;
    long quickRuns;      // executions in the test suite's fuzz run
    const char* file;    // where the bytes go, under the run's folder; "" to hand them over in memory
    void (*read)(const Input&);
};

// The reader of that name, or nullptr.
const Reader* findReader(std::string_view name);

// Puts the bytes where the reader expects them and reads them.
void run(const Reader& reader, std::string_view bytes);

// A broken promise of a reader: names it on standard error and aborts, which
// the fuzzer and the replay both report as a finding.
[[noreturn]] void broken(const char* what, const char* file, int line);

// The whole file as it is now ("" when missing).
std::string contents(const fs::path& file);

} // namespace lingvaro::fuzz

#define FUZZ_REQUIRE(condition) \
    ((condition) ? void() : ::lingvaro::fuzz::broken(#condition, __FILE__, __LINE__))
