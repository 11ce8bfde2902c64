#include "core/lsystem/compiled_expression.h"

#include <algorithm>
#include <vector>

#include "core/lsystem/expression_program.h"

namespace sprig {

struct CompiledExpression::Impl {
    Program program;
};

CompiledExpression::CompiledExpression() = default;
CompiledExpression::~CompiledExpression() = default;
CompiledExpression::CompiledExpression(CompiledExpression&&) noexcept = default;
CompiledExpression& CompiledExpression::operator=(CompiledExpression&&) noexcept = default;

CompiledExpression CompiledExpression::compile(std::string_view text, std::string_view names)
{
    CompiledExpression compiled;
    compiled.impl_ = std::make_unique<Impl>(Impl{compileProgram(text, names)});
    return compiled;
}

EvalResult CompiledExpression::evaluate(const float* values, RandomSource& random) const
{
    // A default-constructed expression is the empty text.
    if (!impl_) return {1.0f, true};
    const Program& program = impl_->program;
    constexpr std::size_t kInlineSlots = 16;
    float inlineSlots[kInlineSlots];
    std::vector<float> manySlots;
    float* slots = inlineSlots;
    if (program.groups.size() > kInlineSlots) {
        manySlots.resize(program.groups.size());
        slots = manySlots.data();
    }
    return runProgram(program, values, slots, random);
}

bool CompiledExpression::isFixed() const
{
    if (!impl_) return true;
    return std::none_of(impl_->program.nodes.begin(), impl_->program.nodes.end(), [](const Node& node) {
        return node.kind == NodeKind::Parameter || node.kind == NodeKind::Substitute ||
               (node.kind == NodeKind::Call && node.function == Function::Rnd);
    });
}

}  // namespace sprig
