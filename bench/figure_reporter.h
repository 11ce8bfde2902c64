#pragma once
// A console reporter that also prints each benchmark's figures as
// "name: value unit" lines, the form bench/run collects.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace sprig::bench {

class FigureReporter : public benchmark::ConsoleReporter {
public:
    // Colour codes would stick to the figure lines, so the table is plain.
    FigureReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            for (const auto& [name, counter] : run.counters) {
                const double value = counter.value;
                if (name.ends_with("_per_second"))
                    std::printf("%s %s: %.2f M/s\n", run.benchmark_name().c_str(), name.c_str(), value / 1e6);
                else std::printf("%s %s: %.4g\n", run.benchmark_name().c_str(), name.c_str(), value);
            }
        }
        std::fflush(stdout);
    }
};

}  // namespace sprig::bench

#define SPRIG_BENCHMARK_MAIN()                                                                                         \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        benchmark::Initialize(&argc, argv);                                                                            \
        sprig::bench::FigureReporter reporter;                                                                         \
        benchmark::RunSpecifiedBenchmarks(&reporter);                                                                  \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
