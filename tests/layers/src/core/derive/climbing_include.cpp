// Reaches a higher layer by climbing out of its folder.
#include "../../app/run_state.h"
