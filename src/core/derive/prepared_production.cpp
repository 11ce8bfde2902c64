#include "core/derive/prepared_production.h"

#include <cmath>

#include "platform/byte_file.h"
#include "platform/fixed_format.h"
#include "platform/random_source.h"

namespace sprig {

namespace {

std::vector<int> paramCounts(const std::vector<ContextSymbol>& symbols)
{
    std::vector<int> counts;
    counts.reserve(symbols.size());
    for (const ContextSymbol& s : symbols) counts.push_back(static_cast<int>(s.size()) - 1);
    return counts;
}

CompiledExpression compileNormalized(std::string text, const std::string& names)
{
    NormalizeExpression(text);
    return CompiledExpression::compile(text, names);
}

// Splits the argument texts of the list whose "(" stands before `pos`: an
// argument ends at any ",", or where the depth returns to 0. Returns the
// position after the ")", or npos when the text ends first.
std::size_t splitArguments(const std::string& text, std::size_t pos, std::vector<std::string>& args)
{
    int depth = 1;
    std::string current;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '(') ++depth;
        else if (c == ')') --depth;
        if (c == ',' || depth == 0) {
            args.push_back(current);
            current.clear();
            if (depth == 0) return pos + 1;
        } else {
            current.push_back(c);
        }
    }
    return std::string::npos;
}

SuccessorArgument prepareArgument(const std::string& text, const std::string& names)
{
    SuccessorArgument argument{compileNormalized(text, names), {}};
    if (!argument.expression.isFixed()) return argument;
    LcgRandom undrawn;  // a fixed expression draws nothing and reads no value
    const EvalResult r = argument.expression.evaluate(nullptr, undrawn);
    if (r.ok && std::isfinite(r.value)) argument.text = formatFixed(r.value);
    return argument;
}

void prepareSuccessor(PreparedProduction& p)
{
    const std::string& text = p.rule->successor;
    SuccessorPiece piece;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos++];
        piece.literal.push_back(c);
        if (c != '(') continue;
        std::vector<std::string> args;
        pos = splitArguments(text, pos, args);
        if (pos == std::string::npos) {
            p.successorBroken = true;
            return;
        }
        piece.literal.pop_back();
        piece.hasList = true;
        for (const std::string& a : args) piece.arguments.push_back(prepareArgument(a, p.rule->formalParams));
        p.successor.push_back(std::move(piece));
        piece = SuccessorPiece{};
    }
    if (!piece.literal.empty()) p.successor.push_back(std::move(piece));
}

}  // namespace

PreparedProduction prepareProduction(const Production& rule)
{
    PreparedProduction p;
    p.rule = &rule;
    p.leftParamCounts = paramCounts(rule.leftSymbols);
    p.rightParamCounts = paramCounts(rule.rightSymbols);
    p.erases = rule.successor == "*";
    if (rule.hasCondition) p.condition = compileNormalized(rule.condition, rule.formalParams);
    if (!rule.probabilityIsConstant) {
        p.probabilityAlone = CompiledExpression::compile(rule.probabilityText, "");
        p.probabilityBound = CompiledExpression::compile(rule.probabilityText, rule.formalParams);
    }
    if (!p.erases) prepareSuccessor(p);
    return p;
}

bool writeSuccessor(const PreparedProduction& p, const float* values, RandomSource& random, OutFile& out)
{
    if (p.successorBroken) return false;
    for (const SuccessorPiece& piece : p.successor) {
        out.write(piece.literal);
        if (!piece.hasList) continue;
        char separator = '(';
        for (const SuccessorArgument& arg : piece.arguments) {
            out.put(separator);
            separator = ',';
            if (!arg.text.empty()) {
                out.write(arg.text);
                continue;
            }
            const EvalResult r = arg.expression.evaluate(values, random);
            // A value beyond the float range would be written as "inf" or
            // "nan", which no later step and no drawing can read.
            if (!r.ok || !std::isfinite(r.value)) return false;
            out.writeFixed(r.value);
        }
        out.put(')');
    }
    return true;
}

}  // namespace sprig
