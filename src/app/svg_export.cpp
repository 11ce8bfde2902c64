#include "app/string_export.h"

#include "core/result_codes.h"
#include "platform/file_failure.h"

namespace sprig {

int writeSvgExport(const StringExport& request)
{
    noteFileFailure(request.path, "SVG export is not built in this version");
    return kGraphicsError;
}

}  // namespace sprig
