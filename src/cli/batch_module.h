#pragma once
// The modules that the batch command loads from beside itself only when a
// picture needs them, so that a run that only derives never loads the
// libraries behind them.

#include <string>

namespace sprig {

// The address of `symbol` in the module `fileName` beside the command, with
// the dlopen flags given; null, the reason printed, when it cannot be loaded.
void* loadBatchModule(const std::string& fileName, const char* symbol, int flags);

}  // namespace sprig
