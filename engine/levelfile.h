#pragma once
// The stored levels of the level exercise: one file per exercise in the
// diagnosis folder, shared by every pupil of the school, of fixed 260-byte
// records: bytes 0..255 the pupil's name (code page 1252, ended by a zero byte),
// bytes 256..259 the level reached (signed 32-bit, little-endian). One record a
// name; only levels above 1 are kept, as every pupil starts at level 1.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lingvaro {

struct LevelRecord {
    static constexpr std::size_t Size = 260;
    static constexpr std::size_t NameBytes = 256;

    std::string name; // cp1252, up to the first zero byte (or all 256 bytes when there is none)
    int32_t level = 0;
    std::string bytes; // the record as it was read, written back unchanged when it is not the pupil's

    // The record of a name and a level; a name longer than 255 bytes is cut,
    // so that the terminator always fits.
    static LevelRecord make(std::string_view name, int32_t level);
};

// What a level file holds. Any bytes read as whole records and a cut-off rest;
// no input makes it fail.
struct LevelRecords {
    std::vector<LevelRecord> records;
    std::string cutOff; // the bytes of a last record that is not whole
};
LevelRecords parseLevelRecords(std::string_view bytes);

// Names are the same without regard to letter case (å, ä, ö, ñ … included).
bool sameLevelName(std::string_view a, std::string_view b);

class LevelFile {
public:
    // The file name an exercise keeps its levels in ("XACTO.STE" for 54300), or
    // nullptr when it keeps none.
    static const char* nameFor(int exerciseNo);

    explicit LevelFile(std::filesystem::path file);
    const std::filesystem::path& file() const { return file_; }

    enum class Status {
        Found,      // fetch: the pupil's level is in `level`
        NotStored,  // fetch: nothing stored under the name (or no file yet)
        Saved,      // store: the file holds the level, or a higher one already stored (in `level`)
        NotNeeded,  // store: level 1 is never stored
        Locked,     // store: another computer held the file too long
        Unreadable, // the file is there but cannot be read; it is not written over
        Failed,     // store: the new file could not be written; the old one is whole
    };
    struct Result {
        Status status;
        int level = 0;
    };

    Result fetch(std::string_view name) const;
    // Keeps the higher of the stored level and this one. Under a lock beside
    // the file; the file is replaced whole in one step, so that it is always
    // either the old or the new complete file, and a cut-off last record is
    // carried over as it was rather than lost.
    Result store(std::string_view name, int level);

    // How long a writer waits for the lock.
    int lockWaitMs = 3000;
    // Runs between writing the new file and putting it in place (tests
    // interrupt a store there).
    std::function<void()> beforeReplace;

private:
    std::filesystem::path file_;
};

} // namespace lingvaro
