// A definition and a string file, separated by a line "----": the step and
// the homomorphism pass as DeriveStrings takes them must give what the
// general way gives, the same result code, file and progress.

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "../core/derive/general_path.h"
#include "split_lines.h"
#include "work_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t mark = input.find("\n----\n");
    if (mark == std::string_view::npos) return 0;
    std::filesystem::remove_all(workDir());
    std::filesystem::create_directory(workDir());
    const std::string_view string = input.substr(mark + 6);
    writeWorkFile("d_000.stt", string);
    sprig::differential::StepCase c{splitLines(data, mark), workDir() + "/d", false, 120, size % 3, 1};
    for (bool homomorphism : {false, true}) {
        c.homomorphism = homomorphism;
        if (!(sprig::differential::deriveStep(c) == sprig::differential::generalStep(c))) std::abort();
    }
    return 0;
}
