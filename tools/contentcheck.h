#pragma once
// Checks a content installation: what a window would fail on, found before a pupil does.

#include <QString>
#include <QStringList>
#include <filesystem>

namespace lingvaro {

// One line per problem, in a stable order; empty when the installation is sound.
QStringList checkInstallation(const std::filesystem::path& base);

// A plain line is text when it holds no control characters and no byte the
// code page leaves undefined.
bool isPlainText(std::string_view line);

} // namespace lingvaro
