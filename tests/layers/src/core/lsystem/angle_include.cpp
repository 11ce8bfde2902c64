// Reaches a higher layer by an include in angle brackets.
#include <app/run_state.h>
