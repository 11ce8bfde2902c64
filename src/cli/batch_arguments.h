#pragma once
// The batch command's command line.

#include <cstdint>
#include <optional>
#include <string>

#include "cli/drawing_arguments.h"

namespace sprig {

struct BatchArguments {
    std::string definitionPath;
    int steps = 0;
    std::optional<std::uint32_t> seed;
    bool clean = false;
    // --save NAME: the string shown at the end saved as NAME.str.
    std::string savedStringPath;
    bool help = false;
    DrawingArguments drawing;
};

// Returns an error text, or nothing when the arguments are good.
std::optional<std::string> parseBatchArguments(int argc, char** argv, BatchArguments& out);

extern const char* const kBatchUsage;

}  // namespace sprig
