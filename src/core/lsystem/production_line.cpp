#include "core/lsystem/production_line.h"

#include "core/lsystem/context_split.h"
#include "core/lsystem/expression.h"

namespace sprig {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The first c of the whole line, counted only when it stands before limit.
std::size_t firstBefore(std::string_view line, char c, std::size_t limit)
{
    const std::size_t at = line.find(c);
    return at < limit ? at : npos;
}

int readContext(std::string_view text, std::string& context, std::vector<ContextSymbol>& symbols, int& symbolCount,
                int& paramCount, bool& parametric)
{
    context = text;
    if (text.find('(') != npos) parametric = true;
    if (int code = splitContext(text, symbols, paramCount)) return code;
    symbolCount = static_cast<int>(symbols.size());
    return kDone;
}

// Reads the predecessor and its parameter list from head, the text between
// the start of the predecessor and the condition or arrow; returns the
// number of characters used, or npos.
std::size_t readPredecessor(std::string_view head, Production& rule, bool& parametric)
{
    if (head.empty()) return npos;
    rule.predecessor = head[0];
    if (head.size() < 2 || head[1] != '(') return 1;
    const std::size_t close = readParamNames(head, 1, rule.predecessorParams);
    if (close == npos) return npos;
    rule.predecessorParamCount = static_cast<int>(rule.predecessorParams.size());
    parametric = true;
    return close + 1;
}

// rest is everything after "->".
int readProbabilityAndSuccessor(std::string_view rest, RandomSource& random, Production& rule)
{
    if (rest.empty() || rest[0] != '(') {
        rule.successor = rest;
        return kDone;
    }
    const std::size_t close = rest.find(')');
    if (close == npos) return kIoError;
    const std::string_view text = rest.substr(1, close - 1);
    const EvalResult result = EvaluateExpression(text, ParamBinding{}, random);
    if (result.ok) {
        if (result.value > 1.0f) return kIoError;
        rule.probability = result.value;
    } else {
        rule.probabilityIsConstant = false;
        rule.probabilityText = text;
    }
    rule.successor = rest.substr(close + 1);
    return kDone;
}

}  // namespace

int parseProductionLine(std::string_view line, RandomSource& random, Production& rule, bool& parametric,
                        RulePieces& pieces)
{
    const std::size_t arrow = line.find("->", 1);
    // A rule without its arrow is reported as kOutOfMemory, whose message
    // also names a syntax error in the definition.
    if (arrow == npos) return kOutOfMemory;
    pieces.arrow = arrow;
    const std::size_t colon = firstBefore(line, ':', arrow);
    const std::size_t headEnd = colon != npos ? colon : arrow;
    const std::size_t less = firstBefore(line, '<', headEnd);

    std::size_t at = 1;
    if (less != npos) {
        if (int code = readContext(line.substr(1, less - 1), rule.leftContext, rule.leftSymbols, rule.leftSymbolCount,
                                   rule.leftParamCount, parametric))
            return code;
        rule.leftContextLength = static_cast<int>(rule.leftContext.size());
        pieces.less = less;
        at = less + 1;
    }
    const std::size_t used = readPredecessor(line.substr(at, headEnd - at), rule, parametric);
    if (used == npos) return kIoError;
    pieces.predecessor = at;
    at += used;
    if (line[at] == '>') {
        if (int code = readContext(line.substr(at + 1, headEnd - at - 1), rule.rightContext, rule.rightSymbols,
                                   rule.rightSymbolCount, rule.rightParamCount, parametric))
            return code;
        rule.rightContextLength = static_cast<int>(rule.rightContext.size());
        pieces.greater = at;
        at = headEnd;
    }
    pieces.headEnd = at;
    if (colon != npos && at == colon) {
        rule.hasCondition = true;
        rule.condition = line.substr(colon + 1, arrow - colon - 1);
        pieces.colon = colon;
    }
    if (int code = readProbabilityAndSuccessor(line.substr(arrow + 2), random, rule)) return code;
    pieces.successor = line.size() - rule.successor.size();
    return kDone;
}

}  // namespace sprig
