#pragma once
// One line of the definition text split into the parts the parser reads in
// it, for showing the text: the parser's own keyword readers and rule
// splitter decide, so what is shown is what a step reads.

#include <string>
#include <string_view>
#include <vector>

#include "platform/line_parts.h"

namespace sprig {

enum class DefinitionPart {
    Comment,        // a line that is none of the others
    Keyword,        // axiom, ignore, define, default, angle, homomorphism
    Value,          // what follows ignore, define, default or angle
    RuleMark,       // the '#' of a rule
    Context,        // a left or right context
    ContextMark,    // '<' or '>'
    Predecessor,    // the symbol the rule rewrites
    Parameters,     // the predecessor's formal parameter list
    ConditionMark,  // ':'
    Condition,
    Arrow,        // "->"
    Probability,  // the parenthesised probability after the arrow
    Symbol,       // one symbol of the axiom or a successor
    Expression,   // a parameter list of a symbol, but for its numbers
    Number,
    Ignored,  // head text the rule splitter passes over
    Error,    // what the parser refuses, and anything past the line's limit
};

struct DefinitionLine {
    // In the order of the line.
    std::vector<LinePart<DefinitionPart>> parts;
    // A keyword line the parser refuses: the detail it stores (none for a
    // default line); otherwise empty.
    std::string problem;
};

// Reads one line as written in the definition text. Rule lines are read as
// rules wherever they stand, after the homomorphism line too.
DefinitionLine inspectDefinitionLine(std::string_view written);

}  // namespace sprig
