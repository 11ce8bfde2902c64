// Feeds arbitrary bytes to the string-file readers: symbol reading, counting,
// the cut pass and a rewriting step with contexts and parameters, whose own
// count of what it wrote must be what counting the file gives.

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/derive/derive_strings.h"
#include "core/derive/string_file.h"
#include "platform/byte_file.h"
#include "platform/job.h"
#include "platform/random_source.h"
#include "platform/text_lines.h"
#include "settings/settings.h"
#include "work_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string ls = workDir() + "/f.ls";
    const std::string step0 = writeWorkFile("f_000.stt", {reinterpret_cast<const char*>(data), size});

    sprig::LcgRandom random;
    {
        sprig::InFile in(step0);
        sprig::Symbol s;
        while (sprig::ReadSymbol(in, s, random) == sprig::SymbolRead::Symbol) {
        }
    }
    sprig::StringStatistics stats;
    // Any outcome is fine here; only a crash or a sanitizer report is not.
    static_cast<void>(sprig::ReadStringStatistics(step0, stats));

    static const std::vector<std::string> lines =
        sprig::splitLines("ignore +\n#A(x)<B(y)>C(z):x<y->(0.7)B(x+y,z)[C(z/2)]\n#B>A->*\n#F->F[+F]F\n"
                          "homomorphism\n#C(z)->F(z)\n");
    sprig::SilentJob job;
    sprig::Settings settings;
    sprig::ParseReport report;
    std::vector<std::string> created;
    for (bool homomorphism : {false, true}) {
        const sprig::DeriveRequest request{&lines, ls, 1, 1, 0, homomorphism};
        sprig::DeriveServices services{job, random, [](int) { return 1u; }};
        std::optional<sprig::WrittenString> written;
        // Any outcome is fine here; only a crash or a sanitizer report is not.
        static_cast<void>(sprig::DeriveStrings(request, settings, services, report, created, written));
        // What the pass counted while writing is what reading the file counts.
        if (!written) continue;
        sprig::StringStatistics read;
        if (sprig::ReadStringStatistics(written->path, read) != sprig::kDone ||
            read.symbolCount != written->statistics.symbolCount ||
            read.isParametric != written->statistics.isParametric)
            std::abort();
    }
    return 0;
}
