#include "platform/text_lines.h"

#include "platform/byte_file.h"
#include "platform/line_parts.h"

namespace sprig {

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

SpacelessLine withoutSpaces(std::string_view written)
{
    std::string_view line = written.substr(0, kMaxLineLength);
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    SpacelessLine out;
    out.text.reserve(line.size());
    out.at.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ' ') continue;
        out.text.push_back(line[i]);
        out.at.push_back(i);
    }
    return out;
}

std::string prepareLine(std::string_view line) { return withoutSpaces(line).text; }

Result readTextLines(const std::string& path, std::vector<std::string>& lines)
{
    InFile in;
    if (!in.open(path)) return {kIoError, in.failure()};
    std::string text;
    for (int c = in.get(); c != kEof; c = in.get()) text.push_back(static_cast<char>(c));
    if (in.failed()) return {kIoError, in.failure()};
    lines = splitLines(text);
    return kDone;
}

}  // namespace sprig
