#pragma once
// A streamed 3D drawing pass meshed as it goes: each segment the pass hands
// on becomes its cylinder's wall and caps, each polygon its fan.

#include "core/mesh/segment_mesh.h"
#include "core/turtle/scene_stream.h"
#include "settings/settings.h"

namespace sprig {

class SceneMesher final : public SceneSink {
public:
    // The options that shape the segments as the view draws them.
    SceneMesher(const OptionValues& options, MeshSink& sink)
        : mesher_({options.segmentBeginSphere, options.segmentEndSphere}), activeWidth_(options.segmentActiveWidth),
          sink_(sink)
    {
    }

    void segment(const SceneElement& segment) override
    {
        mesher_.segment(cylinderRecord(segment, activeWidth_), segment.colour, sink_);
    }
    void polygon(std::span<const Vec3> vertices, std::uint32_t colour, const Vec3& normal) override
    {
        mesher_.polygon(vertices, normal, colour, sink_);
    }

private:
    SegmentMesher mesher_;
    bool activeWidth_;
    MeshSink& sink_;
};

}  // namespace sprig
