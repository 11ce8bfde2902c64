#include "platform/random_source.h"

#include <ctime>

namespace sprig {

std::int64_t SystemClock::nowSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace sprig
