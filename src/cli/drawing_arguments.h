#pragma once
// The batch command's drawing options.

#include <optional>
#include <string>

namespace sprig {

struct DrawingArguments {
    // --mode LSR&D: interpret every derived step.
    bool drawSteps = false;
    // --draw FILE.str: interpret a saved string, as run mode LSDr does.
    std::string stringPath;
    // --options FILE.op: options lines for --draw.
    std::string optionsPath;
    // --size WxH: the bitmap of 2D pictures.
    int width = 1600;
    int height = 1200;
};

struct DrawingOption {
    bool matched = false;  // argv[i] is a drawing option
    std::optional<std::string> error;
};

// Reads the drawing option at argv[i], if it is one, and its value, which
// moves i on.
DrawingOption readDrawingOption(int argc, char** argv, int& i, DrawingArguments& out);

extern const char* const kDrawingUsage;

}  // namespace sprig
