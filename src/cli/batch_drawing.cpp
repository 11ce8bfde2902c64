#include "cli/batch_drawing.h"

#include "cli/batch_run.h"

#include <vector>

#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "core/lsystem/lsystem.h"
#include "platform/byte_file.h"
#include "platform/file_failure.h"
#include "platform/job.h"
#include "platform/text_lines.h"
#include "settings/options_file.h"
#include "settings/settings.h"
#ifdef SPRIG_HAVE_QT_CANVAS
#include "platform/qt/qimage_canvas.h"
#endif
#ifdef SPRIG_HAVE_GL_PICTURE
#include "cli/picture3d_module.h"
#endif

namespace sprig {

namespace {

// The program's start-up colours: green on black.
constexpr std::uint32_t kPenColour = 0x0000FF00;
constexpr std::uint32_t kBackgroundColour = 0x00000000;

#ifdef SPRIG_HAVE_QT_CANVAS
using PictureCanvas = QImageCanvas;
#else
// Built without Qt: lines go nowhere and no picture can be written.
class PictureCanvas final : public Canvas {
public:
    PictureCanvas(int, int) {}
    void setPenColour(std::uint32_t) override {}
    void setPenWidth(int) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void fill(std::uint32_t) override {}
    bool saveBmp(const std::string&) const { return false; }
};
#endif

}  // namespace

struct BatchDrawing::Targets {
    Targets(int width, int height) : canvas(width, height) {}
    PictureCanvas canvas;
    SceneRecord scene;
};

std::optional<ResultMessage> drawingFailureMessage(int exitCode)
{
    const int drawResult = exitCode - kDrawingFailureBase;
    if (drawResult != kOutOfMemory && drawResult != kIoError && drawResult != kGraphicsError) return std::nullopt;
    return drawErrorMessage(drawResult);
}

void appendStatistics(Job& job, std::int64_t lengthKB, std::int64_t symbolCount, const InterpretResult* drawn)
{
    job.appendLog("Statistics");
    job.appendLog("String length: " + std::to_string(lengthKB) + " KB");
    job.appendLog("Number of symbols: " + std::to_string(symbolCount));
    if (!drawn) return;
    job.appendLog("Number of segments: " + std::to_string(drawn->segmentTotal));
    job.appendLog("Number of polygons: " + std::to_string(drawn->polygonTotal));
}

BatchDrawing::BatchDrawing(const DrawingArguments& arguments, Job& job) : arguments_(arguments), job_(job) {}

BatchDrawing::~BatchDrawing() = default;

int BatchDrawing::show(const ShownString& shown, Settings& settings, const std::string& picturePath)
{
    // As in the step driver, a string that cannot be counted is still drawn:
    // the drawing then fails on it and says so.
    StringStatistics stats;
    ReadStringStatistics(shown.fileName, stats);
    if (!targets_) targets_ = std::make_unique<Targets>(arguments_.width, arguments_.height);
    InterpretRequest request(settings, job_, shown.fileName);
    request.isTemporary = shown.isTemporary;
    request.symbolCount = stats.symbolCount;
    request.penColour = kPenColour;
    request.canvas = &targets_->canvas;
    request.backgroundColour = kBackgroundColour;
    request.areaWidth = arguments_.width;
    request.areaHeight = arguments_.height;
    request.scene = &targets_->scene;
    forgetFileFailure();
    const InterpretResult drawn = interpretString(request);
    if (drawn.code == kIoError && !lastFileFailure())
        noteFileFailure(shown.fileName, "unreadable string or parameter value");
    appendStatistics(job_, lengthKB(fileSize(shown.lengthFile)), stats.symbolCount, &drawn);
    int code = drawn.code;
    if (code == kDone && !picturePath.empty()) code = writePicture(picturePath, settings);
    return code == kDone || code == kStopped ? code : kDrawingFailureBase + code;
}

int BatchDrawing::writePicture(const std::string& picturePath, const Settings& settings)
{
    if (settings.effective.drawDimensions == 3) return writeScenePicture(picturePath, settings);
    return targets_->canvas.saveBmp(picturePath) ? kDone : kGraphicsError;
}

int BatchDrawing::writeScenePicture([[maybe_unused]] const std::string& picturePath,
                                    [[maybe_unused]] const Settings& settings)
{
#ifdef SPRIG_HAVE_GL_PICTURE
    const bool sized = arguments_.sizeGiven;
    const Picture3dRequest request{targets_->scene, settings, sized ? arguments_.width : kPicture3dWidth,
                                   sized ? arguments_.height : kPicture3dHeight, arguments_.camera, kBackgroundColour};
    return writePicture3dThroughModule(picturePath, request) ? kDone : kGraphicsError;
#else
    return kGraphicsError;
#endif
}

BatchOutcome drawSavedString(const DrawingArguments& arguments, Job& job)
{
    job.appendLog("String file opened: " + arguments.stringPath);
    std::vector<std::string> optionsLines;
    if (!arguments.optionsPath.empty() && !readTextLines(arguments.optionsPath, optionsLines)) return {kIoError, 0};
    Settings settings;
    int errorRow = 0;
    if (const int result = ReadOptions({}, optionsLines, settings, errorRow, job)) return {result, errorRow};
    BatchDrawing drawing(arguments, job);
    const ShownString shown{arguments.stringPath, arguments.stringPath, false};
    return {drawing.show(shown, settings, savedStringPicturePath(arguments)), 0};
}

}  // namespace sprig
