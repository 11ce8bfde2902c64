#include "app/string_export.h"

#include "app/step_driver.h"
#include "core/derive/string_file_name.h"
#include "core/result_codes.h"
#include "platform/file_failure.h"
#include "settings/settings.h"

namespace sprig {

int exportString(PictureFormat format, const StringExport& request)
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
    noteFileFailure(request.path, plane ? "a 2D drawing is exported as .svg, .png or .bmp"
                                        : "a 3D scene is exported as .obj, .ply, .png or .bmp");
    return kGraphicsError;
}

int StepDriver::exportShownString(PictureFormat format, const std::string& path, Job& job)
{
    // Drawing the step deleted its homomorphism file: it is made again.
    const bool homomorphism = state_.runMode == RunMode::LSRD && settings_.hasHomomorphism;
    if (homomorphism) {
        if (const int code = deriveHomomorphism(job)) return code;
    }
    const std::string shown =
        homomorphism ? StringFileName(basePath(state_.definitionPath), state_.StepsDone - 1, kHomomorphismExt)
                     : stepFile();
    const StringExport request{path,
                               shown,
                               homomorphism,
                               state_.symbolCount,
                               settings_,
                               job,
                               targets_.areaWidth,
                               targets_.areaHeight,
                               targets_.penColour,
                               targets_.backgroundColour};
    return exportString(format, request);
}

}  // namespace sprig
