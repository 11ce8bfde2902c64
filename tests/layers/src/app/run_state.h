#pragma once
// A header of a higher layer, for the layer check's own test.
