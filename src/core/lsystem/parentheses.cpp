#include "core/lsystem/parentheses.h"

namespace sprig {

std::size_t matchingParen(std::string_view text, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0) return i;
    }
    return std::string_view::npos;
}

}  // namespace sprig
