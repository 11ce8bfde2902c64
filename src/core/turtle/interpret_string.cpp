#include "core/turtle/interpret_string.h"

#include "core/turtle/draw_pass.h"
#include "core/turtle/measure_pass.h"
#include "platform/byte_file.h"

namespace sprig {

namespace {

bool measuresFirst(const Settings& settings)
{
    return settings.effective.drawDimensions == 2 && !(settings.placeAtBottom && settings.fixedSegmentLength);
}

bool hasTarget(const InterpretRequest& request)
{
    if (request.settings.effective.drawDimensions == 2) return request.canvas != nullptr;
    return request.scene != nullptr || request.sceneSink != nullptr;
}

Result drawPlane(const InterpretRequest& request, const TurtleOptions& options, PassProgress& progress,
                 DrawTotals& totals)
{
    const Settings& settings = request.settings;
    if (request.backgroundColour) request.canvas->fill(*request.backgroundColour);
    PictureBox box;
    if (measuresFirst(settings)) {
        if (Result result = measurePicture(request.fileName, options, request.job, progress, box); result.failed())
            return result;
    }
    const FitPlacement placement{static_cast<float>(request.areaWidth), static_cast<float>(request.areaHeight),
                                 settings.placeAtBottom, settings.fixedSegmentLength};
    PlaneDrawing drawing(*request.canvas, fitPicture(box, placement),
                         {options.widthInPixels, options.differentiateEFWidth, options.differentiateEFColor});
    if (request.scene) request.scene->reset();
    return drawString(request.fileName, options, request.symbolCount, drawing, request.job, progress, totals);
}

Result streamSpace(const InterpretRequest& request, const TurtleOptions& options, PassProgress& progress,
                   DrawTotals& totals)
{
    SceneStream stream(*request.sceneSink, options.differentiateEFWidth, options.differentiateEFColor);
    Result result = drawString(request.fileName, options, request.symbolCount, stream, request.job, progress, totals);
    if (result == kDone) stream.finish();
    return result;
}

Result drawSpace(const InterpretRequest& request, const TurtleOptions& options, PassProgress& progress,
                 DrawTotals& totals)
{
    if (request.sceneSink) return streamSpace(request, options, progress, totals);
    SceneRecord& scene = *request.scene;
    scene.reset();
    SceneBuilder builder(scene, options.differentiateEFWidth, options.differentiateEFColor);
    Result result = drawString(request.fileName, options, request.symbolCount, builder, request.job, progress, totals);
    if (result.failed()) return result;
    scene.finish();
    if (scene.droppedCount() > 0)
        request.job.appendLog("Scene cut at " + std::to_string(SceneRecord::kCapacity) +
                              " elements: " + std::to_string(scene.droppedCount()) + " more not drawn");
    return result;
}

Result interpret(const InterpretRequest& request, DrawTotals& totals)
{
    if (!hasTarget(request)) return kGraphicsError;
    Settings& settings = request.settings;
    const TurtleOptions options = TurtleOptions::from(settings, request.penColour);
    if (!settings.fixedSegmentLength) settings.segmentLengthText.assign(1, '1');
    PassProgress progress(request.job, measuresFirst(settings) ? 2 * request.symbolCount : request.symbolCount);
    Result result = settings.effective.drawDimensions == 2 ? drawPlane(request, options, progress, totals)
                                                           : drawSpace(request, options, progress, totals);
    if (result == kDone) progress.complete();
    return result;
}

}  // namespace

bool isTemporaryStringFile(const std::string& fileName) { return fileName.ends_with(".sth"); }

InterpretResult interpretString(const InterpretRequest& request)
{
    request.job.appendLog("String interpreting");
    request.job.appendLog("Input file: " + request.fileName);
    DrawTotals totals;
    Result result = interpret(request, totals);
    if (request.isTemporary && isTemporaryStringFile(request.fileName)) removeFile(request.fileName);
    return {result.code, std::move(result.failure), totals.segmentTotal, totals.polygonTotal};
}

}  // namespace sprig
