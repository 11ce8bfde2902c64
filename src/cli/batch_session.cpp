#include "cli/batch_session.h"

#include "core/derive/string_file_name.h"
#include "platform/byte_file.h"
#include "platform/text_lines.h"

namespace sprig {

namespace {

std::function<std::uint32_t(int)> seedsFor(const std::optional<std::uint32_t>& seed, Clock& clock)
{
    return [seed, &clock](int step) {
        return seed ? *seed + static_cast<std::uint32_t>(step) : static_cast<std::uint32_t>(clock.nowSeconds());
    };
}

bool drawsPictures(const BatchArguments& arguments)
{
    return arguments.drawing.drawSteps || !arguments.drawing.stringPath.empty();
}

// A drawing that failed exits with the drawing failure base plus its result.
Result asDrawing(Result drawn)
{
    if (drawn.failed() && drawn != kStopped) drawn.code += kDrawingFailureBase;
    return drawn;
}

}  // namespace

BatchSession::BatchSession(const BatchArguments& arguments)
    : arguments_(arguments), targets_{nullptr, arguments.drawing.width, arguments.drawing.height, &scene_},
      ui_(targets_), driver_(state_, settings_, targets_, {ui_, random_, seedsFor(arguments.seed, clock_)}),
      files_(state_, settings_, targets_, ui_, driver_)
{
    // Only drawing needs the bitmap, which is most of a derivation's memory.
    if (drawsPictures(arguments)) {
        picture_.emplace(arguments.drawing);
        targets_.canvas = &picture_->canvas();
    }
}

BatchOutcome BatchSession::run()
{
    Result result = arguments_.drawing.stringPath.empty() ? deriveSteps() : drawSavedString();
    if (result == kDone && !arguments_.savedStringPath.empty()) result = saveString();
    // A stop that comes between jobs ends the run as one within a job does.
    if (result == kDone && ui_.interrupted()) result = kStopped;
    if (arguments_.clean) files_.DeleteCreatedFiles();
    const bool rowCode = result == kOptionsSyntaxError || result == kDefinitionLineError;
    return {result.code, rowCode ? state_.report.ErrorRow : 0, std::move(result.failure)};
}

Result BatchSession::jobOutcome()
{
    const int drawn = driver_.drawResult();
    int code = state_.LastResult;
    if (state_.LastResult == kStopped || drawn == kStopped) code = kStopped;
    else if (drawn != kDone) code = kDrawingFailureBase + drawn;
    return code == kDone ? Result() : Result{code, state_.failure};
}

Result BatchSession::forward()
{
    driver_.BDalejClick();
    ui_.waitForJob(driver_, state_.threadRunning);
    return jobOutcome();
}

Result BatchSession::deriveSteps()
{
    state_.runMode = arguments_.drawing.drawSteps ? RunMode::LSRD : RunMode::LSR;
    ui_.answerNextDialog(arguments_.definitionPath);
    if (!files_.FileOpen()) return {kIoError, state_.failure};
    Result result;
    for (int step = 0; result == kDone && step <= arguments_.steps && !ui_.interrupted(); ++step) {
        result = forward();
        if (result == kDone && step < arguments_.steps) result = writeFrame(step);
    }
    if (result.failed()) return result;
    const std::string base = basePath(state_.definitionPath);
    if (arguments_.drawing.drawSteps) {
        result = writePicture(StringFileName(base, arguments_.steps, ".bmp"));
        if (result == kDone) result = writeFrame(arguments_.steps);
        return result == kDone ? writeExports() : result;
    }
    if (!settings_.hasHomomorphism) return kDone;
    // Deriving only, the string to draw of the last step is left beside it.
    result = driver_.deriveHomomorphism(ui_.directJob());
    if (result == kDone) state_.createdFiles.push_back(StringFileName(base, state_.StepsDone - 1, kHomomorphismExt));
    return result;
}

Result BatchSession::drawSavedString()
{
    state_.runMode = RunMode::LSDr;
    std::vector<std::string> options;
    const std::string& optionsPath = arguments_.drawing.optionsPath;
    if (!optionsPath.empty()) {
        if (Result read = readTextLines(optionsPath, options); read.failed()) return read;
    }
    // A string that cannot be opened is refused before anything is shown of it.
    if (const InFile string(arguments_.drawing.stringPath); !string.isOpen()) return {kIoError, string.failure()};
    ui_.pinOptions(options);
    ui_.answerNextDialog(arguments_.drawing.stringPath);
    files_.FileOpen();
    ui_.waitForJob(driver_, state_.threadRunning);
    Result result = jobOutcome();
    if (result == kDone) result = writePicture(savedStringPicturePath(arguments_.drawing));
    return result == kDone ? writeExports() : result;
}

Result BatchSession::saveString()
{
    ui_.answerNextDialog(arguments_.savedStringPath);
    return files_.UlozitRetAkoClick() ? Result() : Result{kIoError, state_.failure};
}

Result BatchSession::writePicture(const std::string& path, PictureFormat format)
{
    return asDrawing(picture_->write(path, format, scene_, settings_, ui_.directJob()));
}

// A .bmp frame of the last step is the picture written anyway.
Result BatchSession::writeFrame(int step)
{
    const std::optional<PictureFormat> frames = arguments_.drawing.frames;
    if (!frames || (*frames == PictureFormat::Bmp && step == arguments_.steps)) return kDone;
    const char* ext = *frames == PictureFormat::Png ? ".png" : ".bmp";
    return writePicture(StringFileName(basePath(state_.definitionPath), step, ext), *frames);
}

Result BatchSession::writeExports()
{
    for (const std::string& path : arguments_.drawing.exports) {
        const PictureFormat format = *pictureFormatOf(path);
        const bool bitmap = format == PictureFormat::Bmp || format == PictureFormat::Png;
        if (Result result = bitmap ? writePicture(path, format)
                                   : asDrawing(driver_.exportShownString(format, path, ui_.directJob()));
            result.failed())
            return result;
        ui_.appendLog("Exported: " + path);
    }
    return kDone;
}

}  // namespace sprig
