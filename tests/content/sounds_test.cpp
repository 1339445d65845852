// The speech the build makes for the bundled installation: a sound for every
// question of every exercise that speaks, no sound left over, each a WAV the
// program can play (16-bit mono PCM at 22050 Hz) of a length that fits what it
// says.

#include "contentmap/dictation.h"
#include "contentmap/duel.h"
#include "contentmap/menutree.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "engine/textfile.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace lingvaro;
namespace fs = std::filesystem;

namespace {

struct WavFormat {
    int format = 0, channels = 0, rate = 0, bits = 0;
    double seconds = 0;
};

// The format of a RIFF WAVE file, from its "fmt " and "data" chunks.
std::optional<WavFormat> wavFormat(const fs::path& file)
{
    const auto bytes = readFileBytes(file);
    if (!bytes || bytes->size() < 12 || bytes->compare(0, 4, "RIFF") != 0 || bytes->compare(8, 4, "WAVE") != 0)
        return std::nullopt;
    auto u16 = [&](std::size_t at) { return int((unsigned char)(*bytes)[at]) | int((unsigned char)(*bytes)[at + 1]) << 8; };
    auto u32 = [&](std::size_t at) { return unsigned(u16(at)) | unsigned(u16(at + 2)) << 16; };
    WavFormat w;
    unsigned dataBytes = 0;
    for (std::size_t at = 12; at + 8 <= bytes->size();) {
        const std::string id = bytes->substr(at, 4);
        const unsigned size = u32(at + 4);
        if (id == "fmt " && at + 24 <= bytes->size()) {
            w.format = u16(at + 8);
            w.channels = u16(at + 10);
            w.rate = int(u32(at + 12));
            w.bits = u16(at + 22);
        } else if (id == "data") {
            dataBytes = std::min<unsigned>(size, unsigned(bytes->size() - at - 8));
        }
        at += 8 + size + (size & 1);
    }
    if (w.rate > 0 && w.channels > 0 && w.bits > 0)
        w.seconds = double(dataBytes) / (w.rate * w.channels * w.bits / 8);
    return w;
}

// The first field of every question of a data file of the installation.
std::vector<std::string> questions(const fs::path& base, const std::string& name)
{
    std::vector<std::string> out;
    const auto file = paths::find(base, "\\DATA\\" + fromCp1252(name));
    EXPECT_TRUE(file) << name;
    if (!file)
        return out;
    forEachLine(*file, [&](std::string_view line) {
        if (!line.empty() && line[0] != ';' && line[0] != '$') {
            Engine e;
            e.str_postarray(std::string(line));
            out.push_back(e.AnswerFields[1]);
        }
        return true;
    });
    return out;
}

TEST(BundledSounds, EveryQuestionThatSpeaksHasItsSound)
{
    const fs::path base(LINGVARO_STAGED_CONTENT);
    std::map<std::string, std::set<std::string>> wanted; // folder → file names
    int count = 0;
    for (const MenuDef& menu : menuTree())
        for (const MenuItem& item : menu.items) {
            const std::string window = item.opens;
            if (!item.dataFile || (window != "TDiktam" && window != "TFalska"))
                continue;
            const std::string name = toCp1252(QString::fromUtf8(item.dataFile));
            const int n = Engine::GeProgramtal(name);
            const auto lines = questions(base, name);
            for (std::size_t q = 1; q <= lines.size(); ++q) {
                const auto [folder, file] = window == "TDiktam" ? dictation::questionSound(n, int(q))
                                                                : duel::questionSound(n, int(q));
                if (file.empty())
                    continue;
                wanted[folder].insert(file);
                ++count;
                const auto wav = paths::find(base, fromCp1252("\\LJUD\\" + folder + "\\" + file));
                ASSERT_TRUE(wav) << folder << "/" << file << " (" << name << " question " << q << ")";
                const auto format = wavFormat(*wav);
                ASSERT_TRUE(format) << wav->native();
                EXPECT_EQ(format->format, 1) << wav->native();
                EXPECT_EQ(format->channels, 1) << wav->native();
                EXPECT_EQ(format->rate, 22050) << wav->native();
                EXPECT_EQ(format->bits, 16) << wav->native();
                // Long enough to be said, short enough to be no garbled run-on:
                // about a tenth of a second a letter, a good half second a digit
                // (a number is said in words), a letter alone by its name.
                int letters = 0, digits = 0;
                for (unsigned char c : lines[q - 1])
                    (std::isdigit(c) ? digits : letters) += 1;
                EXPECT_GE(format->seconds, 0.3) << wav->native();
                EXPECT_LE(format->seconds, 1.5 + 0.15 * letters + 0.7 * digits) << wav->native() << " " << lines[q - 1];
            }
        }
    // Some four hundred sounds, and none that no question plays.
    EXPECT_GT(count, 350);
    int present = 0;
    for (const auto& [folder, files] : wanted)
        for (const auto& wav : paths::list(base, fromCp1252("\\LJUD\\" + folder), "*.WAV")) {
            ++present;
            EXPECT_TRUE(files.count(toCp1252(paths::entryName(wav)))) << wav.native() << " belongs to no question";
        }
    EXPECT_EQ(present, count);
}

} // namespace
