#include <cmath>
#include <string>

#include "core/lsystem/expression_number.h"
#include "core/lsystem/expression_program.h"
#include "core/lsystem/expression_text.h"
#include "platform/fixed_format.h"

namespace sprig {

namespace {

class Runner {
public:
    Runner(const Program& program, const float* values, float* slots, RandomSource& random)
        : program_(program), values_(values), slots_(slots), random_(random)
    {
    }

    EvalResult run(std::uint32_t index);

private:
    // Numbers and parameters, the most common operands, without a dispatch.
    EvalResult operand(std::uint32_t index)
    {
        const Node& node = program_.nodes[index];
        if (node.kind == NodeKind::Constant) return succeed(node.value);
        if (node.kind == NodeKind::Parameter) return succeed(values_[node.a]);
        return run(index);
    }

    EvalResult chain(const Node& node);
    EvalResult scope(const Node& node);
    EvalResult substitute(const Node& node);

    const Program& program_;
    const float* values_;
    float* slots_;
    RandomSource& random_;
};

EvalResult Runner::run(std::uint32_t index)
{
    const Node& node = program_.nodes[index];
    switch (node.kind) {
    case NodeKind::Constant: return succeed(node.value);
    case NodeKind::Parameter: return succeed(values_[node.a]);
    case NodeKind::Failure: return {node.value, false};
    case NodeKind::GroupText: {
        // A lone "inf" or "nan" is an unknown word.
        const float value = slots_[node.a];
        return std::isfinite(value) ? succeed(roundThroughText(value)) : failUnknownWord();
    }
    case NodeKind::GroupNumber: {
        // "inf" and "nan" read as no number at all.
        const float value = slots_[node.a];
        return succeed(std::isfinite(value) ? roundThroughText(value) : 0.0f);
    }
    case NodeKind::Call: return applyFunction(node.function, run(node.a).value, random_);
    case NodeKind::Not: {
        EvalResult operand = run(node.a);
        if (operand.ok) operand.value = applyUnary('!', operand.value);
        return operand;
    }
    case NodeKind::Chain: return chain(node);
    case NodeKind::Scope: return scope(node);
    case NodeKind::Substitute: return substitute(node);
    }
    return fail();
}

EvalResult Runner::chain(const Node& node)
{
    const Link* link = program_.links.data() + node.a;
    const Link* const end = link + node.b;
    EvalResult acc = operand(link->node);
    if (node.code != 0 && acc.ok) acc.value = applyUnary(node.code, acc.value);
    for (++link; acc.ok && link != end; ++link) {
        const EvalResult right = operand(link->node);
        if (!right.ok) return right;
        acc = applyBinary(link->code, acc.value, right.value);
    }
    return acc;
}

EvalResult Runner::scope(const Node& node)
{
    for (std::uint32_t slot = node.a; slot < node.a + node.b; ++slot) {
        const EvalResult group = run(program_.groups[slot]);
        if (!group.ok) return group;
        slots_[slot] = group.value;
    }
    return run(node.c);
}

EvalResult Runner::substitute(const Node& node)
{
    std::string text;
    for (std::uint32_t i = node.a; i < node.a + node.b; ++i) {
        const Piece& piece = program_.pieces[i];
        if (piece.slot == Piece::kLiteral) {
            text.append(program_.source, piece.offset, piece.length);
        } else {
            appendFixed(text, slots_[piece.slot]);
        }
    }
    return evaluatePlainExpression(text, ParamBinding{program_.names, values_}, random_);
}

}  // namespace

EvalResult runProgram(const Program& program, const float* values, float* slots, RandomSource& random)
{
    return Runner(program, values, slots, random).run(program.root);
}

}  // namespace sprig
