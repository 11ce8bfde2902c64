#pragma once
// Runs the interpretation of a string written to a temporary file, into a
// recording canvas (2D) or a scene record (3D).

#include <string>

#include "core/turtle/interpret_string.h"
#include "support/recording_canvas.h"
#include "support/temp_dir.h"
#include "support/test_job.h"

namespace sprig::testing {

// The 2D placement used by most tests: one pixel per turtle unit times the
// segment length 10, start point at (100.5, 100), so that F goes 10 pixels.
inline constexpr int kAreaWidth = 201;
inline constexpr int kAreaHeight = 120;

class Interpretation {
public:
    Interpretation()
    {
        settings.placeAtBottom = true;
        settings.fixedSegmentLength = true;
        settings.segmentLength = 10.0f;
    }

    void use2D() { settings.effective.drawDimensions = 2; }
    void use3D() { settings.effective.drawDimensions = 3; }

    // A non-parametric file with a default angle of 90 degrees.
    InterpretResult run(const std::string& string, const std::string& name = "drawing.str")
    {
        return runFile("n\n90.000000\n" + string, name);
    }

    // Each run starts on an empty list of canvas calls.
    InterpretResult runFile(const std::string& content, const std::string& name = "drawing.str")
    {
        canvas.calls.clear();
        InterpretRequest request = requestFor(dir.write(name, content));
        request.symbolCount = symbolCount;
        return interpretString(request);
    }

    InterpretRequest requestFor(const std::string& path)
    {
        InterpretRequest request{settings, job, path};
        request.canvas = &canvas;
        request.areaWidth = kAreaWidth;
        request.areaHeight = kAreaHeight;
        request.scene = &scene;
        return request;
    }

    // The calls every 2D drawing begins with: pen colour, width, start point.
    static std::vector<std::string> startCalls() { return {"colour 0000FF00", "width 1", "move 100 100"}; }
    std::vector<std::string> callsAfterStart() const
    {
        return {canvas.calls.begin() + static_cast<long>(startCalls().size()), canvas.calls.end()};
    }

    Settings settings;
    TestJob job;
    TempDir dir;
    RecordingCanvas canvas;
    SceneRecord scene;
    std::int64_t symbolCount = 100;
};

}  // namespace sprig::testing
