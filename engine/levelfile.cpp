#include "engine/levelfile.h"

#include "engine/cp1252.h"
#include "engine/durablefile.h"
#include "engine/textfile.h"

#include <QLockFile>
#include <QString>
#include <algorithm>
#include <cstring>

namespace lingvaro {
namespace fs = std::filesystem;

namespace {

int32_t readLevel(const unsigned char* at)
{
    return int32_t(uint32_t(at[0]) | (uint32_t(at[1]) << 8) | (uint32_t(at[2]) << 16) | (uint32_t(at[3]) << 24));
}

void writeLevel(unsigned char* at, int32_t level)
{
    const uint32_t u = uint32_t(level);
    for (int i = 0; i < 4; ++i)
        at[i] = (unsigned char)((u >> (8 * i)) & 0xFF);
}

} // namespace

LevelRecord LevelRecord::make(std::string_view name, int32_t level)
{
    LevelRecord r;
    r.name = std::string(name.substr(0, std::min(name.size(), NameBytes - 1)));
    // A zero byte inside a name would end it early when read back.
    r.name = r.name.substr(0, r.name.find('\0'));
    r.level = level;
    r.bytes.assign(Size, '\0');
    std::memcpy(r.bytes.data(), r.name.data(), r.name.size());
    writeLevel(reinterpret_cast<unsigned char*>(r.bytes.data()) + NameBytes, level);
    return r;
}

LevelRecords parseLevelRecords(std::string_view bytes)
{
    LevelRecords out;
    const std::size_t whole = bytes.size() / LevelRecord::Size;
    out.records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i) {
        const std::string_view raw = bytes.substr(i * LevelRecord::Size, LevelRecord::Size);
        LevelRecord r;
        const std::string_view nameBytes = raw.substr(0, LevelRecord::NameBytes);
        r.name = std::string(nameBytes.substr(0, std::min(nameBytes.find('\0'), nameBytes.size())));
        r.level = readLevel(reinterpret_cast<const unsigned char*>(raw.data()) + LevelRecord::NameBytes);
        r.bytes = std::string(raw);
        out.records.push_back(std::move(r));
    }
    out.cutOff = std::string(bytes.substr(whole * LevelRecord::Size));
    return out;
}

bool sameLevelName(std::string_view a, std::string_view b) { return upperCp1252(a) == upperCp1252(b); }

const char* LevelFile::nameFor(int exerciseNo)
{
    switch (exerciseNo) {
    case 54300: return "XACTO.STE";
    case 56110: return "TYVERB1.STE";
    case 56210: return "TYVERB2.STE";
    default: return nullptr;
    }
}

LevelFile::LevelFile(fs::path file) : file_(std::move(file)) {}

LevelFile::Result LevelFile::fetch(std::string_view name) const
{
    if (nothingAt(file_))
        return {Status::NotStored};
    const auto bytes = readFileBytes(file_);
    if (!bytes)
        return {Status::Unreadable};
    Result found{Status::NotStored};
    for (const LevelRecord& r : parseLevelRecords(*bytes).records) {
        if (r.name.empty() || !sameLevelName(r.name, name))
            continue;
        if (found.status == Status::NotStored || r.level > found.level)
            found = {Status::Found, r.level};
    }
    return found;
}

LevelFile::Result LevelFile::store(std::string_view name, int level)
{
    if (level <= 1 || name.empty())
        return {Status::NotNeeded};
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    QLockFile lock(QString::fromStdString(file_.native() + ".lock"));
    if (!lock.tryLock(lockWaitMs))
        return {Status::Locked};

    LevelRecords old;
    std::string oldBytes;
    if (!nothingAt(file_)) {
        const auto bytes = readFileBytes(file_);
        if (!bytes)
            return {Status::Unreadable};
        oldBytes = *bytes;
        old = parseLevelRecords(oldBytes);
    }

    // Every other pupil's record goes over byte for byte; records with no name
    // or a level of 1 or less say nothing and are left out; the pupil's own
    // record keeps the higher level, once.
    std::string bytes;
    bytes.reserve(oldBytes.size() + LevelRecord::Size);
    int stored = level;
    for (const LevelRecord& r : old.records)
        if (!r.name.empty() && sameLevelName(r.name, name))
            stored = std::max(stored, int(r.level));
    bool own = false;
    for (const LevelRecord& r : old.records) {
        if (r.name.empty() || r.level <= 1)
            continue;
        if (sameLevelName(r.name, name)) {
            if (own)
                continue;
            own = true;
            // In its old place, so the file keeps its order.
            bytes += r.level == stored ? r.bytes : LevelRecord::make(r.name, stored).bytes;
            continue;
        }
        bytes += r.bytes;
    }
    if (!own)
        bytes += LevelRecord::make(name, level).bytes;
    bytes += old.cutOff;
    if (bytes == oldBytes)
        return {Status::Saved, stored};

    const fs::path scratch = file_.parent_path() / (file_.filename().native() + ".SLK");
    if (!replaceFileDurably(file_, scratch, bytes, beforeReplace))
        return {Status::Failed};
    return {Status::Saved, stored};
}

} // namespace lingvaro
