#include "engine/engine.h"

#include <QStandardPaths>
#include <QStringList>

namespace lingvaro {

PlatformDirs systemDirs(const std::filesystem::path& executableDir)
{
    PlatformDirs dirs;
    // The user's XDG config folder, then the system-wide ones (/etc/xdg) for a
    // school-wide setting.
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        dirs.configDirs.emplace_back(d.toStdString());
    dirs.userConfigDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    dirs.userDataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    // bin/lingvaro beside share/lingvaro, in the build tree as when installed.
    dirs.bundledContent = (executableDir / ".." / "share" / "lingvaro").lexically_normal();
    return dirs;
}

} // namespace lingvaro
