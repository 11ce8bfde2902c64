#pragma once
// The prepared form of one expression: a tree of nodes that mirrors, step by
// step, what the text evaluator does with the same text, so both give the
// same values, failures and RND draws.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/lsystem/expression.h"
#include "core/lsystem/expression_operations.h"

namespace sprig {

class RandomSource;

enum class NodeKind : unsigned char {
    Constant,     // value
    Parameter,    // values[a]
    Failure,      // fails with value
    GroupText,    // a text that is exactly group slot a's "%f" value
    GroupNumber,  // a function argument read from group slot a's "%f" value
    Call,         // function applied to node a
    Not,          // '!' applied to node a
    Chain,        // links a .. a+b folded from the left; code: leading unary operator or 0
    Scope,        // evaluate groups a .. a+b into their slots, then node c
    Substitute,   // pieces a .. a+b written out and evaluated as text
};

struct Node {
    NodeKind kind = NodeKind::Constant;
    char code = 0;
    Function function = Function::None;
    float value = 0.0f;
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    std::uint32_t c = 0;
};

// One operand of a chain and the operator in front of it.
struct Link {
    char code = 0;
    std::uint32_t node = 0;
};

// A part of the text that remains once a span's groups have values: either
// source characters or the "%f" text of a group slot.
struct Piece {
    static constexpr std::uint32_t kLiteral = UINT32_MAX;
    std::uint32_t slot = kLiteral;
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

struct Program {
    std::string source;
    std::string names;
    std::vector<Node> nodes;
    std::vector<Link> links;
    std::vector<Piece> pieces;
    std::vector<std::uint32_t> groups;  // root node of each group; its index is its slot
    std::uint32_t root = 0;
};

Program compileProgram(std::string_view text, std::string_view names);

// values holds one value per name; slots one float per entry of groups.
EvalResult runProgram(const Program& program, const float* values, float* slots, RandomSource& random);

}  // namespace sprig
