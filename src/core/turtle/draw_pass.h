#pragma once
// The drawing pass: every symbol of the string acts on the turtle, and what
// the turtle draws goes to the 2D canvas or into the 3D scene record.

#include <cstdint>
#include <string>

#include "core/turtle/plane_drawing.h"
#include "core/turtle/scene_builder.h"
#include "core/turtle/scene_stream.h"
#include "core/turtle/symbol_stream.h"
#include "core/turtle/turtle_options.h"

namespace sprig {

struct DrawTotals {
    std::int64_t segmentTotal = 0;
    std::int64_t polygonTotal = 0;
};

// Output is PlaneDrawing (2D), SceneBuilder or SceneStream (3D). symbolCount paces the
// colour effect. Returns kDone, kOutOfMemory, kIoError or kStopped; totals count what was read so far.
template <class Output>
Result drawString(const std::string& fileName, const TurtleOptions& options, std::int64_t symbolCount, Output& output,
                  const Job& job, PassProgress& progress, DrawTotals& totals);

extern template Result drawString<PlaneDrawing>(const std::string&, const TurtleOptions&, std::int64_t, PlaneDrawing&,
                                                const Job&, PassProgress&, DrawTotals&);
extern template Result drawString<SceneBuilder>(const std::string&, const TurtleOptions&, std::int64_t, SceneBuilder&,
                                                const Job&, PassProgress&, DrawTotals&);
extern template Result drawString<SceneStream>(const std::string&, const TurtleOptions&, std::int64_t, SceneStream&,
                                               const Job&, PassProgress&, DrawTotals&);

}  // namespace sprig
