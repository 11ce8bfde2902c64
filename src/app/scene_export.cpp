#include "app/obj_writer.h"
#include "app/ply_writer.h"
#include "app/string_export.h"
#include "core/derive/string_file.h"
#include "core/mesh/scene_mesher.h"
#include "core/turtle/interpret_string.h"
#include "platform/byte_file.h"
#include "platform/result_codes.h"

namespace sprig {

namespace {

// One streamed 3D pass of the string, meshed into the writer; a write that
// fails ends it. The string is deleted at its end only when it is temporary
// and this is the last pass.
int meshPass(const StringExport& request, MeshFile& writer, bool lastPass)
{
    SceneMesher mesher(request.settings.effective, writer);
    MeshFileJob job(request.job, writer);
    InterpretRequest drawing(request.settings, job, request.stringFile);
    drawing.isTemporary = request.isTemporary && lastPass;
    drawing.symbolCount = request.symbolCount;
    drawing.penColour = request.penColour;
    drawing.sceneSink = &mesher;
    int code = interpretString(drawing).code;
    if (writer.failed()) code = kGraphicsError;
    if (code == kIoError) noteUnreadableString(request.stringFile);
    if (code != kDone && request.isTemporary) removeFile(request.stringFile);
    return code;
}

int writeObj(const StringExport& request)
{
    ObjWriter obj(request.path);
    if (!obj.isOpen()) return kGraphicsError;
    if (const int code = meshPass(request, obj, true)) return code;
    return obj.finish() ? kDone : kGraphicsError;
}

int writePly(const StringExport& request)
{
    PlyWriter ply(request.path);
    if (!ply.isOpen()) return kGraphicsError;
    if (const int code = meshPass(request, ply, false)) return code;
    ply.startFaces();
    if (const int code = meshPass(request, ply, true)) return code;
    return ply.finish() ? kDone : kGraphicsError;
}

}  // namespace

// The scene meshed as the 3D view draws it, straight from the string, with
// no cap on its elements.
int writeSceneExport(PictureFormat format, const StringExport& request)
{
    const bool obj = format == PictureFormat::Obj;
    const int code = obj ? writeObj(request) : writePly(request);
    if (code == kGraphicsError && request.isTemporary) removeFile(request.stringFile);
    return code;
}

}  // namespace sprig
