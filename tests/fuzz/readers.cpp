// The readers of outside bytes and what each promises whatever the bytes are.
// Besides surviving, a reader is held to what the rest of the program relies on:
// the n-th question fetched is the n-th question counted, fields never hold a
// separator, a saved setting reads back, saving one learner keeps the others'
// records byte for byte, a password reads back as it was set.

#include "tests/fuzz/harness.h"

#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/engine.h"
#include "engine/levelfile.h"
#include "engine/recordtable.h"
#include "engine/wordlist.h"
#include "engine/textfile.h"

#include <QDateTime>
#include <algorithm>
#include <utility>
#include <vector>

namespace lingvaro::fuzz {
namespace {

Engine engineIn(const Input& in)
{
    Engine e;
    e.PcPath = in.pc().native();
    e.CdPath = in.cd().native();
    return e;
}

// The question lines of a text and its last line, by the line rules alone.
struct Lines {
    std::vector<std::string> questions;
    std::optional<std::string> last;
};

Lines linesOf(std::string_view text)
{
    Lines out;
    LineWalker walker(text);
    std::string_view line;
    while (walker.next(line)) {
        out.last = std::string(line);
        if (!line.empty() && line[0] != ';' && line[0] != '$')
            out.questions.emplace_back(line);
    }
    return out;
}

bool typable(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (unsigned char)c >= 32; });
}

// --- question lines ------------------------------------------------------------

void checkScrambling(std::string_view line)
{
    const std::string plain = Engine::dekryptrad(line);
    if (line.empty() || line[0] != ')')
        FUZZ_REQUIRE(plain == line);
    else
        FUZZ_REQUIRE(plain.size() + 1 == line.size());

    const std::string stored = Engine::kryptrad(line);
    if (!line.empty() && std::string_view(";$#)").find(line[0]) != std::string_view::npos) {
        FUZZ_REQUIRE(stored == line);
    } else {
        FUZZ_REQUIRE(stored.size() == line.size() + 1 && stored[0] == ')');
        // What can be typed or written in an editor comes back as it was.
        if (typable(line))
            FUZZ_REQUIRE(Engine::dekryptrad(stored) == line);
    }
}

void checkFields(const Engine& e)
{
    FUZZ_REQUIRE(e.MarkedCount <= FieldCount);
    for (int f = 1; f <= FieldCount; ++f) {
        const std::string& field = e.AnswerFields[f];
        FUZZ_REQUIRE(field.find('#') == std::string::npos);
        FUZZ_REQUIRE(field.empty() || field[0] != ' ');
    }
}

// A pupil who types the answer, or one of its alternatives, exactly as the line
// has it is right, however it is judged.
void checkJudging(Engine& e)
{
    const std::string expected = e.AnswerFields[2];
    if (expected.empty())
        return;
    for (int kind = 1; kind <= 3; ++kind)
        FUZZ_REQUIRE(e.svarstest(expected, expected, kind) == AnswerRight);

    int last = 2;
    for (int f = 3; f <= FieldCount; ++f)
        if (!e.AnswerFields[f].empty())
            last = f;
    for (int f = std::max(1, last - int(e.MarkedCount) + 1); e.MarkedCount > 0 && f <= last; ++f) {
        std::string alternative = e.AnswerFields[f];
        if (!alternative.empty() && alternative[0] == '&')
            alternative.erase(0, 1); // judging drops a second mark too ("&&lo siento")
        if (alternative.empty())
            continue;
        for (int kind = 1; kind <= 3; ++kind)
            FUZZ_REQUIRE(e.svarstest(expected, alternative, kind) == AnswerRight);
        // The lamp is asked while typing; any answer at all, no matter what it says.
        e.GreenRedTest(alternative.substr(0, alternative.size() / 2), expected);
    }
}

void checkLineBreaking(Engine& e, const std::string& text)
{
    // Line breaking measures every prefix; longer texts add nothing but time.
    if (text.size() > 200)
        return;
    e.dela_mening(10, 410, text, 3);
    for (int i = 1; i <= 3; ++i)
        FUZZ_REQUIRE(e.SplitLines[i].size() <= text.size());
    e.LetaPrep(text);
}

void splitAndJudge(Engine& e, const std::string& line)
{
    e.str_postarray(line);
    checkFields(e);
    checkJudging(e);
}

void readDataLine(const Input& in)
{
    const std::string line(in.bytes());
    checkScrambling(line);
    Engine e;
    splitAndJudge(e, line);
    checkLineBreaking(e, e.AnswerFields[1]);
    checkLineBreaking(e, e.AnswerFields[2]);
}

// --- data files ----------------------------------------------------------------

void checkHeader(const Engine& e)
{
    for (int i = 1; i <= 3; ++i)
        FUZZ_REQUIRE(e.HeaderLines[i].size() <= 80);
    FUZZ_REQUIRE(e.HeaderInstruction.size() <= 80);
    FUZZ_REQUIRE(e.HeaderNote.size() <= 80);
}

// Fetching every question reads the file from its start; the first ones show
// all there is to see.
constexpr std::size_t FetchedQuestions = 40;

void readDataFile(const Input& in)
{
    const std::string name = "SPA14000.DAT";
    const Lines lines = linesOf(in.bytes());
    const auto count = int32_t(lines.questions.size());

    Engine e = engineIn(in);
    e.DataFileCatalogue[1] = name;
    e.DataFileCount = 1;
    e.DataFileName = name;
    FUZZ_REQUIRE(e.Kolla(name) == (count > 0));
    FUZZ_REQUIRE(e.CatalogueIndex == 1);
    FUZZ_REQUIRE(e.QuestionCounts[1] == count);
    checkHeader(e);
    e.Kolla(name); // counted: the header again from the first lines
    checkHeader(e);
    FUZZ_REQUIRE(e.Kolla2(name));

    for (int n = 1; n <= std::min<int>(count, FetchedQuestions); ++n) {
        e.CurrentLine.clear();
        e.haemtaord(name, n);
        FUZZ_REQUIRE(e.CurrentLine == lines.questions[std::size_t(n - 1)]);
        e.str_postarray(e.CurrentLine);
        checkFields(e);
    }
    // Past the last question the file's last line stays, and nothing for a file without lines.
    const std::string untouched(1, '-');
    e.CurrentLine = untouched;
    e.haemtaord(name, count + 1);
    FUZZ_REQUIRE(e.CurrentLine == lines.last.value_or(untouched));

    // A wrong answer kept for the correction pass fetches the same question again.
    if (count > 0) {
        e.QuestionNo = uint16_t(std::min<int32_t>(count, 65535));
        e.haemtafel(name, ErrorOp::Store);
        e.CurrentLine.clear();
        e.haemtafel(name, ErrorOp::FetchFirst);
        FUZZ_REQUIRE(e.ErrorQuestionNo == e.QuestionNo);
        FUZZ_REQUIRE(e.CurrentLine == lines.questions[std::size_t(e.QuestionNo - 1)]);
        e.haemtafel(name, ErrorOp::RemoveFirst);
        FUZZ_REQUIRE(e.ErrorCounts[1] == 0);
    }
}

void readPraiseFile(const Input& in)
{
    const std::string name = "SpOM9005.LOV";
    const Lines lines = linesOf(in.bytes());
    const auto count = int32_t(lines.questions.size());

    Engine e = engineIn(in);
    e.PraiseFileCatalogue[1] = name;
    e.PraiseFileCount = 1;
    e.PersonName = "\xc5sa <Ruiz>";
    e.ExerciseNo = 52300; // a diagnosis item, so every placeholder has a value
    FUZZ_REQUIRE(e.KollaLovOrd(name) == (count > 0));
    FUZZ_REQUIRE(e.PraiseLineCounts[1] == count);
    for (int i = 1; i <= std::min<int>(count, FetchedQuestions); ++i) {
        const int n = e.haemta_Lovordslumptal(e.PraiseDrawCounters[1], 1);
        FUZZ_REQUIRE(n >= 1 && n <= count);
        e.haemtaord(name, n);
        FUZZ_REQUIRE(e.CurrentLine == lines.questions[std::size_t(n - 1)]);
        e.str_postarray(e.CurrentLine);
        checkFields(e);
        for (int f = 1; f <= 3; ++f)
            FUZZ_REQUIRE(e.LovordMen(e.AnswerFields[f]).find('>') == std::string::npos);
    }
}

void readCatalogueList(const Input& in)
{
    Engine e = engineIn(in);
    FUZZ_REQUIRE(e.BuildDataCatalogue());
    FUZZ_REQUIRE(e.DataFileCount <= CatalogueSlots);
    FUZZ_REQUIRE(e.PraiseFileCount <= PraiseSlots);
    for (int i = 1; i <= e.DataFileCount; ++i)
        FUZZ_REQUIRE(e.DataFileCatalogue[i].size() <= 12);
    for (int i = 1; i <= e.PraiseFileCount; ++i)
        FUZZ_REQUIRE(e.PraiseFileCatalogue[i].size() <= 12);
    // Every listed name finds its own slot or an earlier one of the same name;
    // none of the files exists, so none of them opens.
    for (int i = 1; i <= std::min<int>(e.DataFileCount, 8); ++i) {
        const std::string name = e.DataFileCatalogue[i];
        e.DataFileName = name;
        FUZZ_REQUIRE(!e.Kolla(name));
        FUZZ_REQUIRE(e.CatalogueIndex >= 1 && e.CatalogueIndex <= i);
        FUZZ_REQUIRE(upperCp1252(e.DataFileCatalogue[e.CatalogueIndex]) == upperCp1252(name));
        Engine::GeProgramtal(name);
    }
}

// --- the two INI files ---------------------------------------------------------

void readPathIni(const Input& in)
{
    Engine e = engineIn(in);
    PlatformDirs dirs;
    dirs.configDirs = {in.root() / "config"};
    dirs.userConfigDir = in.root() / "userconfig";
    dirs.userDataDir = in.root() / "userdata";
    dirs.bundledContent = in.root() / "bundled"; // none: a first start is not set up here
    e.ReadPathIni(dirs);
    FUZZ_REQUIRE(e.pathIniFile == in.file);
}

void readSettingsIni(const Input& in)
{
    Engine e = engineIn(in);
    e.HaemtaTyskaINI();
    FUZZ_REQUIRE(e.AnswerShowSeconds >= 0 && e.AnswerShowSeconds <= 9);
    FUZZ_REQUIRE(e.SoundMode <= 3 && e.PictureMode <= 3);

    // The settings window saves into the same file, keeping what else it holds;
    // what it saved is what the next start reads.
    e.AnswerShowSeconds = (e.AnswerShowSeconds + 4) % 10;
    e.SoundMode = uint8_t((e.SoundMode + 1) % 4);
    e.PictureMode = uint8_t((e.PictureMode + 2) % 4);
    if (!e.WriteSettingsIni())
        return;
    Engine next = engineIn(in);
    next.HaemtaTyskaINI();
    FUZZ_REQUIRE(next.AnswerShowSeconds == e.AnswerShowSeconds);
    FUZZ_REQUIRE(next.SoundMode == e.SoundMode);
    FUZZ_REQUIRE(next.PictureMode == e.PictureMode);
}

// --- the diagnosis file and the teacher password -------------------------------

// A record as the file holds it; what the file leaves unspecified comes out zero.
std::string recordBytes(const DiagnosisRecordData& r)
{
    std::string bytes(DiagnosisRecordData::Size, '\0');
    r.toBytes(reinterpret_cast<unsigned char*>(bytes.data()));
    return bytes;
}

std::vector<std::string> recordsOf(const DiagnosisFile& file)
{
    std::vector<std::string> out;
    if (const auto records = file.readAll())
        for (const auto& r : *records)
            out.push_back(recordBytes(r));
    return out;
}

void readDiagnosisFile(const Input& in)
{
    const std::string bytes(in.bytes());
    DiagnosisFile file(in.file.parent_path());
    const auto records = file.readAll();
    FUZZ_REQUIRE(records.has_value());
    FUZZ_REQUIRE(records->size() == bytes.size() / DiagnosisRecordData::Size);
    FUZZ_REQUIRE(file.truncatedBytes() == bytes.size() % DiagnosisRecordData::Size);

    std::vector<std::string> before;
    for (const auto& r : *records) {
        FUZZ_REQUIRE(r.PersonName.size() <= 26 && r.Password.size() <= 10);
        const std::string stored = recordBytes(r);
        FUZZ_REQUIRE(recordBytes(DiagnosisRecordData::fromBytes(
                         reinterpret_cast<const unsigned char*>(stored.data()))) == stored);
        // What the protocol shows of the record.
        DiagnosisRecordData shown = r;
        for (int item = 1; item <= DiagnosisItems; ++item) {
            protocolTime(shown, item);
            diagnosisStatusText(shown.DiagnosisStatus[item]);
            GeStatusTal(shown, item);
        }
        fromCp1252(r.PersonName);
        before.push_back(stored);
    }
    if (!records->empty()) {
        const auto found = file.find(records->front().PersonName);
        FUZZ_REQUIRE(found && sameLearner(found->PersonName, records->front().PersonName));
    }

    // A new learner's result is saved: every other learner keeps the record as it was.
    DiagnosisRecordData added = freshRecord("Nueva Alumna");
    storeResult(added, 7, 15, QDateTime(QDate(2024, 5, 17), QTime(14, 30)));
    const auto saved = file.save(added);
    if (file.truncatedBytes() != 0) {
        FUZZ_REQUIRE(saved == DiagnosisFile::Result::Truncated);
        FUZZ_REQUIRE(contents(file.file()) == bytes);
        FUZZ_REQUIRE(file.save(added, true) == DiagnosisFile::Result::Saved);
    } else {
        FUZZ_REQUIRE(saved == DiagnosisFile::Result::Saved);
    }
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (!sameLearner((*records)[i].PersonName, added.PersonName))
            expected.push_back(before[i]);
    std::vector<std::string> after = recordsOf(file);
    FUZZ_REQUIRE(std::count(after.begin(), after.end(), recordBytes(added)) >= 1);
    std::erase(after, recordBytes(added));
    FUZZ_REQUIRE(after == expected);

    // Removing the new learner again takes nobody else with it (records without a name go too).
    FUZZ_REQUIRE(file.remove(added.PersonName) == DiagnosisFile::Result::Saved);
    std::erase_if(expected, [](const std::string& r) { return r[0] == 0; });
    FUZZ_REQUIRE(recordsOf(file) == expected);

    // "Ta bort alla diagnoser" keeps the whole file, byte for byte, as an
    // archive. Archiving moves the file whatever it holds, and takes a while:
    // the first input of a run shows it.
    static bool archived = false;
    if (std::exchange(archived, true))
        return;
    const std::string kept = contents(file.file());
    const auto archive = file.archive(QDateTime(QDate(2024, 5, 17), QTime(14, 31)));
    FUZZ_REQUIRE(archive.has_value());
    FUZZ_REQUIRE(contents(*archive) == kept);
    FUZZ_REQUIRE(!fs::exists(file.file()));
}

void readTeacherPassword(const Input& in)
{
    const std::string bytes(in.bytes());
    const auto password = TeacherPasswordFile::read(in.file);
    // A file too short to hold a password is damaged: it is told, and never
    // written over; any other file is read, and left as it was.
    FUZZ_REQUIRE(password.has_value() == (bytes.size() >= TeacherPasswordFile::Size));
    FUZZ_REQUIRE(contents(in.file) == bytes);

    // A password the teacher can type (up to the ten characters of the login)
    // reads back as it was set.
    std::string chosen = bytes.substr(0, 10);
    for (char& c : chosen)
        if ((unsigned char)c < 32)
            c = char((unsigned char)c + 64);
    const fs::path other = in.root() / "other" / "SPA45444.DOT";
    FUZZ_REQUIRE(TeacherPasswordFile::write(other, chosen));
    FUZZ_REQUIRE(TeacherPasswordFile::read(other) == chosen);
}

void readLevelFile(const Input& in)
{
    const std::string bytes(in.bytes());
    LevelFile file(in.file);
    // Whatever the file holds, a fetch reads and leaves it as it was.
    const auto before = file.fetch("Ana");
    FUZZ_REQUIRE(contents(in.file) == bytes);
    // A pupil's level is stored: it reads back at least as high, and the file
    // stays whole records, the cut-off end carried over as it was.
    const auto stored = file.store("Ana", 7);
    if (stored.status != LevelFile::Status::Saved)
        return;
    const auto after = file.fetch("ana");
    FUZZ_REQUIRE(after.status == LevelFile::Status::Found);
    FUZZ_REQUIRE(after.level >= 7 && after.level == stored.level);
    if (before.status == LevelFile::Status::Found)
        FUZZ_REQUIRE(after.level >= before.level);
    FUZZ_REQUIRE(contents(in.file).size() % LevelRecord::Size == bytes.size() % LevelRecord::Size);
}

void readRecordTable(const Input& in)
{
    const std::string bytes(in.bytes());
    RecordFile file(in.file);
    const auto read = file.read();
    FUZZ_REQUIRE(read.status == RecordFile::Status::Read);
    FUZZ_REQUIRE(read.entries.size() == bytes.size() / RecordEntry::Size);
    FUZZ_REQUIRE(read.cutOff == bytes.size() % RecordEntry::Size);
    FUZZ_REQUIRE(contents(in.file) == bytes);
    // A new score is placed among the stored ones: the file holds whole
    // records only, at most a table's worth, and the new entry where it was put.
    const RecordEntry entry = RecordEntry::make("Ana", 500, QDateTime(QDate(2024, 5, 17), QTime(14, 30)));
    const auto saved = file.save(entry);
    FUZZ_REQUIRE(saved.status == RecordFile::Status::Saved || saved.status == RecordFile::Status::NotPlaced);
    const std::string after = contents(in.file);
    if (saved.status == RecordFile::Status::NotPlaced) {
        FUZZ_REQUIRE(after == bytes);
        return;
    }
    FUZZ_REQUIRE(after.size() % RecordEntry::Size == 0 && after.size() <= RecordTableSize * RecordEntry::Size);
    FUZZ_REQUIRE(saved.placed >= 1 && saved.placed <= RecordTableSize);
    FUZZ_REQUIRE(after.substr((saved.placed - 1) * RecordEntry::Size, RecordEntry::Size) == entry.toBytes());
}

void readWordList(const Input& in)
{
    const WordList list = parseWordList(in.bytes());
    for (const std::string& q : list.questions)
        FUZZ_REQUIRE(isWordListQuestion(Engine::dekryptrad(q)));
    FUZZ_REQUIRE(wordListFingerprint(in.bytes()) == wordListFingerprint(std::string(in.bytes())));
}

void readOwnList(const Input& in)
{
    // What the editor reads it writes back, and reading that again changes nothing.
    const OwnList list = parseOwnList(in.bytes());
    const std::string written = ownListBytes(list);
    const OwnList again = parseOwnList(written);
    FUZZ_REQUIRE(ownListBytes(again) == written);
    for (const std::string& line : again.lines)
        FUZZ_REQUIRE(line.find('\n') == std::string::npos);
}

} // namespace

// Every reader of outside bytes, one line each: the name (the fuzz target is
// fuzz_<name>, its seeds are in corpus/<name>/), the executions of the test
// suite's quick run, where the bytes are put for the reader under a fresh folder
// ("" hands them over in memory), and the reading. tests/fuzz/CMakeLists.txt
// makes a target and its tests of each line. A reader that promises nothing
// but to survive takes a lambda, for instance
//     {"some_file", 10000, "pc/DATA/SOME.DAT", [](const Input& in) { readSomeFile(in.file); }},
const Reader Readers[] = {
    {"data_line", 40000, "", readDataLine},
    {"data_file", 7000, "pc/DATA/SPA14000.DAT", readDataFile},
    {"praise_file", 8000, "pc/DATA/SpOM9005.LOV", readPraiseFile},
    {"catalogue_list", 8000, "pc/DATA/datfiler.spa", readCatalogueList},
    {"path_ini", 15000, "config/lingvaro/Parlan.Ini", readPathIni},
    {"settings_ini", 10000, "pc/PROGRAM/LINGVARO.INI", readSettingsIni},
    {"diagnosis_file", 5000, "pc/RESULTAT/SPANDIAG.DIA", readDiagnosisFile},
    {"teacher_password", 10000, "cd/DATA/SPA45444.DOT", readTeacherPassword},
    {"level_file", 5000, "pc/RESULTAT/XACTO.STE", readLevelFile},
    {"record_table", 5000, "pc/REKORD/SPA1001.TNR", readRecordTable},
    {"word_list", 10000, "", readWordList},
    {"own_list", 10000, "", readOwnList},
};

const Reader* findReader(std::string_view name)
{
    for (const Reader& r : Readers)
        if (name == r.name)
            return &r;
    return nullptr;
}

} // namespace lingvaro::fuzz
