#include "app/string_export.h"

#include "app/result_messages.h"
#include "app/step_driver.h"
#include "app/user_interface.h"
#include "settings/settings.h"

namespace sprig {

Result exportString(PictureFormat format, const StringExport& request)
{
    const bool plane = request.settings.effective.drawDimensions == 2;
    switch (format) {
    case PictureFormat::Svg:
        if (plane) return writeSvgExport(request);
        break;
    case PictureFormat::Obj:
    case PictureFormat::Ply:
        if (!plane) return writeSceneExport(format, request);
        break;
    case PictureFormat::Bmp:
    case PictureFormat::Png: break;
    }
    return {kGraphicsError, FileFailure{request.path, plane ? "a 2D drawing is exported as .svg, .png or .bmp"
                                                            : "a 3D scene is exported as .obj, .ply, .png or .bmp"}};
}

Result StepDriver::exportShownString(PictureFormat format, const std::string& path, Job& job)
{
    finishWorker();
    JobRecord record = exportRecord(format, path);
    Result result = exportOf(record, job);
    state_.report = record.report;
    return result;
}

// On the worker, or on the calling thread when no worker runs.
Result StepDriver::exportOf(JobRecord& record, Job& job)
{
    // Drawing the step deleted its homomorphism file: it is made again.
    const bool homomorphism = record.runMode == RunMode::LSRD && settings_.hasHomomorphism;
    if (homomorphism) {
        std::optional<WrittenString> written;
        if (Result result = deriveStrings(job, record, true, written); result.failed()) return result;
    }
    const std::string shown = shownFileOf(record, homomorphism);
    const StringExport request{record.exportPath,  shown,
                               homomorphism,       record.symbolCount,
                               settings_,          job,
                               targets_.areaWidth, targets_.areaHeight,
                               targets_.penColour, targets_.backgroundColour};
    return exportString(record.exportFormat, request);
}

// An export's end on the user-interface thread: the file written is named,
// a stopped export leaves nothing to say, a failure is shown.
void StepDriver::endExport(int code, const std::string& path)
{
    if (code == kDone || code == kStopped) {
        if (code == kDone) ui_.appendLog("Exported: " + path);
        ui_.setVisible(Window::Progress, false);
        endView(pictureWindow());
        return;
    }
    const bool drawing = code == kIoError || code == kOutOfMemory;
    const ResultMessage message = code == kGraphicsError ? saveErrorMessage(path, state_.failure)
                                  : drawing              ? drawErrorMessage(code)
                                                         : jobErrorMessage(code, state_.report.ErrorRow);
    showFailure(message.dialog, message.logLine);
}

}  // namespace sprig
