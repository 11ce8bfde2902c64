#include "cli/batch_arguments.h"

#include <string_view>

#include "platform/fixed_format.h"

namespace sprig {

const char* const kBatchUsage = "Usage: sprigwork-batch [--steps N] [--seed S] [--clean] [--save NAME] FILE.ls\n"
                                "\n"
                                "Derives the L-system of FILE.ls from step 0 up to step N (default 0), as\n"
                                "N+1 presses of the forward button would, and leaves the string of every\n"
                                "step in <base>_NNN.stt beside FILE.ls. The information log goes to\n"
                                "standard output; errors go to standard error and set the exit status to\n"
                                "the result code.\n"
                                "\n"
                                "  --steps N   last step to derive, 0 .. 999\n"
                                "  --seed S    seed the random source with S + step index instead of the clock\n"
                                "  --clean     delete the files the run created when it ends\n"
                                "  --save NAME save the last step's string as NAME (.str is appended\n"
                                "              unless NAME ends with it), as \"Uložiť reťazec ako\" does\n"
                                "  --help      show this text\n";

std::optional<std::string> parseBatchArguments(int argc, char** argv, BatchArguments& out)
{
    std::optional<std::string_view> derivingOption;  // one that means nothing to --draw
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--clean" || arg == "--steps" || arg == "--seed" || arg == "--mode") derivingOption = arg;
        if (arg == "--help" || arg == "-h") {
            out.help = true;
        } else if (arg == "--clean") {
            out.clean = true;
        } else if (arg == "--steps") {
            if (!hasValue || !readWholeNumber(argv[++i], out.steps) || out.steps < 0 || out.steps > 999)
                return "--steps needs a whole number from 0 to 999";
        } else if (arg == "--save") {
            if (!hasValue) return "--save needs a file name";
            out.savedStringPath = argv[++i];
        } else if (arg == "--seed") {
            std::uint32_t seed = 0;
            if (!hasValue || !readWholeNumber(argv[++i], seed)) return "--seed needs a whole number";
            out.seed = seed;
        } else if (const DrawingOption drawing = readDrawingOption(argc, argv, i, out.drawing); drawing.matched) {
            if (drawing.error) return drawing.error;
        } else if (arg.starts_with("-") && arg.size() > 1) {
            return "unknown option " + std::string(arg);
        } else if (out.definitionPath.empty()) {
            out.definitionPath = arg;
        } else {
            return "only one definition file may be given";
        }
    }
    if (out.help) return std::nullopt;
    const DrawingArguments& drawing = out.drawing;
    if (drawing.stringPath.empty()) {
        if (!drawing.optionsPath.empty()) return "--options is read only with --draw";
        if (out.definitionPath.empty()) return "no definition file given";
        if (!drawing.drawSteps && !drawing.exports.empty()) return "--export needs --mode LSR&D or --draw";
        if (!drawing.drawSteps && drawing.frames) return "--frames needs --mode LSR&D";
        return checkSavedStringPicture(drawing);
    }
    if (drawing.frames) return "--frames cannot be used with --draw";
    if (!out.definitionPath.empty()) return "--draw takes no definition file";
    if (derivingOption) return std::string(*derivingOption) + " cannot be used with --draw";
    return checkSavedStringPicture(out.drawing);
}

}  // namespace sprig
