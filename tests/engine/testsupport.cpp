#include "tests/engine/testsupport.h"

#include <atomic>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace lingvaro::testing {
namespace fs = std::filesystem;

ScratchDir::ScratchDir()
{
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path()
            / ("lingvaro-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

fs::path ScratchDir::write(const std::string& relative, const std::string& bytes) const
{
    const fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

bool withFilePermissions(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && check();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string crlf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

EngineFixture::EngineFixture()
{
    engine.setPlatform(&platform, &platform, &platform);
    engine.PcPath = pc.path().native();
    engine.CdPath = cd.path().native();
}

} // namespace lingvaro::testing
