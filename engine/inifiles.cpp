// The path file "Parlan.Ini", the settings file "\PROGRAM\LINGVARO.INI" and the
// first start, which sets up a per-user installation.

#include "engine/engine.h"
#include "engine/durablefile.h"
#include "engine/paths.h"

#include <QFile>
#include <QSaveFile>

// Built as Debian's library is, whose compiled code we link.
#define SI_CONVERT_ICU
#include <SimpleIni.h>
#include <cerrno>
#include <sys/stat.h>
#include <system_error>

namespace lingvaro {
namespace fs = std::filesystem;
namespace {

constexpr const char* PathIniName = "Parlan.Ini";

// Windows' INI rules: section and key names without regard to case, values as
// written ("C:\Lingvaro" stays as it is).
using Ini = CSimpleIniA;

bool load(Ini& ini, const fs::path& file)
{
    ini.SetUnicode(false);
    ini.SetMultiKey(false);
    return ini.LoadFile(file.c_str()) == SI_OK;
}

std::string withoutTrailingSeparator(std::string s)
{
    if (!s.empty() && (s.back() == '\\' || s.back() == '/'))
        s.pop_back();
    return s;
}

} // namespace

void copyMissingWordLists(const fs::path& from, const fs::path& pc)
{
    // Each list goes in under a scratch name and takes its own name only when
    // whole, so that a start cut short never leaves half a list behind.
    std::error_code ec;
    const auto data = paths::find(pc, u"DATA"_qs);
    if (from.empty() || !data || fs::equivalent(from, pc, ec))
        return;
    for (const char* pattern : {"*.sp1", "*.sp2"}) {
        for (const auto& list : paths::list(from, u"\\DATA"_qs, QString::fromLatin1(pattern))) {
            if (paths::exists(*data, paths::entryName(list)))
                continue;
            const fs::path scratch = *data / (list.filename().native() + ".part");
            if (fs::copy_file(list, scratch, fs::copy_options::overwrite_existing, ec)
                && nothingAt(*data / list.filename()))
                fs::rename(scratch, *data / list.filename(), ec);
            fs::remove(scratch, ec);
        }
    }
}

namespace {

std::optional<fs::path> findPathIni(const std::vector<fs::path>& configDirs)
{
    for (const auto& dir : configDirs)
        if (auto f = paths::find(dir, "lingvaro/Parlan.Ini"))
            return f;
    return std::nullopt;
}

// The per-user hard-disk installation: its folders, and the word lists of the
// bundled installation.
fs::path makeUserInstallation(const PlatformDirs& dirs)
{
    std::error_code ec;
    const fs::path pc = dirs.userDataDir / "lingvaro";
    for (const char* sub : {"DATA", "Eget", "RESULTAT", "PROGRAM"})
        fs::create_directories(paths::place(pc, QString::fromLatin1(sub)), ec);
    copyMissingWordLists(dirs.bundledContent, pc);
    return pc;
}

// The first start: a per-user hard-disk installation beside the bundled
// installation, which serves as the read-only medium.
std::optional<fs::path> setUpFirstInstallation(const PlatformDirs& dirs)
{
    std::error_code ec;
    if (dirs.bundledContent.empty() || !fs::is_directory(dirs.bundledContent, ec))
        return std::nullopt;
    const fs::path pc = makeUserInstallation(dirs);
    Ini ini;
    ini.SetUnicode(false);
    ini.SetValue("Path", "ParlanoCDPath", fs::absolute(dirs.bundledContent, ec).lexically_normal().c_str());
    ini.SetValue("Path", "ParlanoPCPath", pc.c_str());
    ini.SetValue("Path", "ParlanoScoreDirectory", "");
    ini.SetValue("Path", "ParlanoDiagnosPath", "");
    ini.SetValue("Path", "ParlanoOwnPath", "");
    const fs::path file = dirs.userConfigDir / "lingvaro" / PathIniName;
    fs::create_directories(file.parent_path(), ec);
    if (ini.SaveFile(file.c_str()) != SI_OK)
        return std::nullopt;
    return file;
}

} // namespace

void Engine::ReadPathIni(const PlatformDirs& dirs)
{
    auto file = findPathIni(dirs.configDirs);
    pathIniFile = file.value_or(fs::path());
    if (!file)
        file = setUpFirstInstallation(dirs);
    Ini ini;
    if (file)
        load(ini, *file);
    // Paths are directories of this system and are not cut to the old 80
    // characters: a deeper folder would otherwise silently become another one.
    CdPath = ini.GetValue("Path", "ParlanoCDPath", "");
    PcPath = ini.GetValue("Path", "ParlanoPCPath", "");
    if (PcPath.empty() && file && !dirs.userDataDir.empty()) {
        // Without a hard-disk installation the settings, the diagnoses and the
        // own lists would land wherever the program happened to be started.
        // The per-user installation of the first start serves instead.
        PcPath = makeUserInstallation(dirs).native();
        inform(QStringLiteral("I filen ") + QFile::decodeName(file->c_str())
               + QStringLiteral(" saknar ParlanoPCPath ett värde. Inställningar, diagnoser och egna ordlistor "
                                "sparas därför i katalogen ")
               + QFile::decodeName(PcPath.c_str()) + QStringLiteral("."));
    }
    ScoreDir = ini.GetValue("Path", "ParlanoScoreDirectory", "");
    if (!ScoreDir.empty() && ScoreDir.back() != '\\' && ScoreDir.back() != '/')
        ScoreDir += '/';
    DiagnosisDir = withoutTrailingSeparator(ini.GetValue("Path", "ParlanoDiagnosPath", ""));
    if (DiagnosisDir.empty())
        DiagnosisDir = paths::place(PcPath, u"RESULTAT"_qs).native();
    OwnDir = withoutTrailingSeparator(ini.GetValue("Path", "ParlanoOwnPath", ""));
    if (OwnDir.empty())
        OwnDir = paths::place(PcPath, u"Eget"_qs).native();
}

void Engine::HaemtaTyskaINI()
{
    auto file = paths::find(PcPath, "\\PROGRAM\\LINGVARO.INI");
    if (!file)
        file = paths::find(CdPath, "\\PROGRAM\\LINGVARO.INI");
    Ini ini;
    if (!file || !load(ini, *file)) {
        AnswerShowSeconds = 3;
        SoundMode = 1;
        PictureMode = 1;
        return;
    }
    const std::string seconds = ini.GetValue("SETTINGS", "TIMESHOWINGCORRECTANSWER", "");
    if (seconds.empty())
        AnswerShowSeconds = 3;
    else if (seconds[0] >= '0' && seconds[0] <= '9')
        AnswerShowSeconds = seconds[0] - '0';
    // A mode is 0 off, 1 on, 2 off and locked, 3 on and locked. "0" is read as
    // off: the settings window saves it when a pupil switches something off.
    auto mode = [&](const char* key) -> uint8_t {
        const std::string v = ini.GetValue("SETTINGS", key, "1");
        return (!v.empty() && v[0] >= '0' && v[0] <= '3') ? uint8_t(v[0] - '0') : 1;
    };
    SoundMode = mode("SOUNDS");
    PictureMode = mode("SPAINPICTURES");
}

bool Engine::WriteSettingsIni()
{
    std::error_code ec;
    const fs::path file = paths::place(PcPath, u"\\PROGRAM\\LINGVARO.INI"_qs);
    const QString shown = QFile::decodeName(file.c_str());
    const QString stays = QStringLiteral(" De nya inställningarna gäller tills programmet avslutas.");
    fs::create_directories(file.parent_path(), ec);
    Ini ini;
    // Whatever else a teacher wrote there is kept; a file that is there but
    // cannot be read is left alone rather than replaced by the three values.
    struct stat st;
    const bool there = ::stat(file.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
    if (there && !load(ini, file)) {
        fail(QStringLiteral("Filen ") + shown + QStringLiteral(" finns men kan inte läsas, så inställningarna sparas inte.")
             + stays);
        return false;
    }
    ini.SetValue("SETTINGS", "TIMESHOWINGCORRECTANSWER", std::to_string(AnswerShowSeconds).c_str());
    ini.SetValue("SETTINGS", "SOUNDS", std::to_string(SoundMode).c_str());
    ini.SetValue("SETTINGS", "SPAINPICTURES", std::to_string(PictureMode).c_str());
    std::string text;
    // Replaced in one step: a crash or a full disk leaves the old file whole.
    QSaveFile out(shown);
    const bool written = ini.Save(text) == SI_OK && out.open(QIODevice::WriteOnly)
                         && out.write(text.data(), qint64(text.size())) == qint64(text.size()) && out.commit();
    if (!written) {
        fail(QStringLiteral("Inställningarna kunde inte sparas i filen ") + shown + QStringLiteral(".") + stays);
        return false;
    }
    return true;
}

} // namespace lingvaro
