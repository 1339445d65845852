#pragma once
// Checks a content installation: what a window would fail on, found before a pupil does.

#include <QString>
#include <QStringList>
#include <filesystem>

namespace lingvaro {

// One line per problem, in a stable order; empty when the installation is sound.
// With windowNeeds, also every file that a window the program has needs.
QStringList checkInstallation(const std::filesystem::path& base, bool windowNeeds = true);

// A plain line is text when it holds no control characters and no byte the
// code page leaves undefined.
bool isPlainText(std::string_view line);

} // namespace lingvaro
