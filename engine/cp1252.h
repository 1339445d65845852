#pragma once
// Content text is 8-bit Windows code page 1252. It is kept as bytes in
// std::string from the file to the split fields, and converted to Unicode only
// where it is shown, typed, or used as a file name on this system.

#include <QString>
#include <string>
#include <string_view>

namespace lingvaro {

QString fromCp1252(std::string_view bytes);
// Characters the code page cannot hold become "?".
std::string toCp1252(const QString& text);
// Upper-casing as the locale does it, letters with diacritics included
// (å→Å, ñ→Ñ, é→É, ü→Ü, ÿ→Ÿ); bytes without a one-byte upper case stay.
unsigned char upperCp1252(unsigned char c);
std::string upperCp1252(std::string_view text);
// A file name or path from content, as this system spells it (UTF-8).
std::string cp1252ToUtf8(std::string_view bytes);

} // namespace lingvaro
