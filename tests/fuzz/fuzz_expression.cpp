// Any bytes as an expression: the compiled form must agree with the text
// evaluator on the value, the failure and the number of random draws, with
// the text normalised (conditions, arguments) and as written (probabilities).

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/lsystem/compiled_expression.h"
#include "core/lsystem/expression.h"
#include "platform/random_source.h"

namespace {

constexpr char kNames[] = "xya";
constexpr float kValues[] = {0.1234567f, -2.5f, 1e30f};

void checkAgreement(const std::string& text)
{
    sprig::LcgRandom textRandom(7);
    sprig::LcgRandom compiledRandom(7);
    const sprig::EvalResult expected =
        sprig::EvaluateExpression(text, sprig::ParamBinding{kNames, kValues}, textRandom);
    const sprig::CompiledExpression compiled = sprig::CompiledExpression::compile(text, kNames);
    const sprig::EvalResult actual = compiled.evaluate(kValues, compiledRandom);
    const bool sameValue = std::bit_cast<std::uint32_t>(expected.value) == std::bit_cast<std::uint32_t>(actual.value);
    if (expected.ok != actual.ok || !sameValue || textRandom.next() != compiledRandom.next()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    checkAgreement(text);
    sprig::NormalizeExpression(text);
    if (text.size() > size) std::abort();
    checkAgreement(text);
    return 0;
}
