#pragma once
// Differential checks of a rewriting step: the step as DeriveStrings takes
// it, beside the step the general way, the string cut into a cut file and
// every symbol sent through the production search. Shared by the tests and
// the fuzz target.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/derive/cut_pass.h"
#include "core/derive/derive_strings.h"
#include "core/derive/rewriting_pass.h"
#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "core/lsystem/definition_parser.h"
#include "platform/byte_file.h"
#include "platform/job.h"
#include "platform/random_source.h"
#include "settings/settings.h"

namespace sprig::differential {

// Keeps every progress value shown and asks to stop at the given one.
class RecordingJob : public Job {
public:
    explicit RecordingJob(std::size_t stopAt) : stopAt_(stopAt) {}
    void showProgress(ProgressBar, int percent) override
    {
        progress.push_back(percent);
        if (progress.size() == stopAt_) requestStop();
    }
    void appendLog(std::string_view) override {}
    std::vector<int> progress;

private:
    std::size_t stopAt_;
};

struct StepOutcome {
    int result = 0;
    std::string written;  // the output file, or "none"
    std::vector<int> progress;
    // The output's statistics: symbols and "p" or "n", or "unreadable".
    std::string statistics = "none";
    bool operator==(const StepOutcome&) const = default;
};

inline std::string describe(const StringStatistics& stats)
{
    return std::to_string(stats.symbolCount) + (stats.isParametric ? " p" : " n");
}

inline std::string statisticsRead(const std::string& path)
{
    StringStatistics stats;
    return ReadStringStatistics(path, stats) == kDone ? describe(stats) : "unreadable";
}

inline std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "none";
}

struct StepCase {
    std::vector<std::string> lines;  // the definition
    std::string base;                // <base>_000.stt holds the string
    bool homomorphism = false;
    std::int64_t symbolCount = 0;  // scales the progress
    std::size_t stopAt = 0;        // the progress value at which Stop is pressed; 0: never
    std::uint32_t seed = 1;
};

// Step 0 to 1, or the homomorphism file of step 0, by DeriveStrings, with
// the statistics its pass counted while writing, when it could.
inline StepOutcome deriveStep(const StepCase& c)
{
    RecordingJob job(c.stopAt + (c.stopAt > 0 ? 2 : 0));  // after 0 and 50 at the start
    LcgRandom random;
    DeriveRequest request{&c.lines, c.base + ".ls", 1, 1, c.symbolCount, c.homomorphism};
    DeriveServices services{job, random, [&c](int) { return c.seed; }};
    ParseReport report;
    std::vector<std::string> created;
    std::optional<WrittenString> counted;
    StepOutcome o{DeriveStrings(request, Settings{}, services, report, created, counted).code, "", {}};
    const std::string output =
        StringFileName(c.base, c.homomorphism ? 0 : 1, c.homomorphism ? kHomomorphismExt : kStepExt);
    o.written = readAll(output);
    if (o.result == kDone) o.statistics = counted ? describe(counted->statistics) : statisticsRead(output);
    if (counted && counted->path != output) o.statistics = "counted " + counted->path;
    if (job.progress.size() >= 2) o.progress.assign(job.progress.begin() + 2, job.progress.end());
    if (o.result == kDone) o.progress.pop_back();  // 100 at the end
    return o;
}

// The same step the general way, into <base>.general.
inline StepOutcome generalStep(const StepCase& c)
{
    RecordingJob job(c.stopAt);
    LcgRandom random;
    ParseReport report;
    LSystem system;
    const ParseMode mode = c.homomorphism ? ParseMode::Homomorphism : ParseMode::Rules;
    StepOutcome o{ParseLSystem(c.lines, mode, Settings{}, random, system, report), "none", {}};
    if (o.result != kDone) return o;
    random.seed(c.seed);
    std::string input = StringFileName(c.base, 0, kStepExt);
    if (!c.homomorphism) {
        const std::string cut = StringFileName(c.base, 0, kCutExt);
        o.result = CutBranches(input, cut, system, SilentJob()).code;
        if (o.result != kDone) return o;
        input = cut;
    }
    InFile in;
    OutFile out;
    if (!in.open(input) || !out.open(c.base + ".general") || !readHeader(in)) {
        o.result = kIoError;
        return o;
    }
    writeHeader(out, system);
    RewritingPass pass(system, random, job, true);
    o.result = pass.run(in, out, c.symbolCount);
    if (o.result == kDone && !out.close()) o.result = kIoError;
    if (o.result == kDone) {
        o.written = readAll(c.base + ".general");
        o.statistics = statisticsRead(c.base + ".general");
    }
    o.progress = job.progress;
    return o;
}

}  // namespace sprig::differential
