#include "core/lsystem/keyword_lines.h"

#include <array>

#include "platform/fixed_format.h"

namespace sprig {

namespace {

int lineError(ParseReport& report, const char* detail)
{
    report.ErrorDetail = detail;
    return kDefinitionLineError;
}

}  // namespace

const Keyword* keywordOf(std::string_view line)
{
    static constexpr std::array<Keyword, 5> kKeywords{{
        {"axiom", readAxiomLine},
        {"ignore", readIgnoreLine},
        {"define", readDefineLine},
        {"default", readDefaultLine},
        {"angle", readAngleLine},
    }};
    for (const Keyword& keyword : kKeywords)
        if (line.starts_with(keyword.word)) return &keyword;
    return nullptr;
}

int readAxiomLine(std::string_view rest, LSystem& model, ParseReport& report)
{
    if (rest.empty()) return lineError(report, "Axiom musí obsahovať aspoň 1 symbol");
    model.axiom = rest;
    return kDone;
}

int readIgnoreLine(std::string_view rest, LSystem& model, ParseReport& report)
{
    if (rest.empty()) return lineError(report, "Za ignore musí nasledovať aspoň 1 symbol");
    if (rest.size() > kMaxIgnoreSymbols) return lineError(report, "Za ignore môže nasledovať max. 99 symbolov");
    model.ignoreSet = std::string(rest) + "[]";
    return kDone;
}

int readDefineLine(std::string_view rest, LSystem& model, ParseReport& report)
{
    const std::size_t equals = rest.find('=');
    if (equals == std::string_view::npos) return lineError(report, "Riadok musí obsahovať znak '='");
    if (equals + 1 == rest.size()) return lineError(report, "Chýba číselná hodnota konštanty");
    if (equals == 0) return lineError(report, "Chýba názov konštanty");
    model.constants.push_back({std::string(rest.substr(0, equals)), std::string(rest.substr(equals + 1))});
    return kDone;
}

int readDefaultLine(std::string_view rest, LSystem& model, ParseReport&)
{
    if (rest.size() < 2 || rest[1] != '(' || rest.back() != ')') return kDefinitionLineError;
    model.defaults.emplace_back(rest);
    return kDone;
}

int readAngleLine(std::string_view rest, LSystem& model, ParseReport& report)
{
    if (rest.empty()) return lineError(report, "Za angle chýba číselná hodnota");
    float angle = 0.0f;
    if (!readLeadingNumber(rest, angle, true)) return lineError(report, "Chybný zápis číselnej hodnoty");
    model.angle = angle;
    model.angleGiven = true;
    return kDone;
}

}  // namespace sprig
