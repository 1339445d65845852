// The catalogue of data and praise files, reading and fetching question lines,
// the error list, scrambling and splitting of lines.

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "engine/textfile.h"

#include <algorithm>

namespace lingvaro {
namespace {

constexpr std::size_t NameLength = 12;
constexpr std::size_t HeaderLength = 80;

bool hasExtension(std::string_view line, std::string_view ext)
{
    const auto dot = line.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    std::string_view e = line.substr(dot);
    while (!e.empty() && (e.back() == ' ' || e.back() == '\t'))
        e.remove_suffix(1);
    return upperCp1252(e) == ext;
}

QString dataPath(std::string_view name)
{
    return "\\DATA\\" + fromCp1252(name);
}

// A question line: neither blank, nor a comment, nor a header line.
bool isQuestion(std::string_view line)
{
    return !line.empty() && line[0] != ';' && line[0] != '$';
}

QString notFound(const QString& name)
{
    return "Filen " + name + " finns inte eller är felaktig";
}

} // namespace

bool Engine::BuildDataCatalogue()
{
    DataFileCount = 0;
    PraiseFileCount = 0;
    std::optional<std::string> list;
    if (auto f = paths::find(PcPath, "\\DATA\\datfiler.spa"))
        list = readFileBytes(*f);
    else if (auto g = paths::find(CdPath, "\\DATA\\datfiler.spa"))
        list = readFileBytes(*g);

    if (list) {
        LineWalker lines(*list);
        std::string_view line;
        while (lines.next(line)) {
            if (hasExtension(line, ".DAT") && DataFileCount < CatalogueSlots)
                DataFileCatalogue[++DataFileCount] = cut(line, NameLength);
            else if (hasExtension(line, ".LOV") && PraiseFileCount < PraiseSlots)
                PraiseFileCatalogue[++PraiseFileCount] = cut(line, NameLength);
        }
        return true;
    }

    const auto names = scanData("SP*.DAT");
    if (!names)
        return false;
    for (const auto& name : *names) {
        if (DataFileCount >= CatalogueSlots)
            break;
        DataFileCatalogue[++DataFileCount] = cut(name, NameLength);
    }
    return true;
}

std::optional<std::vector<std::string>> Engine::scanData(const QString& pattern)
{
    // PcPath's DATA folder, else CdPath's; the names sorted by byte value.
    std::filesystem::path base = PcPath;
    if (!paths::find(base, "\\DATA")) {
        base = CdPath;
        if (!paths::find(base, "\\DATA")) {
            warn("Kan inte hitta katalogen " + paths::display(CdPath, "\\DATA"));
            return std::nullopt;
        }
    }
    std::vector<std::string> names;
    for (const auto& entry : paths::list(base, "\\DATA", pattern))
        names.push_back(toCp1252(paths::entryName(entry)));
    std::sort(names.begin(), names.end());
    return names;
}

void Engine::BuildPraiseCatalogue()
{
    if (PraiseFileCount != 0)
        return;
    const auto names = scanData("SpOM*.LOV");
    if (!names)
        return;
    for (const auto& name : *names) {
        if (PraiseFileCount >= PraiseSlots)
            break;
        PraiseFileCatalogue[++PraiseFileCount] = cut(name, NameLength);
    }
}

bool Engine::Kolla(const std::string& name)
{
    bool result = true;
    CatalogueIndex = 1;
    for (int i = 1; i <= 3; ++i)
        HeaderLines[i].clear();
    HeaderInstruction.clear();
    HeaderNote.clear();

    const std::string wanted = upperCp1252(name);
    while (CatalogueIndex < CatalogueSlots && wanted != upperCp1252(DataFileCatalogue[CatalogueIndex]))
        ++CatalogueIndex;

    if (QuestionCounts[CatalogueIndex] != 0) {
        ordantal(name, CatalogueIndex, false, 0);
    } else {
        ordantal(name, CatalogueIndex, true, 0);
        if (QuestionCounts[CatalogueIndex] == 0) {
            result = false;
            fail(notFound(fromCp1252(DataFileName)));
        }
    }
    return result;
}

bool Engine::Kolla2(const std::string& name)
{
    DataFileName = name;
    if (readFileBytes(locate(dataPath(name))))
        return true;
    fail(notFound(fromCp1252(DataFileName)));
    return false;
}

void Engine::readHeaderLine(const std::string& line, int& headingSlot)
{
    if (line.size() >= 2 && line[1] == '%') {
        HeaderNote = cut(std::string_view(line).substr(2), HeaderLength);
    } else if (line.size() >= 2 && line[1] == char(0xA7)) { // "$§"
        HeaderInstruction = cut(std::string_view(line).substr(2), HeaderLength);
    } else {
        // A "$" alone is an empty heading line: it still takes its place.
        HeaderLines[std::min(headingSlot, 3)] = cut(std::string_view(line).substr(1), HeaderLength);
        ++headingSlot;
    }
}

bool Engine::ordantalFile(const std::filesystem::path& file, int slot, bool countMode, int kind)
{
    int headingSlot = 1;
    int seen = 0;
    return forEachLine(file, [&](std::string_view line) {
        if (!countMode && ++seen > 6)
            return false;
        if (line.empty())
            return true;
        if (line[0] == '$') {
            readHeaderLine(std::string(line), headingSlot);
        } else if (countMode && line[0] != ';') {
            if (kind == 0)
                ++QuestionCounts[slot];
            else
                ++PraiseLineCounts[slot];
        }
        return true;
    });
}

void Engine::ordantal(const std::string& name, int slot, bool countMode, int kind)
{
    if (name.empty() || !ordantalFile(locate(dataPath(name)), slot, countMode, kind))
        fail(notFound(fromCp1252(name)));
}

bool Engine::haemtaordFile(const std::filesystem::path& file, int n)
{
    // Stops right after question n; with fewer questions the file's last line stays.
    int i = 1;
    return forEachLine(file, [&](std::string_view line) {
        if (i > n)
            return false;
        CurrentLine.assign(line);
        if (isQuestion(line))
            ++i;
        return i <= n;
    });
}

void Engine::haemtaord(const std::string& name, int n)
{
    const QString sub = (ExerciseNo == 1003 || ExerciseNo == 1004) ? u"\\Eget\\"_qs : u"\\DATA\\"_qs;
    if (!haemtaordFile(locate(sub + fromCp1252(name)), n)) {
        fail("Varken filen " + paths::display(CdPath, dataPath(name)) + " eller filen "
             + paths::display(PcPath, dataPath(name)) + " kunde öppnas");
    }
}

int Engine::usedErrorEntries() const
{
    int used = 0;
    while (used < ErrorListSize && ErrorList[used + 1].question != 0)
        ++used;
    return used;
}

void Engine::haemtafel(const std::string& name, ErrorOp op)
{
    const int used = usedErrorEntries();
    auto firstOfSlot = [&]() {
        for (int i = 1; i <= used; ++i)
            if (ErrorList[i].slot == CatalogueIndex)
                return i;
        return 0;
    };

    switch (op) {
    case ErrorOp::FetchFirst: {
        if (ErrorCounts[CatalogueIndex] <= 0)
            return;
        const int at = firstOfSlot();
        if (at == 0)
            return;
        ErrorQuestionNo = ErrorList[at].question;
        if (ErrorQuestionNo > 0 && ErrorQuestionNo <= QuestionCounts[CatalogueIndex]) {
            if (!haemtaordFile(locate(dataPath(name)), ErrorQuestionNo))
                fail(notFound(paths::display(CdPath, dataPath(name))));
        }
        return;
    }
    case ErrorOp::RemoveFirst: {
        // Nothing of this file in the list: nothing is removed and the count
        // stays, so counts always equal the entries they count.
        const int at = firstOfSlot();
        if (at == 0)
            return;
        for (int i = at; i < used; ++i)
            ErrorList[i] = ErrorList[i + 1];
        ErrorList[used] = ErrorEntry{};
        if (ErrorCounts[CatalogueIndex] > 0)
            --ErrorCounts[CatalogueIndex];
        return;
    }
    case ErrorOp::MoveToBack: {
        const int at = firstOfSlot();
        if (at == 0)
            return;
        const ErrorEntry taken = ErrorList[at];
        for (int i = at; i < used; ++i)
            ErrorList[i] = ErrorList[i + 1];
        ErrorList[used] = taken;
        return;
    }
    case ErrorOp::Store: {
        // Question 0 is no question (an empty file's draw); it would read as a free entry.
        if (QuestionNo == 0)
            return;
        int free = used + 1;
        if (used == ErrorListSize) {
            if (ErrorCounts[ErrorList[1].slot] > 0)
                --ErrorCounts[ErrorList[1].slot];
            for (int i = 1; i < ErrorListSize; ++i)
                ErrorList[i] = ErrorList[i + 1];
            free = ErrorListSize;
        }
        ErrorList[free] = ErrorEntry{QuestionNo, CatalogueIndex};
        if (ErrorCounts[CatalogueIndex] < ErrorListSize)
            ++ErrorCounts[CatalogueIndex];
        return;
    }
    }
}

namespace {

unsigned char scrambleKey(std::size_t position) // 1-based
{
    return (unsigned char)(position % 2 == 1 ? position / 2 + 10 : position / 2 + 8);
}

void transform(std::string& s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = (unsigned char)s[i];
        const unsigned char x = c ^ scrambleKey(i + 1);
        // A result below 32 would be a control character in the stored line,
        // so the character is kept as it is, even where that cannot be undone.
        if (x >= 32)
            s[i] = char(x);
    }
}

} // namespace

std::string Engine::dekryptrad(std::string_view line)
{
    if (line.empty() || line[0] != ')')
        return std::string(line);
    std::string s(line);
    transform(s);
    return s.substr(1);
}

std::string Engine::kryptrad(std::string_view line)
{
    if (!line.empty() && (line[0] == ';' || line[0] == '$' || line[0] == '#' || line[0] == ')'))
        return std::string(line);
    return scramble(line);
}

std::string Engine::scramble(std::string_view line)
{
    std::string s;
    s.reserve(line.size() + 1);
    s.push_back('#');
    s.append(line);
    transform(s);
    return s;
}

void Engine::str_postarray(const std::string& line)
{
    MarkedCount = 0;
    for (int i = 1; i <= FieldCount; ++i)
        AnswerFields[i].clear();

    // Unscrambled first: a stored line may end in "#" or hold "##" by chance of
    // the scrambling, and those are not separators of the plain text.
    std::string plain = dekryptrad(line);
    if (plain.size() > 1) {
        while (plain.size() > 1 && plain.back() == '#')
            plain.pop_back();
        if (plain == "#")
            return;
        const auto doubled = plain.find("##");
        if (doubled != std::string::npos)
            plain.erase(doubled, 1);
    }

    int field = 1;
    bool marked = false;
    std::string current;
    auto dropLeadingSpaces = [](std::string& text) {
        const auto start = text.find_first_not_of(' ');
        text.erase(0, start == std::string::npos ? text.size() : start);
    };
    auto finish = [&](std::string& text) {
        dropLeadingSpaces(text);
        if (!text.empty() && text[0] == '&') {
            // "& meses" is the alternative "meses": the lamp compares what is
            // typed with the field's beginning.
            text.erase(0, 1);
            dropLeadingSpaces(text);
            marked = true;
        }
        if (marked)
            ++MarkedCount;
    };
    for (std::size_t g = 0; g <= plain.size(); ++g) {
        const bool end = g == plain.size();
        if (!end && (plain[g] != '#' || field == FieldCount)) {
            if (plain[g] != '#')
                current.push_back(plain[g]);
            continue;
        }
        finish(current);
        AnswerFields[field] = current;
        current.clear();
        if (end)
            break;
        ++field;
    }
}

uint16_t Engine::GeProgramtal(std::string_view name)
{
    const auto dot = name.find('.');
    std::string_view stem = name.substr(0, dot);
    std::size_t start = stem.size();
    while (start > 0 && stem[start - 1] >= '0' && stem[start - 1] <= '9')
        --start;
    // Kept in 16 bits as the stored exercise number is.
    uint32_t value = 0;
    for (std::size_t i = start; i < stem.size(); ++i)
        value = (value * 10 + uint32_t(stem[i] - '0')) & 0xFFFF;
    return uint16_t(value);
}

} // namespace lingvaro
