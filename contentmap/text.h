#pragma once
// Small text helpers the content map's line rules share.

#include <string>
#include <string_view>

namespace lingvaro {

// The text without the spaces at either end (other white space is kept: in a
// data line it is part of the text).
inline std::string trimmedSpaces(std::string_view s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

} // namespace lingvaro
