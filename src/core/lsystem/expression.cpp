#include "core/lsystem/expression.h"

#include <algorithm>

#include "core/lsystem/expression_number.h"
#include "core/lsystem/expression_operations.h"
#include "core/lsystem/expression_text.h"
#include "core/lsystem/parentheses.h"
#include "platform/fixed_format.h"

namespace sprig {

namespace {

// The one- and two-character spellings an operator pair is rewritten to,
// or 0 when text[i], text[i + 1] is no such pair.
char pairCode(const std::string& text, std::size_t i)
{
    if (i + 1 >= text.size()) return 0;
    const char first = text[i];
    const char second = text[i + 1];
    if (second == '=') {
        switch (first) {
        case '=': return '=';
        case '!': return '#';
        case '<': return '~';
        case '>': return '@';
        default: return 0;
        }
    }
    if (first == second && (first == '&' || first == '|')) return first;
    return 0;
}

// Splitting at the rightmost operator of the loosest level present and
// evaluating the left side before the right one is the same as cutting the
// text at every operator of that level and folding the parts from the left;
// the evaluator folds, so a long chain costs no recursion.
//
// Texts the language leaves open fail here: an operator without a unary
// meaning at the very start of a text ("*3", "=3", "&3"), and a '!' that is
// not the first character of its text ("2!3", "!!1"). A ')' without its '('
// fails once all groups of the span have been evaluated.
class TextEvaluator {
public:
    TextEvaluator(const ParamBinding& params, RandomSource& random) : params_(params), random_(random) {}

    EvalResult span(std::string_view text);
    EvalResult plain(std::string_view text);

private:
    bool lookup(std::string_view text, float& value) const;
    EvalResult substituteGroups(std::string_view text, std::string& working);
    EvalResult chain(std::string_view text, int level);
    EvalResult logicalNot(std::string_view text);
    EvalResult function(std::string_view text);

    const ParamBinding& params_;
    RandomSource& random_;
};

int loosestLevel(std::string_view text)
{
    int level = -1;
    for (char c : text) level = std::max(level, operatorLevel(c));
    return level;
}

// Position of the first operator of level at or after from, or text.size().
std::size_t nextOperator(std::string_view text, int level, std::size_t from)
{
    while (from < text.size() && operatorLevel(text[from]) != level) ++from;
    return from;
}

bool TextEvaluator::lookup(std::string_view text, float& value) const
{
    if (text.size() != 1) return false;
    const int index = findParam(params_.names, text[0]);
    if (index < 0) return false;
    value = params_.values[index];
    return true;
}

EvalResult TextEvaluator::span(std::string_view text)
{
    if (text.find_first_of("()") == std::string_view::npos) return plain(text);
    if (text.size() > kMaxExpressionText) return fail();
    float value = 0.0f;
    if (lookup(text, value)) return succeed(value);
    std::string working;
    const EvalResult groups = substituteGroups(text, working);
    if (!groups.ok) return groups;
    return plain(working);
}

EvalResult TextEvaluator::substituteGroups(std::string_view text, std::string& working)
{
    bool strayClose = false;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = text.find('(', pos);
        const std::string_view before = text.substr(pos, open == std::string_view::npos ? open : open - pos);
        strayClose = strayClose || before.find(')') != std::string_view::npos;
        working.append(before);
        if (open == std::string_view::npos) break;
        const std::size_t close = matchingParen(text, open);
        if (close == std::string_view::npos) return fail();
        const EvalResult inner = span(text.substr(open + 1, close - open - 1));
        if (!inner.ok) return inner;
        appendFixed(working, inner.value);
        pos = close + 1;
    }
    return strayClose ? fail() : succeed(0.0f);
}

EvalResult TextEvaluator::plain(std::string_view text)
{
    if (text.empty()) return succeed(1.0f);
    if (text.size() > kMaxExpressionText) return fail();
    if (isNumberText(text)) return numberValue(readNumber(text));
    float value = 0.0f;
    if (lookup(text, value)) return succeed(value);
    const int level = loosestLevel(text);
    if (level < 0) return function(text);
    if (level == kNotLevel) return logicalNot(text);
    return chain(text, level);
}

EvalResult TextEvaluator::chain(std::string_view text, int level)
{
    std::size_t pos = nextOperator(text, level, 0);
    EvalResult acc;
    if (pos == 0) {
        if (level != kSignLevel) return fail();
        const std::size_t next = nextOperator(text, level, 1);
        acc = plain(text.substr(1, next - 1));
        if (acc.ok) acc.value = applyUnary(text[0], acc.value);
        pos = next;
    } else {
        acc = plain(text.substr(0, pos));
    }
    while (acc.ok && pos < text.size()) {
        const std::size_t next = nextOperator(text, level, pos + 1);
        const EvalResult right = plain(text.substr(pos + 1, next - pos - 1));
        if (!right.ok) return right;
        acc = applyBinary(text[pos], acc.value, right.value);
        pos = next;
    }
    return acc;
}

EvalResult TextEvaluator::logicalNot(std::string_view text)
{
    if (text.rfind('!') != 0) return fail();
    EvalResult operand = plain(text.substr(1));
    if (operand.ok) operand.value = applyUnary('!', operand.value);
    return operand;
}

EvalResult TextEvaluator::function(std::string_view text)
{
    const FunctionMatch match = matchFunction(text);
    if (match.function == Function::None) return failUnknownWord();
    const std::optional<float> argument = readNumber(text.substr(match.nameLength));
    if (!argument) return fail();
    return applyFunction(match.function, *argument, random_);
}

}  // namespace

int findParam(std::string_view names, char c)
{
    const std::size_t index = names.find(c);
    return index == std::string_view::npos ? -1 : static_cast<int>(index);
}

void NormalizeExpression(std::string& text)
{
    std::erase(text, ' ');
    std::size_t out = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char code = pairCode(text, i);
        if (code != 0) {
            text[out++] = code;
            ++i;
        } else {
            text[out++] = text[i] == '-' ? '?' : text[i];
        }
    }
    text.resize(out);
}

EvalResult EvaluateExpression(std::string_view text, const ParamBinding& params, RandomSource& random)
{
    return TextEvaluator(params, random).span(text);
}

EvalResult evaluatePlainExpression(std::string_view text, const ParamBinding& params, RandomSource& random)
{
    return TextEvaluator(params, random).plain(text);
}

}  // namespace sprig
