#include "contentmap/pictures.h"
#include "contentmap/text.h"

#include <cstdio>
#include <set>

namespace lingvaro::pictures {
namespace {

struct BodyPicture {
    int exerciseNo;
    const char* file;
    int markers;
};

// The seven drawings of the naming exercises and their numbered markers.
constexpr BodyPicture bodyPictures[] = {
    {13110, "KROPPEN.BMP", 18}, {13120, "HUVUDET.BMP", 12}, {13130, "HALS.BMP", 10},
    {13140, "NJURE.BMP", 11},   {13150, "MAGE.BMP", 13},    {13160, "MUN.BMP", 11},
    {13170, "SKELETT.BMP", 14},
};

const BodyPicture* bodyOf(int n)
{
    for (const BodyPicture& b : bodyPictures)
        if (b.exerciseNo == n)
            return &b;
    return nullptr;
}

bool isPlants(int n) { return n >= 13210 && n <= 13240 && n % 10 == 0; }
bool isAnimals(int n) { return n >= 13310 && n <= 13350 && n % 10 == 0; }

struct Call {
    int question;
    const char* file;
};

// The birds of the birds exercise that have a call, by their place in its
// alphabetical list.
constexpr Call calls[] = {
    {1, "BERGUV.WAV"},  {3, "BLAMES.WAV"},   {4, "BOFINK.WAV"},    {7, "SV_FLUGS.WAV"},  {10, "GOK.WAV"},
    {13, "KATTUGGL.WAV"}, {15, "KOLTRAST.WAV"}, {16, "KORP.WAV"},  {17, "KRAKA.WAV"},    {22, "RODHAKE.WAV"},
    {25, "SKATA.WAV"},  {26, "SPILLKRA.WAV"}, {28, "SANGLARK.WAV"}, {30, "TALGOXE.WAV"}, {32, "TOFSVIPA.WAV"},
};

// A field (code page 1252) in a message (UTF-8); the few letters of 0x80..0x9F
// do not occur in names of plants and animals and are shown as "?".
std::string shownUtf8(const std::string& cp1252)
{
    std::string out;
    for (unsigned char c : cp1252) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0xA0) {
            out += '?';
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool hasArticle(const std::string& s)
{
    for (const char* article : {"el ", "la ", "los ", "las "})
        if (s.rfind(article, 0) == 0 && s.size() > std::string(article).size())
            return true;
    return false;
}

} // namespace

std::string bodyPicture(int exerciseNo)
{
    const BodyPicture* b = bodyOf(exerciseNo);
    return b ? std::string("\\BILD\\KROPP\\") + b->file : std::string();
}

int bodyMarkers(int exerciseNo)
{
    const BodyPicture* b = bodyOf(exerciseNo);
    return b ? b->markers : 0;
}

std::string questionPicture(int exerciseNo, int questionNo)
{
    if (questionNo < 1 || questionNo > 99 || !(isPlants(exerciseNo) || isAnimals(exerciseNo)))
        return {};
    char name[40];
    std::snprintf(name, sizeof name, "\\BILD\\%s\\T%s%d%02d.BMP", isPlants(exerciseNo) ? "VAXTER" : "DJUR",
                  isPlants(exerciseNo) ? "214" : "215", exerciseNo / 10 % 10, questionNo);
    return name;
}

std::string birdCall(int exerciseNo, int questionNo)
{
    if (exerciseNo != BirdsExercise)
        return {};
    for (const Call& c : calls)
        if (c.question == questionNo)
            return c.file;
    return {};
}

std::vector<std::string> namingFiles(int exerciseNo)
{
    const std::string picture = bodyPicture(exerciseNo);
    return picture.empty() ? std::vector<std::string>{} : std::vector<std::string>{picture};
}

std::vector<std::string> vocabularyFiles(int exerciseNo)
{
    std::vector<std::string> files;
    if (exerciseNo == BirdsExercise)
        for (const Call& c : calls)
            files.push_back(std::string("\\LJUD\\BIRDS\\") + c.file);
    return files;
}

std::vector<std::string> vocabularyQuestionFiles(int exerciseNo, int questionNo)
{
    const std::string picture = questionPicture(exerciseNo, questionNo);
    return picture.empty() ? std::vector<std::string>{} : std::vector<std::string>{picture};
}

std::vector<std::string> namingLineProblems(const std::vector<std::string>& fields, int exerciseNo)
{
    std::vector<std::string> problems;
    const std::string question = fields.size() > 1 ? trimmedSpaces(fields[1]) : std::string();
    if (question.empty())
        problems.push_back("frågan saknas");
    if (fields.size() < 3 || trimmedSpaces(fields[2]).empty())
        problems.push_back("svaret saknas");
    // "nr 7 – armbågen": the number points at a marker of the picture.
    int marker = 0;
    if (std::sscanf(question.c_str(), "nr %d", &marker) != 1)
        problems.push_back("frågan börjar inte med bildens nummer (\"nr 7 – ...\")");
    else if (marker < 1 || marker > bodyMarkers(exerciseNo))
        problems.push_back("bilden har ingen markering nr " + std::to_string(marker));
    return problems;
}

std::vector<std::string> vocabularyLineProblems(const std::vector<std::string>& fields, int)
{
    std::vector<std::string> problems;
    auto field = [&](std::size_t f) { return f < fields.size() ? trimmedSpaces(fields[f]) : std::string(); };
    int count = 0;
    while (count < 3 && !field(std::size_t(count) + 1).empty())
        ++count;
    if (count < 2)
        problems.push_back("färre än två svarsalternativ");
    std::set<std::string> seen;
    for (int f = 1; f <= count; ++f) {
        const std::string alternative = field(std::size_t(f));
        if (!seen.insert(alternative).second)
            problems.push_back("svarsalternativet \"" + shownUtf8(alternative) + "\" står två gånger");
        if (!hasArticle(alternative))
            problems.push_back("svarsalternativet \"" + shownUtf8(alternative) + "\" saknar artikel (el, la, los, las)");
    }
    for (std::size_t f = 5; f < fields.size(); ++f)
        if (!field(f).empty()) {
            problems.push_back("fält " + std::to_string(f) + " visas inte (bara tre svar och ett svenskt ord)");
            break;
        }
    return problems;
}

} // namespace lingvaro::pictures
