#include "core/lsystem/context_split.h"

namespace sprig {

std::size_t readParamNames(std::string_view text, std::size_t open, std::string& names)
{
    const std::size_t close = text.find(')', open + 1);
    if (close == std::string_view::npos) return close;
    for (std::size_t i = open + 1; i < close; ++i)
        if (text[i] != ',') names.push_back(text[i]);
    return close;
}

int splitContext(std::string_view context, std::vector<ContextSymbol>& symbols, int& paramTotal)
{
    std::size_t i = 0;
    while (i < context.size()) {
        if (context[i] == '(') return kIoError;
        ContextSymbol symbol(1, context[i++]);
        if (i < context.size() && context[i] == '(') {
            const std::size_t close = readParamNames(context, i, symbol);
            if (close == std::string_view::npos) return kIoError;
            i = close + 1;
        }
        const int names = static_cast<int>(symbol.size()) - 1;
        if (names > kMaxParams) return kIoError;
        paramTotal += names;
        symbols.push_back(std::move(symbol));
    }
    return kDone;
}

}  // namespace sprig
