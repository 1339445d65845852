#pragma once
// Writing files that hold people's work so that a crash, a full disk or a pulled
// network cable never leaves half a file: the bytes go to a scratch file beside
// the real one and reach the disk, and only then does the scratch file take the
// real one's name, in one step.

#include <filesystem>
#include <functional>
#include <string>

namespace lingvaro {

// Writes the bytes to a file and makes sure they are on the disk before it returns.
bool writeFileDurably(const std::filesystem::path& file, const std::string& bytes);

// Replaces `file` whole by `bytes` through the scratch file `scratch` (in the
// same folder). `beforeReplace`, when set, runs between the two steps. False
// when anything failed; the old file is then as it was.
bool replaceFileDurably(const std::filesystem::path& file, const std::filesystem::path& scratch,
                        const std::string& bytes, const std::function<void()>& beforeReplace = {});

// Makes sure a folder's list of names (a file just renamed into it) is on the disk.
void syncFolder(const std::filesystem::path& folder);

// Whether nothing at all is at the path (as opposed to something that is there
// but cannot be looked at, which must be treated as there).
bool nothingAt(const std::filesystem::path& file);

} // namespace lingvaro
