// Any bytes as a definition text, parsed in both modes; each line inspected
// for the views, which must refuse a line exactly when the parser does.

#include <cstdlib>

#include "core/lsystem/definition_line.h"
#include "core/lsystem/definition_parser.h"
#include "line_parts_check.h"
#include "platform/random_source.h"
#include "settings/settings.h"
#include "split_lines.h"

namespace {

// A line alone fails the parse by what the line loop refuses; a repeated
// parameter name (kSyntaxError) is found only once the rule is built.
void checkAgreement(const std::string& line, const sprig::Settings& settings)
{
    const sprig::DefinitionLine inspected = sprig::inspectDefinitionLine(line);
    checkLineParts(inspected.parts, line);
    sprig::LcgRandom random;
    sprig::LSystem model;
    sprig::ParseReport report;
    const int code = sprig::ParseLSystem({line}, sprig::ParseMode::Rules, settings, random, model, report);
    const bool refused = code != sprig::kDone && code != sprig::kSyntaxError;
    if (refused != hasPart(inspected.parts, sprig::DefinitionPart::Error)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> lines = splitLines(data, size);
    const sprig::Settings settings;
    for (sprig::ParseMode mode : {sprig::ParseMode::Rules, sprig::ParseMode::Homomorphism}) {
        sprig::LcgRandom random;
        sprig::LSystem model;
        sprig::ParseReport report;
        // Any outcome is fine here; only a crash or a sanitizer report is not.
        static_cast<void>(sprig::ParseLSystem(lines, mode, settings, random, model, report));
    }
    for (const std::string& line : lines) checkAgreement(line, settings);
    return 0;
}
