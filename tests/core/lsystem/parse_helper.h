#pragma once
// Parsing a definition given as lines, for the parser tests.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/lsystem/definition_parser.h"
#include "platform/fixed_format.h"
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

// The text fields of a rule on one line; the counts must agree with them.
inline std::string describe(const Production& r)
{
    EXPECT_EQ(r.leftContextLength, static_cast<int>(r.leftContext.size()));
    EXPECT_EQ(r.rightContextLength, static_cast<int>(r.rightContext.size()));
    EXPECT_EQ(r.leftSymbolCount, static_cast<int>(r.leftSymbols.size()));
    EXPECT_EQ(r.rightSymbolCount, static_cast<int>(r.rightSymbols.size()));
    EXPECT_EQ(r.predecessorParamCount, static_cast<int>(r.predecessorParams.size()));
    EXPECT_EQ(r.formalParamCount, static_cast<int>(r.formalParams.size()));
    std::string text = "left=" + r.leftContext + " pred=" + r.predecessor + " params=" + r.predecessorParams +
                       " right=" + r.rightContext;
    text += r.hasCondition ? " cond=" + r.condition : " nocond";
    text += r.probabilityIsConstant ? " p=" + formatFixed(r.probability) : " ptext=" + r.probabilityText;
    return text + " succ=" + r.successor + " formal=" + r.formalParams;
}

}  // namespace sprig::testing
