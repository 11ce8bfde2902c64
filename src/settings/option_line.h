#pragma once
// One line of the options text: what it sets, or why the options reader
// refuses it, and its parts for showing it. The reader and the options
// view both ask here, so they cannot disagree about a line.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/line_parts.h"
#include "settings/settings.h"

namespace sprig {

enum class OptionPart {
    Comment,  // a "//" line
    Key,      // a known key with its '='
    Value,    // the value the key takes
    Ignored,  // what the reader never looks at: after a number, past the line's limit
    Error,    // an unknown key or a value the key refuses
};

struct OptionLine {
    std::vector<LinePart<OptionPart>> parts;
    // Empty when the reader accepts the line; otherwise what it found wrong.
    std::string problem;
    // Sets what the line sets; empty for an empty line, a comment or a refused line.
    std::function<void(Settings&)> apply;
};

// Reads one line as written in the options text.
OptionLine inspectOptionLine(std::string_view written);

}  // namespace sprig
