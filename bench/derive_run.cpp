// The derivation of a whole batch run without the step driver: steps 0 to
// STEPS of a definition, each derived and then counted as a shown step is:
// as its pass counted it, or else by reading it.
// Prints the symbols written over all steps; the caller times the run.
// usage: derive_run DEFINITION.ls STEPS

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/derive/derive_strings.h"
#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "platform/job.h"
#include "platform/random_source.h"
#include "platform/text_lines.h"
#include "settings/settings.h"

int main(int argc, char** argv)
{
    using namespace sprig;
    if (argc != 3) return 64;
    const std::string path = argv[1];
    std::vector<std::string> lines;
    if (readTextLines(path, lines).failed()) return 66;
    const int steps = std::atoi(argv[2]);
    SilentJob job;
    LcgRandom random;
    const Settings settings;
    std::int64_t written = 0;
    StringStatistics shown;
    for (int step = 0; step <= steps; ++step) {
        const DeriveRequest request{&lines, path, step, step == 0 ? 0 : 1, shown.symbolCount, false};
        DeriveServices services{job, random, [](int s) { return static_cast<std::uint32_t>(s + 1); }};
        ParseReport report;
        std::vector<std::string> created;
        std::optional<WrittenString> counted;
        if (DeriveStrings(request, settings, services, report, created, counted) != kDone) return 1;
        if (counted) shown = counted->statistics;
        else if (ReadStringStatistics(StringFileName(basePath(path), step, kStepExt), shown) != kDone) return 1;
        written += shown.symbolCount;
    }
    std::printf("%lld\n", static_cast<long long>(written));
    return 0;
}
