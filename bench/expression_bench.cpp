// Expression speed: one evaluation of a typical successor argument or
// condition, from its text and from its compiled form.

#include <string>

#include "core/lsystem/compiled_expression.h"
#include "core/lsystem/expression.h"
#include "figure_reporter.h"
#include "platform/random_source.h"

namespace {

using namespace sprig;

const char* const kTexts[] = {"x*0.5", "(l+1)*2", "w/1.456", "t>77.8+10 && (k==1 || m<= 23.8+k)", "2(x)"};
const char kNames[] = "xlwtkm";
const float kValues[] = {1.5f, 2.0f, 0.25f, 90.0f, 1.0f, 30.0f};

std::string normalizedText(const benchmark::State& state)
{
    std::string text = kTexts[state.range(0)];
    NormalizeExpression(text);
    return text;
}

void countEvaluations(benchmark::State& state)
{
    state.SetLabel(kTexts[state.range(0)]);
    state.counters["evaluations_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void TextEvaluation(benchmark::State& state)
{
    const std::string text = normalizedText(state);
    const ParamBinding binding{kNames, kValues};
    LcgRandom random(1);
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateExpression(text, binding, random));
    countEvaluations(state);
}

void CompiledEvaluation(benchmark::State& state)
{
    const CompiledExpression compiled = CompiledExpression::compile(normalizedText(state), kNames);
    LcgRandom random(1);
    for (auto _ : state) benchmark::DoNotOptimize(compiled.evaluate(kValues, random));
    countEvaluations(state);
}

}  // namespace

BENCHMARK(TextEvaluation)->DenseRange(0, 4);
BENCHMARK(CompiledEvaluation)->DenseRange(0, 4);

SPRIG_BENCHMARK_MAIN()
