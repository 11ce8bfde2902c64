// Any bytes as an options text, with the same bytes as the definition text.

#include <string_view>

#include "platform/job.h"
#include "settings/options_file.h"
#include "split_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> lines = splitLines(data, size);
    sprig::Settings settings;
    sprig::SilentJob job;
    int errorRow = 0;
    sprig::ReadOptions(lines, lines, settings, errorRow, job);
    return 0;
}
