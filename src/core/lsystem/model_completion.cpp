#include "core/lsystem/model_completion.h"

#include <algorithm>

#include "core/lsystem/defaults_and_constants.h"
#include "core/lsystem/rule_order.h"
#include "platform/fixed_format.h"

namespace sprig {

namespace {

// One "-(%f)" entry per turning symbol, behind the default lines' entries.
void appendAngleDefaults(LSystem& model)
{
    for (char symbol : std::string_view("-+^&/\\")) {
        DefaultEntry entry{symbol, '('};
        appendFixed(entry, model.angle);
        entry.push_back(')');
        model.defaults.push_back(std::move(entry));
    }
}

template <class Rewrite, class Table>
int rewriteInPlace(std::string& text, const Table& table, Rewrite rewrite)
{
    std::string out;
    if (int code = rewrite(text, table, out)) return code;
    text = std::move(out);
    return kDone;
}

int fillDefaults(LSystem& model)
{
    for (Production& rule : model.productions)
        if (int code = rewriteInPlace(rule.successor, model.defaults, ApplyDefaults)) return code;
    return rewriteInPlace(model.axiom, model.defaults, ApplyDefaults);
}

int substituteModelConstants(LSystem& model)
{
    const auto& constants = model.constants;
    for (Production& rule : model.productions) {
        if (int code = rewriteInPlace(rule.successor, constants, SubstituteConstants)) return code;
        if (rule.hasCondition)
            if (int code = rewriteInPlace(rule.condition, constants, SubstituteConstants)) return code;
        if (!rule.probabilityIsConstant)
            if (int code = rewriteInPlace(rule.probabilityText, constants, SubstituteConstants)) return code;
    }
    return rewriteInPlace(model.axiom, constants, SubstituteConstants);
}

void recordContextExtents(LSystem& model)
{
    for (const Production& rule : model.productions) {
        model.maxLeftContextSymbols = std::max(model.maxLeftContextSymbols, rule.leftSymbolCount);
        model.maxRightContextSymbols = std::max(model.maxRightContextSymbols, rule.rightSymbolCount);
        model.maxRightContextParams = std::max(model.maxRightContextParams, rule.rightParamCount);
    }
}

}  // namespace

int completeModel(LSystem& model)
{
    if (model.angleGiven && model.parametric) appendAngleDefaults(model);
    if (!model.defaults.empty())
        if (int code = fillDefaults(model)) return code;
    if (!model.constants.empty())
        if (int code = substituteModelConstants(model)) return code;
    for (Production& rule : model.productions)
        if (!bindFormalParams(rule)) return kSyntaxError;
    reorderProductions(model.productions);
    recordContextExtents(model);
    return kDone;
}

}  // namespace sprig
