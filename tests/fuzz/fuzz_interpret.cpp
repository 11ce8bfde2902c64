// Feeds arbitrary bytes to the interpretation: the first byte chooses the
// drawing options, the rest is the string file, drawn in 2D onto a recording
// canvas and recorded in 3D into the scene record.

#include <cstdint>
#include <string>

#include "../support/recording_canvas.h"
#include "core/turtle/interpret_string.h"
#include "settings/settings.h"
#include "work_dir.h"

namespace {

sprig::Settings settingsFrom(std::uint8_t bits)
{
    sprig::Settings s;
    s.effective.interpretEF = bits & 1;
    s.effective.differentiateEFWidth = bits & 2;
    s.effective.differentiateEFColor = bits & 4;
    s.effective.widthInPixels = bits & 8;
    s.colourEffect = bits & 16;
    s.placeAtBottom = bits & 32;
    s.fixedSegmentLength = bits & 64;
    s.segmentLength = bits & 128 ? 1e30f : 3.0f;
    s.widthDecrement = 0.25f;
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string path = writeWorkFile("f.str", {reinterpret_cast<const char*>(data) + 1, size - 1});
    sprig::Settings settings = settingsFrom(data[0]);
    sprig::SilentJob job;
    static sprig::SceneRecord scene;
    for (int dimensions : {2, 3}) {
        settings.effective.drawDimensions = dimensions;
        sprig::testing::RecordingCanvas canvas;
        sprig::InterpretRequest request(settings, job, path);
        request.symbolCount = static_cast<std::int64_t>(size);
        request.canvas = &canvas;
        request.areaWidth = 1592;
        request.areaHeight = 1154;
        request.scene = &scene;
        const sprig::InterpretResult result = sprig::interpretString(request);
        if (result.code != 0 && result.code != 1 && result.code != 2) __builtin_trap();
        if (scene.elementCount() > sprig::SceneRecord::kCapacity) __builtin_trap();
    }
    return 0;
}
