#include "engine/recordtable.h"

#include "engine/durablefile.h"
#include "engine/textfile.h"

#include <QLockFile>
#include <algorithm>
#include <cmath>

namespace lingvaro {
namespace fs = std::filesystem;

namespace {

uint16_t word(std::string_view at, std::size_t offset)
{
    return uint16_t((unsigned char)at[offset] | ((unsigned char)at[offset + 1] << 8));
}

void putWord(std::string& out, std::size_t offset, uint16_t value)
{
    out[offset] = char(value & 0xFF);
    out[offset + 1] = char(value >> 8);
}

QString twoDigits(unsigned value) { return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0')); }

} // namespace

RecordEntry RecordEntry::make(std::string_view name, uint16_t score, const QDateTime& when)
{
    RecordEntry e;
    e.name = std::string(name.substr(0, NameBytes));
    e.score = score;
    e.setTime(when);
    return e;
}

void RecordEntry::setTime(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    year = uint16_t(d.year());
    month = uint16_t(d.month());
    day = uint16_t(d.day());
    hour = uint16_t(t.hour());
    minute = uint16_t(t.minute());
}

std::string RecordEntry::toBytes() const
{
    std::string out(Size, '\0');
    const std::size_t length = std::min(name.size(), NameBytes);
    out[0] = char(length);
    std::copy_n(name.data(), length, out.begin() + 1);
    putWord(out, 22, year);
    putWord(out, 24, month);
    putWord(out, 26, day);
    putWord(out, 28, hour);
    putWord(out, 30, minute);
    putWord(out, 32, score);
    return out;
}

RecordEntry RecordEntry::fromBytes(std::string_view record)
{
    RecordEntry e;
    if (record.size() < Size)
        return e;
    const std::size_t length = std::min<std::size_t>((unsigned char)record[0], NameBytes);
    e.name = std::string(record.substr(1, length));
    e.year = word(record, 22);
    e.month = word(record, 24);
    e.day = word(record, 26);
    e.hour = word(record, 28);
    e.minute = word(record, 30);
    e.score = word(record, 32);
    return e;
}

uint16_t recordScoreOf(double score)
{
    if (!std::isfinite(score) || score <= 0)
        return 0;
    const double rounded = std::nearbyint(score); // the default rounding: halves to even
    return uint16_t(std::min<double>(rounded, MaxRecordScore));
}

RecordEntries parseRecordEntries(std::string_view bytes)
{
    RecordEntries out;
    const std::size_t whole = bytes.size() / RecordEntry::Size;
    out.entries.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i)
        out.entries.push_back(RecordEntry::fromBytes(bytes.substr(i * RecordEntry::Size, RecordEntry::Size)));
    out.cutOff = bytes.size() - whole * RecordEntry::Size;
    return out;
}

std::string recordTableBytes(const std::vector<RecordEntry>& entries)
{
    std::string out;
    out.reserve(entries.size() * RecordEntry::Size);
    for (const RecordEntry& e : entries)
        out += e.toBytes();
    return out;
}

std::vector<RecordEntry> RecordMerge::kept() const
{
    return {rows.begin(), rows.begin() + std::min<std::ptrdiff_t>(std::ptrdiff_t(rows.size()), RecordTableSize)};
}

RecordMerge mergeRecord(const std::vector<RecordEntry>& stored, const RecordEntry& entry)
{
    // The table ends where the records end, never at a name: an entry without
    // a name is a row like any other.
    RecordMerge m;
    const std::size_t count = std::min<std::size_t>(stored.size(), RecordTableSize);
    m.rows.assign(stored.begin(), stored.begin() + std::ptrdiff_t(count));
    std::size_t at = 0;
    while (at < m.rows.size() && m.rows[at].score >= entry.score)
        ++at;
    m.rows.insert(m.rows.begin() + std::ptrdiff_t(at), entry);
    m.placed = int(at) + 1;
    if (m.fits() && m.rows.size() > std::size_t(RecordTableSize))
        m.rows.pop_back();
    return m;
}

QString recordNumberText(int row)
{
    if (row > RecordTableSize)
        return QStringLiteral("  X");
    if (row < 10)
        return QStringLiteral("    %1").arg(row);
    if (row < 100)
        return QStringLiteral("  %1").arg(row);
    return QString::number(row);
}

QString recordScoreText(uint16_t score)
{
    if (score == 0 || score > MaxRecordScore)
        return {};
    const int spaces = score < 10 ? 9 : score < 100 ? 8 : score < 1000 ? 6 : score < 10000 ? 4 : 3;
    return QString(spaces, u' ') + QString::number(score);
}

QString recordDateText(const RecordEntry& e)
{
    return twoDigits(e.year % 100) + twoDigits(e.month) + twoDigits(e.day) + u' ' + twoDigits(e.hour) + u':'
           + twoDigits(e.minute);
}

QString recordExportTime(const RecordEntry& e)
{
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(e.year, 4, 10, QChar(u'0'))
        .arg(twoDigits(e.month), twoDigits(e.day), twoDigits(e.hour), twoDigits(e.minute));
}

// --- the file ----------------------------------------------------------------------------

RecordFile::RecordFile(fs::path file) : file_(std::move(file)) {}

RecordFile::Result RecordFile::read() const
{
    if (nothingAt(file_))
        return {Status::Missing};
    const auto bytes = readFileBytes(file_);
    if (!bytes)
        return {Status::Unreadable};
    RecordEntries read = parseRecordEntries(*bytes);
    return {Status::Read, std::move(read.entries), 0, read.cutOff};
}

RecordFile::Result RecordFile::save(const RecordEntry& entry)
{
    QLockFile lock(QString::fromStdString(file_.native() + ".lock"));
    if (!lock.tryLock(lockWaitMs))
        return {lock.error() == QLockFile::LockFailedError ? Status::Locked : Status::Failed};
    Result stored = read();
    if (stored.status == Status::Unreadable)
        return stored;
    const RecordMerge merged = mergeRecord(stored.entries, entry);
    if (!merged.fits())
        return {Status::NotPlaced, std::move(stored.entries), merged.placed};
    std::vector<RecordEntry> kept = merged.kept();
    const fs::path scratch = file_.parent_path() / (file_.filename().native() + ".SLK");
    if (!replaceFileDurably(file_, scratch, recordTableBytes(kept), beforeReplace))
        return {Status::Failed, std::move(stored.entries)};
    return {Status::Saved, std::move(kept), merged.placed};
}

} // namespace lingvaro
