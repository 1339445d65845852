#include "engine/engine.h"

#include "engine/cp1252.h"
#include "engine/paths.h"
#include "engine/textfile.h"

#include <chrono>
#include <fstream>

namespace lingvaro {

Engine::Engine()
{
    DrawCounters.fill(1);
    PraiseDrawCounters.fill(1);
    WordDrawCounters.fill(1);
    for (int i = 1; i <= PoolSize; ++i)
        RandomPool[i] = i;
}

void Engine::setPlatform(MessageSink* messages, TextMeasurer* measurer, SoundPlayer* sound)
{
    messages_ = messages ? messages : &silent_;
    measurer_ = measurer ? measurer : &silent_;
    sound_ = sound ? sound : &silent_;
}

bool Engine::Start(const PlatformDirs& dirs)
{
    CdPath.clear();
    CorrectionPass = false;
    CatalogueIndex = 1;
    QuestionNo = 1;
    WorkMode = lingvaro::WorkMode::Practice;
    ReadPathIni(dirs);
    // A list the program brings that the hard disk has not got yet (a newer
    // program on an older installation) is put beside the others.
    copyMissingWordLists(CdPath, PcPath);
    if (!BuildDataCatalogue())
        return false;
    BuildPraiseCatalogue();
    CountPictures();
    Random.seed(uint32_t(std::chrono::system_clock::now().time_since_epoch().count()));
    WindowRandom.seed(Random());
    ResetDrawState(1, PoolSize);
    return true;
}

std::filesystem::path Engine::locate(const QString& relative) const
{
    if (auto found = paths::find(PcPath, relative))
        return *found;
    if (auto found = paths::find(CdPath, relative))
        return *found;
    return paths::place(CdPath, relative);
}

std::optional<std::filesystem::path> Engine::findContentFile(const QString& relative) const
{
    if (auto found = paths::find(PcPath, relative))
        return found;
    return paths::find(CdPath, relative);
}

std::optional<std::string> readFileBytes(const std::filesystem::path& file)
{
    std::error_code ec;
    if (file.empty() || !std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        bytes.append(chunk, std::size_t(in.gcount()));
    if (in.bad())
        return std::nullopt;
    return bytes;
}

} // namespace lingvaro
