#include "app/string_export.h"

#include "platform/file_failure.h"
#include "platform/result_codes.h"

namespace sprig {

// The OBJ and PLY writers of the 3D scene belong here.
int writeSceneExport(PictureFormat, const StringExport& request)
{
    noteFileFailure(request.path, "OBJ and PLY export is not built in this version");
    return kGraphicsError;
}

}  // namespace sprig
