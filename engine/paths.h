#pragma once
// Content paths are written the Windows way ("\DATA\SPA14000.DAT", "\BILD\SPA0007.BMP",
// a rule page "R261190.htm " with a trailing space). Every existence test, open and
// listing joins them to a base directory of this system here: "\" and "/" both
// separate, each name is matched without regard to letter case, trailing spaces
// of a name are ignored.

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lingvaro::paths {

namespace fs = std::filesystem;

// The existing file or directory that base + relative names, if there is one.
std::optional<fs::path> find(const fs::path& base, const QString& relative);
inline bool exists(const fs::path& base, const QString& relative) { return find(base, relative).has_value(); }

// Where base + relative is or would be: existing directories along the way are
// matched as find() does, the rest is taken as written. For files to create.
fs::path place(const fs::path& base, const QString& relative);

// Names in the directory base + relativeDir matching a "*"/"?" pattern without
// regard to case, in directory order. Empty when the directory does not exist.
std::vector<fs::path> list(const fs::path& base, const QString& relativeDir, const QString& pattern);

// base + relative as shown to a person, with this system's separator.
QString display(const std::string& base, const QString& relative);

// The name of a directory entry as text: UTF-8 when it is valid UTF-8, otherwise
// read as code page 1252 (names copied byte for byte from an old medium).
QString entryName(const fs::path& entry);

bool wildcardMatch(const QString& name, const QString& pattern);

} // namespace lingvaro::paths
