#include "engine/durablefile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lingvaro {
namespace fs = std::filesystem;

bool writeFileDurably(const fs::path& file, const std::string& bytes)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += std::size_t(n);
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

bool replaceFileDurably(const fs::path& file, const fs::path& scratch, const std::string& bytes,
                        const std::function<void()>& beforeReplace)
{
    if (!writeFileDurably(scratch, bytes)) {
        ::unlink(scratch.c_str());
        return false;
    }
    // The new file keeps the old one's access, so a shared folder stays shared.
    struct stat old;
    if (::stat(file.c_str(), &old) == 0)
        ::chmod(scratch.c_str(), old.st_mode & 07777);
    if (beforeReplace)
        beforeReplace();
    if (::rename(scratch.c_str(), file.c_str()) != 0) {
        ::unlink(scratch.c_str());
        return false;
    }
    syncFolder(file.has_parent_path() ? file.parent_path() : fs::path("."));
    return true;
}

void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool nothingAt(const fs::path& file)
{
    struct stat st;
    return ::lstat(file.c_str(), &st) != 0 && errno == ENOENT;
}

} // namespace lingvaro
