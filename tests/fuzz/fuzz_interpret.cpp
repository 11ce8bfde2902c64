// Feeds arbitrary bytes to the interpretation: the first byte chooses the
// drawing options, the rest is the string file, drawn in 2D onto a recording
// canvas and recorded in 3D into the scene record.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "../support/recording_canvas.h"
#include "core/turtle/interpret_string.h"
#include "settings/settings.h"

namespace {

class QuietJob final : public sprig::Job {
public:
    void showProgress(sprig::ProgressBar, int) override {}
    void appendLog(std::string_view) override {}
};

const std::string& inputPath()
{
    static const std::string path = [] {
        char pattern[] = "/tmp/sprig-fuzz-interpret-XXXXXX";
        return std::string(mkdtemp(pattern)) + "/f.str";
    }();
    return path;
}

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

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
    writeFile(inputPath(), data + 1, size - 1);
    sprig::Settings settings = settingsFrom(data[0]);
    QuietJob job;
    static sprig::SceneRecord scene;
    for (int dimensions : {2, 3}) {
        settings.effective.drawDimensions = dimensions;
        sprig::testing::RecordingCanvas canvas;
        sprig::InterpretRequest request(settings, job, inputPath());
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
