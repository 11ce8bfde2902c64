#include "app/string_export.h"

#include "core/turtle/interpret_string.h"
#include "platform/byte_file.h"
#include "platform/svg_canvas.h"

namespace sprig {

// The same passes as the bitmap's, so the SVG is fitted and drawn pixel
// for pixel where the bitmap is.
Result writeSvgExport(const StringExport& request)
{
    SvgCanvas svg(request.path, request.areaWidth, request.areaHeight);
    if (!svg.isOpen()) {
        if (request.isTemporary) removeFile(request.stringFile);
        return {kGraphicsError, svg.failure()};
    }
    InterpretRequest drawing(request.settings, request.job, request.stringFile);
    drawing.isTemporary = request.isTemporary;
    drawing.symbolCount = request.symbolCount;
    drawing.penColour = request.penColour;
    drawing.canvas = &svg;
    drawing.backgroundColour = request.backgroundColour;
    drawing.areaWidth = request.areaWidth;
    drawing.areaHeight = request.areaHeight;
    InterpretResult drawn = interpretString(drawing);
    if (drawn.code != kDone) return {drawn.code, std::move(drawn.failure)};
    return svg.finish() ? Result() : Result{kGraphicsError, svg.failure()};
}

}  // namespace sprig
