#pragma once
// A production made ready for the symbol loop: its expressions compiled once
// per parse and its successor split into literal text and computed
// parameter lists.

#include <string>
#include <vector>

#include "core/lsystem/compiled_expression.h"
#include "core/lsystem/lsystem.h"

namespace sprig {

class OutFile;

// An argument of a successor's parameter list. `text` holds its "%f" once
// and for all when every evaluation gives the same value and that value can
// be written; otherwise it is computed at every application.
struct SuccessorArgument {
    CompiledExpression expression;
    std::string text;
};

// Literal successor text followed, when `hasList` is set, by a parameter list.
struct SuccessorPiece {
    std::string literal;
    bool hasList = false;
    std::vector<SuccessorArgument> arguments;
};

struct PreparedProduction {
    const Production* rule = nullptr;
    // Parameter-name counts of each context symbol, in written order.
    std::vector<int> leftParamCounts;
    std::vector<int> rightParamCounts;
    bool erases = false;           // the successor "*"
    bool successorBroken = false;  // a parameter list without its ")"
    CompiledExpression condition;
    CompiledExpression probabilityAlone;  // with no parameters bound
    CompiledExpression probabilityBound;  // with the formal parameters bound
    std::vector<SuccessorPiece> successor;
};

PreparedProduction prepareProduction(const Production& rule);

// Writes the successor with parameters bound to values. False when an
// argument cannot be evaluated or its value is not finite.
bool writeSuccessor(const PreparedProduction& p, const float* values, RandomSource& random, OutFile& out);

}  // namespace sprig
