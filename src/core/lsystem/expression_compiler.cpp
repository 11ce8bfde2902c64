// Builds the node tree of an expression by walking its text the way the text
// evaluator does. Everything that decides the evaluator's path is known from
// the text alone, except where a group's "%f" value is glued to other
// characters so that together they read as one number or function argument
// ("2(3)" reads as 23, "SIN5(x)" takes 5 followed by x's digits); such a part
// is kept as text and evaluated as text once its groups have values.

#include <algorithm>

#include "core/lsystem/expression_number.h"
#include "core/lsystem/expression_program.h"
#include "core/lsystem/expression_text.h"
#include "core/lsystem/parentheses.h"
#include "platform/fixed_format.h"

namespace sprig {

namespace {

using Template = std::vector<Piece>;

struct Segment {
    char code = 0;  // the operator in front of the segment; 0 for the first
    Template parts;
};

bool isLiteral(const Piece& piece) { return piece.slot == Piece::kLiteral; }

class Compiler {
public:
    explicit Compiler(Program& program) : program_(program) {}

    std::uint32_t span(std::uint32_t offset, std::uint32_t length);

private:
    std::string_view literal(const Piece& piece) const
    {
        return std::string_view(program_.source).substr(piece.offset, piece.length);
    }
    template <typename Test>
    bool anyLiteralChar(const Template& pieces, Test test) const;

    std::uint32_t add(const Node& node);
    std::uint32_t constant(float value) { return add({NodeKind::Constant, 0, Function::None, value}); }
    std::uint32_t failure(float value) { return add({NodeKind::Failure, 0, Function::None, value}); }
    // A number too large for a float fails.
    std::uint32_t number(std::optional<float> value) { return value ? constant(*value) : failure(0.0f); }
    std::uint32_t parameter(int index)
    {
        return add({NodeKind::Parameter, 0, Function::None, 0.0f, std::uint32_t(index)});
    }
    std::uint32_t slotNode(NodeKind kind, std::uint32_t slot) { return add({kind, 0, Function::None, 0.0f, slot}); }

    std::uint32_t groups(std::uint32_t offset, std::uint32_t length);
    std::uint32_t plainText(std::uint32_t offset, std::uint32_t length);
    std::uint32_t plainNode(const Template& pieces);
    std::uint32_t chain(const Template& pieces, int level);
    std::uint32_t logicalNot(const Template& pieces);
    std::uint32_t call(const Template& pieces);
    std::uint32_t substitute(const Template& pieces);

    int loosestLevel(const Template& pieces) const;
    std::vector<Segment> split(const Template& pieces, int level) const;
    std::uint32_t matchingParen(std::uint32_t open, std::uint32_t end) const;

    Program& program_;
};

std::uint32_t Compiler::add(const Node& node)
{
    program_.nodes.push_back(node);
    return static_cast<std::uint32_t>(program_.nodes.size() - 1);
}

template <typename Test>
bool Compiler::anyLiteralChar(const Template& pieces, Test test) const
{
    return std::any_of(pieces.begin(), pieces.end(), [&](const Piece& piece) {
        const std::string_view text = literal(piece);
        return isLiteral(piece) && std::any_of(text.begin(), text.end(), test);
    });
}

std::uint32_t Compiler::span(std::uint32_t offset, std::uint32_t length)
{
    const std::string_view text = std::string_view(program_.source).substr(offset, length);
    if (text.find_first_of("()") == std::string_view::npos) return plainText(offset, length);
    if (length > kMaxExpressionText) return failure(0.0f);
    const int param = length == 1 ? findParam(program_.names, text[0]) : -1;
    if (param >= 0) return parameter(param);
    return groups(offset, length);
}

std::uint32_t Compiler::plainText(std::uint32_t offset, std::uint32_t length)
{
    if (length > kMaxExpressionText) return failure(0.0f);
    Template whole;
    if (length > 0) whole.push_back({Piece::kLiteral, offset, length});
    return plainNode(whole);
}

std::uint32_t Compiler::matchingParen(std::uint32_t open, std::uint32_t end) const
{
    const std::size_t close = sprig::matchingParen(std::string_view(program_.source).substr(0, end), open);
    return close == std::string_view::npos ? end : static_cast<std::uint32_t>(close);
}

// A span with parentheses: its groups are evaluated left to right into
// slots, then the text they leave behind.
std::uint32_t Compiler::groups(std::uint32_t offset, std::uint32_t length)
{
    const std::string& src = program_.source;
    const std::uint32_t end = offset + length;
    Template pieces;
    std::vector<std::uint32_t> children;
    bool broken = false;
    std::uint32_t literalLength = 0;
    for (std::uint32_t pos = offset;;) {
        std::uint32_t open = pos;
        while (open < end && src[open] != '(') ++open;
        broken = broken || std::find(src.begin() + pos, src.begin() + open, ')') != src.begin() + open;
        if (open > pos) pieces.push_back({Piece::kLiteral, pos, open - pos});
        literalLength += open - pos;
        if (open == end) break;
        const std::uint32_t close = matchingParen(open, end);
        if (close == end) {
            broken = true;
            break;
        }
        children.push_back(span(open + 1, close - open - 1));
        pieces.push_back({std::uint32_t(children.size() - 1)});
        pos = close + 1;
    }
    const auto first = static_cast<std::uint32_t>(program_.groups.size());
    program_.groups.insert(program_.groups.end(), children.begin(), children.end());
    for (Piece& piece : pieces) {
        if (!isLiteral(piece)) piece.slot += first;
    }
    const bool mayOverflow = literalLength + kFixedTextMax * children.size() > kMaxExpressionText;
    const std::uint32_t body = broken ? failure(0.0f) : mayOverflow ? substitute(pieces) : plainNode(pieces);
    return add({NodeKind::Scope, 0, Function::None, 0.0f, first, std::uint32_t(children.size()), body});
}

// A text without parentheses, given as source characters and group slots.
std::uint32_t Compiler::plainNode(const Template& pieces)
{
    if (pieces.empty()) return constant(1.0f);
    if (!anyLiteralChar(pieces, [](char c) { return !isNumberChar(c); })) {
        if (pieces.size() == 1 && isLiteral(pieces[0])) return number(readNumber(literal(pieces[0])));
        if (pieces.size() == 1) return slotNode(NodeKind::GroupText, pieces[0].slot);
        return substitute(pieces);
    }
    if (pieces.size() == 1 && isLiteral(pieces[0]) && pieces[0].length == 1) {
        const int param = findParam(program_.names, literal(pieces[0])[0]);
        if (param >= 0) return parameter(param);
    }
    const int level = loosestLevel(pieces);
    if (level < 0) return call(pieces);
    if (level == kNotLevel) return logicalNot(pieces);
    return chain(pieces, level);
}

int Compiler::loosestLevel(const Template& pieces) const
{
    int level = -1;
    for (const Piece& piece : pieces) {
        if (!isLiteral(piece)) continue;
        for (char c : literal(piece)) level = std::max(level, operatorLevel(c));
    }
    return level;
}

std::vector<Segment> Compiler::split(const Template& pieces, int level) const
{
    std::vector<Segment> segments(1);
    for (const Piece& piece : pieces) {
        if (!isLiteral(piece)) {
            segments.back().parts.push_back(piece);
            continue;
        }
        std::uint32_t start = piece.offset;
        const std::uint32_t end = piece.offset + piece.length;
        for (std::uint32_t i = start; i < end; ++i) {
            const char c = program_.source[i];
            if (operatorLevel(c) != level) continue;
            if (i > start) segments.back().parts.push_back({Piece::kLiteral, start, i - start});
            segments.push_back({c, {}});
            start = i + 1;
        }
        if (end > start) segments.back().parts.push_back({Piece::kLiteral, start, end - start});
    }
    return segments;
}

std::uint32_t Compiler::chain(const Template& pieces, int level)
{
    const std::vector<Segment> segments = split(pieces, level);
    const bool leadingOperator = segments[0].parts.empty();
    if (leadingOperator && level != kSignLevel) return failure(0.0f);
    std::vector<Link> links;
    for (std::size_t k = leadingOperator ? 1 : 0; k < segments.size(); ++k) {
        links.push_back({segments[k].code, plainNode(segments[k].parts)});
    }
    const auto first = static_cast<std::uint32_t>(program_.links.size());
    program_.links.insert(program_.links.end(), links.begin(), links.end());
    const char unary = leadingOperator ? segments[1].code : 0;
    return add({NodeKind::Chain, unary, Function::None, 0.0f, first, std::uint32_t(links.size())});
}

std::uint32_t Compiler::logicalNot(const Template& pieces)
{
    std::ptrdiff_t count = 0;
    for (const Piece& piece : pieces) {
        if (isLiteral(piece)) count += std::ranges::count(literal(piece), '!');
    }
    const bool leading = isLiteral(pieces[0]) && literal(pieces[0])[0] == '!';
    if (count != 1 || !leading) return failure(0.0f);
    Template rest = pieces;
    if (rest[0].length == 1) {
        rest.erase(rest.begin());
    } else {
        ++rest[0].offset;
        --rest[0].length;
    }
    return add({NodeKind::Not, 0, Function::None, 0.0f, plainNode(rest)});
}

// A text without operators: a function name followed by its argument.
std::uint32_t Compiler::call(const Template& pieces)
{
    if (!isLiteral(pieces[0])) return failure(1.0f);
    const std::string_view head = literal(pieces[0]);
    const FunctionMatch match = matchFunction(head);
    if (match.function == Function::None) return failure(1.0f);
    const std::string_view rest = head.substr(match.nameLength);
    std::uint32_t argument = 0;
    if (pieces.size() == 1) {
        const std::optional<float> value = readNumber(rest);
        if (!value) return failure(0.0f);
        argument = constant(*value);
    } else if (rest.empty() && (pieces.size() == 2 || (isLiteral(pieces[2]) && !isDigit(literal(pieces[2])[0])))) {
        argument = slotNode(NodeKind::GroupNumber, pieces[1].slot);
    } else {
        return substitute(pieces);
    }
    return add({NodeKind::Call, 0, match.function, 0.0f, argument});
}

std::uint32_t Compiler::substitute(const Template& pieces)
{
    const auto first = static_cast<std::uint32_t>(program_.pieces.size());
    program_.pieces.insert(program_.pieces.end(), pieces.begin(), pieces.end());
    return add({NodeKind::Substitute, 0, Function::None, 0.0f, first, std::uint32_t(pieces.size())});
}

}  // namespace

Program compileProgram(std::string_view text, std::string_view names)
{
    Program program;
    program.source = text;
    program.names = names;
    if (text.size() > kMaxExpressionText) {
        program.nodes.push_back({NodeKind::Failure});
        return program;
    }
    program.root = Compiler(program).span(0, static_cast<std::uint32_t>(text.size()));
    return program;
}

}  // namespace sprig
