#pragma once
// The parsed L-system: built afresh from the definition text for every
// derivation step and every homomorphism pass.

#include <string>
#include <vector>

#include "platform/result_codes.h"

namespace sprig {

// A context symbol: text[0] is the symbol, the further characters are its
// formal parameter names.
using ContextSymbol = std::string;

struct Constant {
    std::string name;
    std::string value;
};

// One "symbol(values)" text such as U(1.67,7); its first character is the symbol.
using DefaultEntry = std::string;

struct Production {
    char predecessor = 0;
    std::string successor;
    std::string leftContext;
    std::string rightContext;
    std::vector<ContextSymbol> leftSymbols;
    std::vector<ContextSymbol> rightSymbols;
    int leftSymbolCount = 0;
    int rightSymbolCount = 0;
    int leftContextLength = 0;
    int rightContextLength = 0;
    int leftParamCount = 0;
    int rightParamCount = 0;
    int predecessorParamCount = 0;
    std::string predecessorParams;
    int formalParamCount = 0;
    std::string formalParams;
    bool hasCondition = false;
    std::string condition;
    float probability = 1.0f;
    bool probabilityIsConstant = true;
    std::string probabilityText;
};

struct LSystem {
    std::string axiom;
    std::vector<Production> productions;
    std::vector<Constant> constants;
    std::vector<DefaultEntry> defaults;
    std::string ignoreSet;
    float angle = 90.0f;
    bool angleGiven = false;
    bool parametric = false;
    int maxLeftContextSymbols = 0;
    int maxRightContextSymbols = 0;
    int maxRightContextParams = 0;
};

enum class ParseMode { Rules, Homomorphism };

// Program-wide values the parser (and string-file reading) leave behind for
// the step driver.
struct ParseReport {
    bool IsParametric = true;
    int ErrorRow = 0;
    std::string ErrorDetail;
};

// Limits of the definition language.
inline constexpr std::size_t kMaxIgnoreSymbols = 99;
inline constexpr std::size_t kMaxExpandedText = 1999;
inline constexpr int kMaxParams = 20;

}  // namespace sprig
