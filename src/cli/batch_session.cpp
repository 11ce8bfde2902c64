#include "cli/batch_session.h"

#include "core/derive/string_file_name.h"
#include "platform/byte_file.h"
#include "platform/file_failure.h"
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
    int code = arguments_.drawing.stringPath.empty() ? deriveSteps() : drawSavedString();
    if (code == kDone && !arguments_.savedStringPath.empty()) code = saveString();
    // A stop that comes between jobs ends the run as one within a job does.
    if (code == kDone && ui_.interrupted()) code = kStopped;
    if (arguments_.clean) files_.DeleteCreatedFiles();
    const bool rowCode = code == kOptionsSyntaxError || code == kDefinitionLineError;
    // A failed job ends the run, so its failure is the one to name; else
    // the failure, if any, happened on this thread.
    return {code, rowCode ? state_.report.ErrorRow : 0, jobFailure_ ? jobFailure_ : lastFileFailure()};
}

int BatchSession::jobOutcome()
{
    const int drawn = driver_.drawResult();
    int code = state_.LastResult;
    if (state_.LastResult == kStopped || drawn == kStopped) code = kStopped;
    else if (drawn != kDone) code = kDrawingFailureBase + drawn;
    if (code != kDone) jobFailure_ = state_.failure;
    return code;
}

int BatchSession::forward()
{
    driver_.BDalejClick();
    ui_.waitForJob(driver_, state_.threadRunning);
    return jobOutcome();
}

int BatchSession::deriveSteps()
{
    state_.runMode = arguments_.drawing.drawSteps ? RunMode::LSRD : RunMode::LSR;
    ui_.answerNextDialog(arguments_.definitionPath);
    if (!files_.FileOpen()) return kIoError;
    int code = kDone;
    for (int step = 0; code == kDone && step <= arguments_.steps && !ui_.interrupted(); ++step) {
        code = forward();
        if (code == kDone && step < arguments_.steps) code = writeFrame(step);
    }
    if (code != kDone) return code;
    const std::string base = basePath(state_.definitionPath);
    if (arguments_.drawing.drawSteps) {
        code = writePicture(StringFileName(base, arguments_.steps, ".bmp"));
        if (code == kDone) code = writeFrame(arguments_.steps);
        return code == kDone ? writeExports() : code;
    }
    if (!settings_.hasHomomorphism) return kDone;
    // Deriving only, the string to draw of the last step is left beside it.
    code = driver_.deriveHomomorphism(ui_.directJob());
    if (code == kDone) state_.createdFiles.push_back(StringFileName(base, state_.StepsDone - 1, kHomomorphismExt));
    return code;
}

int BatchSession::drawSavedString()
{
    state_.runMode = RunMode::LSDr;
    std::vector<std::string> options;
    const std::string& optionsPath = arguments_.drawing.optionsPath;
    if (!optionsPath.empty() && !readTextLines(optionsPath, options)) return kIoError;
    // A string that cannot be opened is refused before anything is shown of it.
    if (!InFile(arguments_.drawing.stringPath).isOpen()) return kIoError;
    ui_.pinOptions(options);
    ui_.answerNextDialog(arguments_.drawing.stringPath);
    files_.FileOpen();
    ui_.waitForJob(driver_, state_.threadRunning);
    const int code = jobOutcome();
    const int written = code == kDone ? writePicture(savedStringPicturePath(arguments_.drawing)) : code;
    return written == kDone ? writeExports() : written;
}

int BatchSession::saveString()
{
    ui_.answerNextDialog(arguments_.savedStringPath);
    return files_.UlozitRetAkoClick() ? kDone : kIoError;
}

int BatchSession::writePicture(const std::string& path, PictureFormat format)
{
    const int drawn = picture_->write(path, format, scene_, settings_, ui_.directJob());
    return drawn == kDone || drawn == kStopped ? drawn : kDrawingFailureBase + drawn;
}

// A .bmp frame of the last step is the picture written anyway.
int BatchSession::writeFrame(int step)
{
    const std::optional<PictureFormat> frames = arguments_.drawing.frames;
    if (!frames || (*frames == PictureFormat::Bmp && step == arguments_.steps)) return kDone;
    const char* ext = *frames == PictureFormat::Png ? ".png" : ".bmp";
    return writePicture(StringFileName(basePath(state_.definitionPath), step, ext), *frames);
}

int BatchSession::writeExports()
{
    for (const std::string& path : arguments_.drawing.exports) {
        const PictureFormat format = *pictureFormatOf(path);
        int code = kDone;
        if (format == PictureFormat::Bmp || format == PictureFormat::Png) {
            code = writePicture(path, format);
        } else {
            forgetFileFailure();
            const int drawn = driver_.exportShownString(format, path, ui_.directJob());
            code = drawn == kDone || drawn == kStopped ? drawn : kDrawingFailureBase + drawn;
        }
        if (code != kDone) return code;
        ui_.appendLog("Exported: " + path);
    }
    return kDone;
}

}  // namespace sprig
