#pragma once
// Parsing a definition given as lines, for the parser tests.

#include <string>
#include <vector>

#include "core/lsystem/definition_parser.h"
#include "platform/random_source.h"
#include "settings/settings.h"

namespace sprig::testing {

struct Parsed {
    int code = -1;
    LSystem model;
    ParseReport report;
};

inline Parsed parseLines(const std::vector<std::string>& lines, ParseMode mode = ParseMode::Rules,
                         const Settings& settings = Settings{})
{
    Parsed parsed;
    LcgRandom random;
    parsed.code = ParseLSystem(lines, mode, settings, random, parsed.model, parsed.report);
    return parsed;
}

// The successors of the parsed rules, in rule order.
inline std::vector<std::string> successors(const LSystem& model)
{
    std::vector<std::string> out;
    for (const Production& rule : model.productions) out.push_back(rule.successor);
    return out;
}

}  // namespace sprig::testing
