#pragma once
// Whole-file reading of the installation's text files, line by line as bytes.

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lingvaro {

// The file's bytes, or nothing when it is not a readable regular file.
std::optional<std::string> readFileBytes(const std::filesystem::path& file);

// Calls onLine(std::string_view) for each line of the file until it returns
// false; the same line ends as LineWalker. False when the file cannot be read.
template <class OnLine>
bool forEachLine(const std::filesystem::path& file, OnLine onLine);

// Walks the lines of a text: a line ends at LF, and one CR before the LF is
// part of the line end. Every other byte, CR included, belongs to the line.
class LineWalker {
public:
    explicit LineWalker(std::string_view text) : text_(text) {}
    bool next(std::string_view& line)
    {
        if (pos_ >= text_.size())
            return false;
        std::size_t end = text_.find('\n', pos_);
        std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        std::size_t lineEnd = stop;
        if (end != std::string_view::npos && lineEnd > pos_ && text_[lineEnd - 1] == '\r')
            --lineEnd;
        line = text_.substr(pos_, lineEnd - pos_);
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

template <class OnLine>
bool forEachLine(const std::filesystem::path& file, OnLine onLine)
{
    std::error_code ec;
    if (file.empty() || !std::filesystem::is_regular_file(file, ec))
        return false;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r' && !in.eof())
            line.pop_back();
        if (!onLine(std::string_view(line)))
            break;
    }
    return !in.bad();
}

} // namespace lingvaro
