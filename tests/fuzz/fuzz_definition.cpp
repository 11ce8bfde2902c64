// Any bytes as a definition text, parsed in both modes.

#include "core/lsystem/definition_parser.h"
#include "platform/random_source.h"
#include "settings/settings.h"
#include "split_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> lines = splitLines(data, size);
    const sprig::Settings settings;
    for (sprig::ParseMode mode : {sprig::ParseMode::Rules, sprig::ParseMode::Homomorphism}) {
        sprig::LcgRandom random;
        sprig::LSystem model;
        sprig::ParseReport report;
        sprig::ParseLSystem(lines, mode, settings, random, model, report);
    }
    return 0;
}
