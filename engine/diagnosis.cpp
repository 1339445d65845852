#include "engine/diagnosis.h"

#include "engine/cp1252.h"
#include "engine/durablefile.h"
#include "engine/textfile.h"

#include <QFile>
#include <QLockFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace lingvaro {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t NameOffset = 0, PasswordOffset = 27, ResultsOffset = 40, StatusOffset = 204;
constexpr std::size_t YearOffset = 246, MonthOffset = 328, DayOffset = 410, HourOffset = 492, MinuteOffset = 574;
constexpr std::size_t ReservedOffset = 656;

std::string readShortString(const unsigned char* at, std::size_t max)
{
    const std::size_t length = std::min<std::size_t>(at[0], max);
    return std::string(reinterpret_cast<const char*>(at + 1), length);
}

void writeShortString(unsigned char* at, std::size_t max, const std::string& s)
{
    const std::size_t length = std::min(s.size(), max);
    at[0] = (unsigned char)length;
    std::memcpy(at + 1, s.data(), length);
}

uint16_t readU16(const unsigned char* at) { return uint16_t(at[0] | (at[1] << 8)); }
void writeU16(unsigned char* at, uint16_t v)
{
    at[0] = (unsigned char)(v & 0xFF);
    at[1] = (unsigned char)(v >> 8);
}
int32_t readI32(const unsigned char* at)
{
    return int32_t(uint32_t(at[0]) | (uint32_t(at[1]) << 8) | (uint32_t(at[2]) << 16) | (uint32_t(at[3]) << 24));
}
void writeI32(unsigned char* at, int32_t v)
{
    const uint32_t u = uint32_t(v);
    for (int i = 0; i < 4; ++i)
        at[i] = (unsigned char)((u >> (8 * i)) & 0xFF);
}

int nextItem(int item)
{
    return (item == 1 || item == 2 || item == 3 || item == 5) ? item + 1 : 0;
}

// Whether a path names nothing at all (as opposed to something that cannot be
// looked at, which must be treated as there).
bool absent(const fs::path& file)
{
    struct stat st;
    return ::stat(file.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

} // namespace

const char* diagnosisItemName(int item)
{
    static const char* const names[] = {
        "Översätt till spanska 1",
        "Översätt till spanska 2",
        "Översätt till spanska 3",
        "Översätt till spanska 4",
        "Översätt till svenska 1",
        "Översätt till svenska 2",
        "Vilket genus?",
        "Skriv i plural",
        "Bestämd artikel",
        "Obestämd artikel",
        "Pluralis av adjektiv",
        "Possessiva pronomen",
        "Personliga pronomen",
        "Räkneord, grundtal",
        "Klockan",
        "Verb, regelbundna, presens",
        "Verb, regelbundna, perfekt",
        "Verb, regelbundna, imperfekt",
        "Verb, regelbundna, preteritum",
        "Verb, regelbundna, konditionalis",
        "Verb, regelbundna, konjunktiv",
        "Imperativ, jakad",
        "Imperativ, nekad",
        "Verb, oregelbundna, presens",
        "Verb, oregelbundna, perfekt",
        "Estar",
        "Ser",
        "Ester eller ser",
        "Tener",
        "Decir - hacer",
        "Futurum, ir á + infinitiv",
        "Futurum, vanlig",
        "Tycka om - gustar",
        "Stavningsförändringar för uttal",
        "Förändring av stamvokalen",
        "Lyssna och skriva - alfabetet",
        "Lyssna och skriva - bara ord",
        "Lyssna och skriva - meningar",
        "Adverb. Känna igen.",
        "Adverb. Bilda adverb.",
        "Komparera adjektiv.",
    };
    static_assert(std::size(names) == DiagnosisItems);
    return item >= 1 && item <= DiagnosisItems ? names[item - 1] : "";
}

QString diagnosisStatusText(int status)
{
    switch (status) {
    case 0: return QStringLiteral("Börja");
    case 1: return QStringLiteral("Vänta");
    case 2: return QStringLiteral("Testa");
    case 3: return QStringLiteral("Öva");
    default: return {};
    }
}

DiagnosisRecordData DiagnosisRecordData::fromBytes(const unsigned char* b)
{
    DiagnosisRecordData r;
    r.PersonName = readShortString(b + NameOffset, 26);
    r.Password = readShortString(b + PasswordOffset, 10);
    for (int i = 1; i <= DiagnosisItems; ++i) {
        const std::size_t k = std::size_t(i - 1);
        r.DiagnosisResults[i] = readI32(b + ResultsOffset + 4 * k);
        r.DiagnosisStatus[i] = b[StatusOffset + k];
        r.TestYear[i] = readU16(b + YearOffset + 2 * k);
        r.TestMonth[i] = readU16(b + MonthOffset + 2 * k);
        r.TestDay[i] = readU16(b + DayOffset + 2 * k);
        r.TestHour[i] = readU16(b + HourOffset + 2 * k);
        r.TestMinute[i] = readU16(b + MinuteOffset + 2 * k);
    }
    std::memcpy(r.Reserved.data(), b + ReservedOffset, r.Reserved.size());
    return r;
}

void DiagnosisRecordData::toBytes(unsigned char* b) const
{
    std::memset(b, 0, Size);
    writeShortString(b + NameOffset, 26, PersonName);
    writeShortString(b + PasswordOffset, 10, Password);
    for (int i = 1; i <= DiagnosisItems; ++i) {
        const std::size_t k = std::size_t(i - 1);
        writeI32(b + ResultsOffset + 4 * k, DiagnosisResults[i]);
        b[StatusOffset + k] = DiagnosisStatus[i];
        writeU16(b + YearOffset + 2 * k, TestYear[i]);
        writeU16(b + MonthOffset + 2 * k, TestMonth[i]);
        writeU16(b + DayOffset + 2 * k, TestDay[i]);
        writeU16(b + HourOffset + 2 * k, TestHour[i]);
        writeU16(b + MinuteOffset + 2 * k, TestMinute[i]);
    }
    std::memcpy(b + ReservedOffset, Reserved.data(), Reserved.size());
}

uint8_t GeStatusTal(DiagnosisRecordData& record, int item)
{
    if (item < 1 || item > DiagnosisItems)
        return 0;
    const int next = nextItem(item);
    const int32_t r = record.DiagnosisResults[item];
    if (r == 0) {
        const bool waits = (item == 2 || item == 3 || item == 4 || item == 6) && record.DiagnosisStatus[item] == 1;
        if (next && record.DiagnosisResults[next] == 0)
            record.DiagnosisStatus[next] = 1;
        return waits ? 1 : 0;
    }
    if (r >= Engine::DiagnosisPassMark) {
        if (next)
            record.DiagnosisStatus[next] = 2;
        return 2;
    }
    if (next && record.DiagnosisStatus[next] != 2)
        record.DiagnosisStatus[next] = 1;
    return 3;
}

DiagnosisRecordData freshRecord(const std::string& name)
{
    // Everything zero, the previous learner's times and reserved bytes included.
    DiagnosisRecordData r;
    r.PersonName = storedName(name);
    for (int i = 1; i <= DiagnosisItems; ++i)
        r.DiagnosisStatus[i] = GeStatusTal(r, i);
    return r;
}

void storeResult(DiagnosisRecordData& record, int item, int value, const QDateTime& when)
{
    if (item < 1 || item > DiagnosisItems)
        return;
    if (record.DiagnosisResults[item] > 0 && value == 0) {
        // A retaken test without one right answer asks for practice.
        record.DiagnosisStatus[item] = 3;
        record.DiagnosisResults[item] = 0;
    } else {
        record.DiagnosisResults[item] = value;
        record.DiagnosisStatus[item] = GeStatusTal(record, item);
    }
    const QDate d = when.date();
    const QTime t = when.time();
    record.TestYear[item] = uint16_t(d.year());
    record.TestMonth[item] = uint16_t(d.month());
    record.TestDay[item] = uint16_t(d.day());
    record.TestHour[item] = uint16_t(t.hour());
    record.TestMinute[item] = uint16_t(t.minute());
}

bool sameLearner(const std::string& a, const std::string& b)
{
    return upperCp1252(a) == upperCp1252(b);
}

std::string storedName(const std::string& typed)
{
    std::string name = cut(typed, 26);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

std::optional<QString> characterOutsideCp1252(const QString& typed)
{
    for (const char32_t c : typed.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (fromCp1252(toCp1252(one)) != one)
            return one;
    }
    return std::nullopt;
}

QString archiveStamp(const QDateTime& when)
{
    return when.toString(QStringLiteral("yyMMddHHmm"));
}

QString protocolTime(const DiagnosisRecordData& r, int item)
{
    if (item < 1 || item > DiagnosisItems || r.DiagnosisResults[item] <= 0)
        return {};
    return QStringLiteral("%1%2%3 %4:%5")
        .arg(r.TestYear[item] % 100, 2, 10, QChar(u'0'))
        .arg(r.TestMonth[item], 2, 10, QChar(u'0'))
        .arg(r.TestDay[item], 2, 10, QChar(u'0'))
        .arg(r.TestHour[item])
        .arg(r.TestMinute[item], 2, 10, QChar(u'0'));
}

// --- the file ------------------------------------------------------------------

DiagnosisFile::DiagnosisFile(fs::path directory) : directory_(std::move(directory)) {}

fs::path DiagnosisFile::file() const { return directory_ / "SPANDIAG.DIA"; }
fs::path DiagnosisFile::scratchFile() const { return directory_ / "Slask.DI2"; }
// Every writer holds this lock beside the file, also on other computers sharing the folder.
QString DiagnosisFile::lockFile() const { return QString::fromStdString((directory_ / "SPANDIAG.DIA.lock").native()); }

std::optional<std::vector<DiagnosisRecordData>> DiagnosisFile::readAll() const
{
    truncated_ = 0;
    unreadable_ = false;
    if (absent(file()))
        return std::nullopt;
    const auto bytes = readFileBytes(file());
    if (!bytes) {
        unreadable_ = true;
        return std::nullopt;
    }
    std::vector<DiagnosisRecordData> records;
    const std::size_t whole = bytes->size() / DiagnosisRecordData::Size;
    truncated_ = bytes->size() % DiagnosisRecordData::Size;
    records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i)
        records.push_back(DiagnosisRecordData::fromBytes(
            reinterpret_cast<const unsigned char*>(bytes->data()) + i * DiagnosisRecordData::Size));
    return records;
}

std::optional<DiagnosisRecordData> DiagnosisFile::find(const std::string& name) const
{
    if (const auto records = readAll())
        for (const auto& r : *records)
            if (sameLearner(r.PersonName, name))
                return r;
    return std::nullopt;
}

DiagnosisFile::Result DiagnosisFile::rewrite(const std::vector<DiagnosisRecordData>& records, bool keepTruncated)
{
    if (truncated_ != 0 && !keepTruncated)
        return Result::Truncated;
    std::string bytes(records.size() * DiagnosisRecordData::Size, '\0');
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].toBytes(reinterpret_cast<unsigned char*>(bytes.data()) + i * DiagnosisRecordData::Size);
    // Shared by learners who log in as different users: the new file keeps the
    // old one's access, and replaces it in one step.
    return replaceFileDurably(file(), scratchFile(), bytes, beforeReplace) ? Result::Saved : Result::Failed;
}

DiagnosisFile::Result DiagnosisFile::save(const DiagnosisRecordData& record, bool keepTruncated)
{
    return store(record, keepTruncated, false);
}

DiagnosisFile::Result DiagnosisFile::add(const DiagnosisRecordData& record, bool keepTruncated)
{
    return store(record, keepTruncated, true);
}

DiagnosisFile::Result DiagnosisFile::store(const DiagnosisRecordData& record, bool keepTruncated, bool newLearner)
{
    QLockFile lock(lockFile());
    if (!lock.tryLock(lockWaitMs))
        return Result::Locked;
    std::vector<DiagnosisRecordData> records;
    if (auto existing = readAll())
        records = std::move(*existing);
    else if (unreadable_)
        return Result::Unreadable; // written over, it would lose every other learner
    bool replaced = false;
    for (auto& r : records) {
        if (sameLearner(r.PersonName, record.PersonName)) {
            if (newLearner)
                return Result::NameTaken;
            r = record;
            replaced = true;
        }
    }
    if (!replaced)
        records.push_back(record);
    return rewrite(records, keepTruncated);
}

DiagnosisFile::Result DiagnosisFile::remove(const std::string& exactName, bool keepTruncated)
{
    QLockFile lock(lockFile());
    if (!lock.tryLock(lockWaitMs))
        return Result::Locked;
    auto existing = readAll();
    if (!existing)
        return unreadable_ ? Result::Unreadable : Result::Missing;
    std::vector<DiagnosisRecordData> kept;
    for (auto& r : *existing)
        if (!r.PersonName.empty() && r.PersonName != exactName)
            kept.push_back(std::move(r));
    return rewrite(kept, keepTruncated);
}

std::optional<fs::path> DiagnosisFile::archive(const QDateTime& when)
{
    QLockFile lock(lockFile());
    if (!lock.tryLock(lockWaitMs))
        return std::nullopt;
    std::error_code ec;
    if (!fs::is_regular_file(file(), ec))
        return std::nullopt;
    std::vector<QString> candidates = {archiveStamp(when), when.toString(QStringLiteral("yyMMddHHmmss"))};
    for (int n = 2; n < 1000; ++n)
        candidates.push_back(when.toString(QStringLiteral("yyMMddHHmmss")) + QStringLiteral("-%1").arg(n));
    for (const QString& stamp : candidates) {
        const fs::path target = directory_ / ("SP" + stamp.toStdString() + ".DIS");
        // The name is taken by creating the file exclusively: an existing
        // archive is never replaced, and no hard link is needed for it.
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return std::nullopt;
        }
        ::close(fd);
        // The empty file is ours; the diagnosis file takes its place in one step.
        if (::rename(file().c_str(), target.c_str()) == 0) {
            syncFolder(directory_);
            return target;
        }
        // Where a file may not be renamed over another, the bytes are copied
        // into the archive, and only a complete copy lets the file go.
        const auto bytes = readFileBytes(file());
        if (bytes && writeFileDurably(target, *bytes) && readFileBytes(target) == bytes && ::unlink(file().c_str()) == 0) {
            syncFolder(directory_);
            return target;
        }
        ::unlink(target.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

// --- teacher password ------------------------------------------------------------

std::optional<std::string> TeacherPasswordFile::read(const fs::path& file)
{
    if (!absent(file)) {
        const auto bytes = readFileBytes(file);
        if (!bytes || bytes->size() < Size)
            return std::nullopt;
        const auto* b = reinterpret_cast<const unsigned char*>(bytes->data());
        return Engine::dekryptrad(readShortString(b + 27, 26));
    }
    if (!write(file, DefaultPassword))
        return std::nullopt;
    return std::string(DefaultPassword);
}

bool TeacherPasswordFile::write(const fs::path& file, const std::string& password)
{
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    unsigned char b[Size] = {};
    writeShortString(b, 26, Engine::kryptrad("L\xc4RARE"));
    // Scrambled whatever it begins with: kryptrad would leave a password that
    // begins with ")" as it is, and reading would then unscramble it into another.
    writeShortString(b + 27, 26, Engine::scramble(password));
    // A scratch file of this process beside the password file.
    const fs::path scratch = file.parent_path() / (file.filename().native() + "." + std::to_string(::getpid()));
    return replaceFileDurably(file, scratch, std::string(reinterpret_cast<const char*>(b), Size));
}

} // namespace lingvaro
