// Any bytes as an options text, with the same bytes as the definition text;
// each line inspected for the view, whose marks must agree with its verdict.

#include <cstdlib>

#include "line_parts_check.h"
#include "platform/job.h"
#include "settings/option_line.h"
#include "settings/options_file.h"
#include "split_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> lines = splitLines(data, size);
    sprig::Settings settings;
    sprig::SilentJob job;
    int errorRow = 0;
    // Any outcome is fine here; only a crash or a sanitizer report is not.
    static_cast<void>(sprig::ReadOptions(lines, lines, settings, errorRow, job));
    for (const std::string& line : lines) {
        const sprig::OptionLine inspected = sprig::inspectOptionLine(line);
        checkLineParts(inspected.parts, line);
        if (inspected.problem.empty() == hasPart(inspected.parts, sprig::OptionPart::Error)) std::abort();
    }
    return 0;
}
